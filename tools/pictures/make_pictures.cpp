// Draws every picture of the game and writes them as PNG files, at ordinary density
// (<name>.png) and at twice that (<name>@2x.png), with the Qt resource file that lists
// them under the prefix /pictures. Usage: kazeban-make-pictures [output folder];
// the default is the project's assets/pictures.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <cstdio>
#include <string_view>

#include "display/picture_names.h"
#include "piece_art.h"

namespace {

QImage Draw(int picture, int scale) {
  using namespace kazeban;
  if (picture == PICTURE_KARA_MASU) return art::EmptySquare(scale);
  if (picture == PICTURE_KAZEBAN) return art::Title(scale);
  return art::Piece(picture, scale);
}

QString Name(int picture) {
  const std::string_view name = kazeban::PictureName(picture);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KAZEBAN_PICTURES_DIR);

  // 1. The names are written in the window's font; without a Japanese font standing in
  // for it they would be empty boxes.
  const QString family = kazeban::art::MinchoFamily();
  if (family.isEmpty()) {
    std::fprintf(stderr, "kazeban-make-pictures: no IPA Mincho font (fonts-ipafont-mincho)\n");
    return 1;
  }

  // 2. Every picture at both densities.
  QStringList files;
  for (int picture : kazeban::PICTURE_IDS) {
    for (int scale : {1, 2}) {
      const QString file =
          Name(picture) + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
      if (!Draw(picture, scale).save(folder + QLatin1Char('/') + file, "PNG")) {
        std::fprintf(stderr, "kazeban-make-pictures: cannot write %s/%s\n", qPrintable(folder),
                     qPrintable(file));
        return 1;
      }
      files << file;
    }
  }

  // 3. The resource file, so the window finds them as :/pictures/<file>.
  QFile qrc(folder + QStringLiteral("/pictures.qrc"));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    std::fprintf(stderr, "kazeban-make-pictures: cannot write %s\n", qPrintable(qrc.fileName()));
    return 1;
  }
  QTextStream out(&qrc);
  out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/pictures\">\n";
  for (const QString& file : files) out << "    <file>" << file << "</file>\n";
  out << "  </qresource>\n</RCC>\n";
  out.flush();
  if (qrc.error() != QFileDevice::NoError) return 1;
  std::printf("%lld pictures in %s (font %s)\n", static_cast<long long>(files.size()),
              qPrintable(folder), qPrintable(family));
  return 0;
}
