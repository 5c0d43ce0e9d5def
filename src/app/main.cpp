// KAZEBAN: a shogi game for one person against the computer or for two people.
#include <QApplication>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>

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
    // A handler with a box open refuses to close; the program ends all the same.
    if (!window.close()) std::_Exit(EXIT_FAILURE);
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  MainWindow window(QCoreApplication::applicationDirPath() + QStringLiteral("/sounds"));
  CloseOnSignals(window);
  window.Load();
  window.show();
  return app.exec();
}
