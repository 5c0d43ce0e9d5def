// Draws the application icon into the hicolor theme's layout:
//   <folder>/<size>x<size>/apps/<id>.png for 16, 24, 32, 48, 64, 128, 256 and 512 pixels,
//   <folder>/scalable/apps/<id>.svg.
// Usage: kazeban-make-icons [output folder]; the default is the project's assets/icons.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "piece_art.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KAZEBAN_ICONS_DIR);
  const QString id = QStringLiteral(KAZEBAN_APP_ID);

  // The name on the piece is written in the window's font.
  if (kazeban::art::MinchoFamily().isEmpty()) {
    std::fprintf(stderr, "kazeban-make-icons: no IPA Mincho font (fonts-ipafont-mincho)\n");
    return 1;
  }
  for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir) || !kazeban::art::Icon(size).save(
                                   dir + QLatin1Char('/') + id + QStringLiteral(".png"), "PNG")) {
      std::fprintf(stderr, "kazeban-make-icons: cannot write in %s\n", qPrintable(dir));
      return 1;
    }
  }
  const QString dir = folder + QStringLiteral("/scalable/apps");
  QFile svg(dir + QLatin1Char('/') + id + QStringLiteral(".svg"));
  const QByteArray bytes = kazeban::art::IconSvg();
  if (!QDir().mkpath(dir) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      svg.write(bytes) != bytes.size() || !svg.flush()) {
    std::fprintf(stderr, "kazeban-make-icons: cannot write %s\n", qPrintable(svg.fileName()));
    return 1;
  }
  std::printf("icons of %s in %s\n", qPrintable(id), qPrintable(folder));
  return 0;
}
