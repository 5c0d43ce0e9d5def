// The rules of standard shogi, as every other program applies them, over KAZEBAN's
// board: where a piece attacks, whether a side is in check, and whether a move is
// allowed. KAZEBAN's own rules let a king be left attacked (and then taken) and let a
// dropped pawn give mate; a game written for other programs stops before such a
// move, and the USI engine leaves such moves out of its search.
//
// Nothing here allocates: the USI engine asks it for every candidate of a search.
#pragma once

#include "interop/position.h"

namespace kazeban {

// Why a move is not allowed in standard shogi, or 合法 when it is.
enum class 標準判定結果 {
  合法,
  不正,            // not a move of this position: no piece of the mover there, a code
                   // that does not match, a step the piece cannot make, a drop from an
                   // empty hand or onto a piece, a promotion outside the zone, a king taken
  二歩,            // a second unpromoted pawn of the mover in the column
  行き所のない駒,  // a pawn, lance or knight left where it could never move again
  王手放置,        // the mover's own king is attacked after the move
  打ち歩詰め,      // a dropped pawn that gives mate
};

// Whether a move so judged is a foul: a move the pieces can make that standard shogi
// forbids. A record may end with one (the player who made it lost); 不正 is no foul
// but a move no piece can make, and a record holding one is refused.
constexpr bool 反則か(標準判定結果 r) {
  return r != 標準判定結果::合法 && r != 標準判定結果::不正;
}

// True when a piece of side `by` attacks square (i, j).
bool 利きあり(const GameState& s, int i, int j, Color by);

// True when the king of `side` stands on the board and is attacked.
bool 王手されている(const GameState& s, Color side);

// Judges move `m` for the side to move of `p`. The move's fields must describe it
// fully (KOMA the code on the origin or the hand's code, NARI the code after, TORI
// the code on the destination), as the record lines do.
標準判定結果 標準判定(const Position& p, const 棋譜の手& m);

// Builds the record line of a board move from (fromI, fromJ) to (toI, toJ) for the
// side to move, promoting when asked; a drop of hand kind `kind` (1..7) to (toI, toJ).
// The result is only the fields; 標準判定 says whether it is allowed.
棋譜の手 盤上の手(const Position& p, int fromI, int fromJ, int toI, int toJ, bool promote);
棋譜の手 打つ手(const Position& p, int kind, int toI, int toJ);

// Every move standard shogi allows the side to move, in a fixed order, written into
// `out` (room for 標準手の最大数); returns how many.
inline constexpr int 標準手の最大数 = 1024;
int 合法手一覧(const Position& p, 棋譜の手* out);

// Why a move is not allowed, in words for a message: "二歩", "打ち歩詰め" …
const char* 標準判定の説明(標準判定結果 r);

// What makes a position unfit for standard shogi, in words for a message, or an
// empty text when it is fit: more than one king of a side, more pieces of a kind than
// a set holds, two unpromoted pawns of a side in a column, a piece that could never
// move, the side not to move in check.
const char* 局面の不備(const Position& p);

// What makes a starting position impossible to play from, or an empty text: more than
// one king of a side, more pieces of a kind than a set holds, a code that is no piece.
// A start with a piece that could never move, nine pawns in a column or the side not to
// move in check (problems have them) is played from all the same.
const char* 開始局面の不備(const Position& p);

}  // namespace kazeban
