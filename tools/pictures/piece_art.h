// How the pictures of the board look: the wood of an empty square, a piece of either
// side standing on it, and the title plaque. Each is painted in the picture's own
// units (one unit is one pixel of the ordinary-density picture) onto an image `scale`
// times that size, so the high-density pictures are drawn at their own resolution
// rather than enlarged.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kazeban::art {

inline constexpr int SQUARE_W = 33;
inline constexpr int SQUARE_H = 41;
inline constexpr int TITLE_W = 118;
inline constexpr int TITLE_H = 39;

// The empty square: light wood with a few grain lines.
QImage EmptySquare(int scale);

// A piece with the picture id's code (negative: SITA's, pointing up; positive: UE's,
// turned by 180 degrees), standing on the empty square's wood.
QImage Piece(int code, int scale);

// The 118×39 title picture.
QImage Title(int scale);

// The application icon: a king piece standing on a square of the board, `size` pixels
// square with a transparent surround. Up to 32 pixels the piece bears only 王, larger
// it bears 王将 as on the board.
QImage Icon(int size);

// The same icon as a scalable SVG document (王将, the letters as outlines, so that it
// needs no font where it is shown).
QByteArray IconSvg();

// The family the window's font resolves to; empty when no Japanese font stands in for
// it, in which case the names would come out as empty boxes.
QString MinchoFamily();

}  // namespace kazeban::art
