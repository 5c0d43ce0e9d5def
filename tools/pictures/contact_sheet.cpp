// A development aid: shows the committed pictures the way the game shows them. It
// writes five PNG files: every picture at both densities side by side, and the
// window's drawing at 1× and at 2× of the starting position and of a game in
// progress (promoted pieces, pieces in hand, captions, guidance marks), drawn by the
// game's own drawing procedures onto a simple painter surface. Usage: kazeban-picture-sheet
// <pictures folder> <output folder>.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>

#include "display/board_drawing.h"
#include "display/picture_names.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "piece_art.h"
#include "rules/game_state.h"

namespace {

using namespace kazeban;

QString Name(int picture) {
  const std::string_view name = PictureName(picture);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QColor Palette(int index) {
  const PaletteColour c = PALETTE[index & 15];
  return QColor(c.r, c.g, c.b);
}

// Twips onto device pixels: 15 twips to a pixel at 1×, positions on whole pixels.
class PainterSurface : public Surface {
 public:
  PainterSurface(QPainter& p, int scale, std::map<int, QImage> pictures)
      : p_(p), scale_(scale), pictures_(std::move(pictures)) {}

  void FillBox(double x, double y, double w, double h, int colour) override {
    p_.fillRect(QRect(Px(x), Px(y), Px(x + w) - Px(x), Px(y + h) - Px(y)), Palette(colour));
  }
  void OutlineBox(double x, double y, double w, double h, int colour) override {
    // One ordinary pixel wide, from the first corner's pixel to the far corner's.
    const int l = Px(x), t = Px(y), r = Px(x + w), b = Px(y + h);
    const QColor c = Palette(colour);
    p_.fillRect(QRect(l, t, r - l + scale_, scale_), c);
    p_.fillRect(QRect(l, b, r - l + scale_, scale_), c);
    p_.fillRect(QRect(l, t, scale_, b - t + scale_), c);
    p_.fillRect(QRect(r, t, scale_, b - t + scale_), c);
  }
  void DrawPicture(int picture, double x, double y) override {
    const auto it = pictures_.find(picture);
    if (it != pictures_.end()) p_.drawImage(QPoint(Px(x), Px(y)), it->second);
  }
  void DrawText(double x, double y, std::string_view text, int size, bool bold,
                int colour) override {
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPixelSize(static_cast<int>(std::lround(size * 20.0 / 15.0 * scale_)));
    font.setBold(bold);
    p_.setFont(font);
    p_.setPen(Palette(colour));
    p_.drawText(QRect(Px(x), Px(y), 2000, 2000), Qt::AlignLeft | Qt::AlignTop,
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  void Refresh() override {}

 private:
  int Px(double twips) const { return static_cast<int>(std::floor(twips / 15.0)) * scale_; }

  QPainter& p_;
  int scale_;
  std::map<int, QImage> pictures_;
};

std::map<int, QImage> Load(const QString& folder, int scale) {
  std::map<int, QImage> out;
  for (int id : PICTURE_IDS) {
    const QString file = folder + QLatin1Char('/') + Name(id) +
                         (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
    QImage image(file);
    if (image.isNull()) std::fprintf(stderr, "missing %s\n", qPrintable(file));
    image.setDevicePixelRatio(1);  // Qt reads "@2x" files as half their pixel size
    out[id] = image;
  }
  return out;
}

// A position with every kind of promoted piece and both hands holding pieces.
void MakeGameInProgress(GameState& s) {
  s.BAN[3][3] = KARA;
  s.BAN[3][5] = K_UE_HU;
  s.BAN[7][7] = KARA;
  s.BAN[7][6] = K_SITA_HU;
  s.BAN[8][8] = KARA;
  s.BAN[2][2] = K_SITA_NARISYA;
  s.BAN[8][2] = KARA;
  s.BAN[5][5] = K_UE_NARIKAKU;
  s.BAN[4][6] = K_UE_NARIHU;
  s.BAN[6][4] = K_SITA_NARIGIN;
  s.BAN[1][4] = K_UE_NARIKYOU;
  s.BAN[9][6] = K_SITA_NARIKEI;
  s.SITA_MOCHI[1] = 3;
  s.SITA_MOCHI[6] = 1;
  s.SITA_MOCHI[4] = 1;
  s.UE_MOCHI[7] = 1;
  s.UE_MOCHI[1] = 12;
  s.UE_MOCHI[3] = 2;
}

// The window's drawing of the starting position, or of a game in progress with
// promoted pieces and full hands, at one density.
QImage Board(const QString& folder, int scale, bool inProgress) {
  GameState s;
  初期設定_状態(s);
  if (inProgress) MakeGameInProgress(s);

  QImage image(8500 / 15 * scale, 8000 / 15 * scale, QImage::Format_RGB32);
  image.fill(Palette(IRO_2));
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  PainterSurface surface(p, scale, Load(folder, scale));
  画面 g{surface};
  描画_自持盤(g, s);
  描画_敵持盤(g, s);
  描画_盤(g, s);
  描画_桝_数値(g, s);
  描画_絵(g, K_LOGO, 11, 0);
  描画_レベル(g, s, 3);
  if (inProgress) {
    描画_手数(g, s, 37);
    描画_移動結果(g, s, SITA_KEKKA_X, SITA_KEKKA_Y, 2, 2, K_SITA_NARISYA, s.KEKKA_IRO);
    描画_移動結果(g, s, UE_KEKKA_X, UE_KEKKA_Y, 5, 5, K_UE_NARIKAKU, s.KEKKA_IRO);
    描画_文字列(g, -2.0, 9.6, 3, IRO_15, 10);
    s.SIDOU_FLAG = ON;
    描画_移動可能桝色(g, s, 2, 2, IRO_15, K_SITA_NARISYA);
  }
  return image;
}

// Every picture in a row, at one density, on the window's green.
QImage Sheet(const QString& folder) {
  const auto one = Load(folder, 1);
  const auto two = Load(folder, 2);
  const int perRow = 15;
  QImage image(perRow * 70 + 10, 4 * 90 + 10, QImage::Format_RGB32);
  image.fill(Palette(IRO_2));
  QPainter p(&image);
  int n = 0;
  for (int id : PICTURE_IDS) {
    if (id == PICTURE_KAZEBAN) continue;
    const int col = n % perRow, row = n / perRow;
    p.drawImage(QPoint(10 + col * 70, 10 + row * 50), one.at(id));
    p.drawImage(QPoint(10 + col * 70, 120 + row * 90), two.at(id));
    ++n;
  }
  p.drawImage(QPoint(10, 300), one.at(PICTURE_KAZEBAN));
  p.drawImage(QPoint(150, 290), two.at(PICTURE_KAZEBAN));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: kazeban-picture-sheet <pictures folder> <output folder>\n");
    return 2;
  }
  if (kazeban::art::MinchoFamily().isEmpty()) return 1;
  const QString in = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  const bool ok = Sheet(in).save(out + QStringLiteral("/sheet.png")) &&
                  Board(in, 1, false).save(out + QStringLiteral("/start_1x.png")) &&
                  Board(in, 2, false).save(out + QStringLiteral("/start_2x.png")) &&
                  Board(in, 1, true).save(out + QStringLiteral("/game_1x.png")) &&
                  Board(in, 2, true).save(out + QStringLiteral("/game_2x.png"));
  return ok ? 0 : 1;
}
