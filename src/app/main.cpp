// KAZEBAN: a shogi game for one person against the computer or for two people.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/language.h"
#include "app/main_window.h"

namespace {

int signal_pipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(signal_pipe[1], &byte, 1);
}

// Ends the program on SIGTERM, SIGINT or SIGHUP as closing the window would, releasing
// the sounds. The handlers are in place before the sound library opens, so it keeps
// them.
void CloseOnSignals(MainWindow& window) {
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) return;
  auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char byte;
    [[maybe_unused]] const ssize_t n = read(signal_pipe[0], &byte, 1);
    // A handler with a box open refuses to close; the program ends all the same, once
    // the games are on the disk.
    if (!window.close()) {
      window.FlushJournal();
      std::_Exit(EXIT_FAILURE);
    }
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  // 1. --help, --version and a wrong command line answer before any window exists.
  const kazeban::CommandLine command = kazeban::ReadCommandLine(argc, argv);
  switch (command.action) {
    case kazeban::CommandLine::Action::Help:
      std::fputs(kazeban::UsageText().c_str(), stdout);
      return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case kazeban::CommandLine::Action::Version:
      std::fputs(kazeban::VersionText().c_str(), stdout);
      return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case kazeban::CommandLine::Action::Refuse:
      std::fprintf(stderr, "kazeban: %s\n%s", command.error.c_str(), kazeban::UsageText().c_str());
      return 2;
    case kazeban::CommandLine::Action::Run:
      break;
  }

  // 2. The window, under the name of its desktop entry and icon.
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(KAZEBAN_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KAZEBAN_APP_ID)));
  InstallFontSubstitutes();

  // 3. The sounds are looked for in the current directory, then beside the program (the
  // build tree), then where they are installed.
  const QString bin = QCoreApplication::applicationDirPath();
  MainWindow window(QStringList{bin + QStringLiteral("/sounds"),
                                bin + QStringLiteral("/" KAZEBAN_SOUNDS_FROM_BIN)});
  CloseOnSignals(window);
  window.SetLanguage(StartLanguage(), false);
  window.Load();
  window.show();

  // 4. A file named on the command line is read once the window is up, so that its
  // boxes stand over the board.
  if (!command.file.empty()) {
    const QString file = QFile::decodeName(command.file.c_str());
    QTimer::singleShot(0, &window, [&window, file] { window.OpenFile(file); });
  }
  return app.exec();
}
