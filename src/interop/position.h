// A shogi position as the other shogi programs see it, held on KAZEBAN's own board.
//
// KAZEBAN column i (1..9 from the left) is the standard file 10 - i; row j (1..9 from
// the top) is rank j (一..九, SFEN a..i). The bottom side (SITA, negative codes) is
// black (先手, ▲, "+" in CSA, upper case in SFEN) and the top side (UE) is white. A
// position is a GameState holding the board, both hands, their totals and the king
// squares, as 初期設定_状態 leaves them apart from the pieces, plus the side to move.
// Moves are record lines (棋譜の手): a drop by black comes from column 11 with the
// hand row (kind + 2) as its row, a drop by white from column -1 with the kind.
#pragma once

#include "rules/game_state.h"
#include "storage/record_file.h"

namespace kazeban {

enum class Color { Black, White };

constexpr Color 相手(Color c) {
  return c == Color::Black ? Color::White : Color::Black;
}

struct Position {
  GameState state;
  Color toMove = Color::Black;
};

// The even starting position, black to move.
Position 平手局面();

// The position of the state's board and hands (hand totals recomputed from the hands,
// king squares found on the board), `toMove` to move.
Position 局面(const GameState& s, Color toMove);

// Copies the board, the hands, their totals and the king squares into `s`; nothing
// else of `s` changes.
void 局面を盤へ(const Position& p, GameState& s);

// True when the board and the hands (not the totals) hold the same pieces and the
// same side is to move.
bool 同一局面(const Position& a, const Position& b);

// Plays a move that is known to fit the position (see 標準判定): the board, the hands,
// their totals and the king squares change, and the other side is to move.
void 指す(Position& p, const 棋譜の手& m);

// The position seen from the other side: square (i, j) becomes (10 - i, 10 - j), every
// code changes sign, the hands change places and the other colour is to move.
Position 回した局面(const Position& p);

// A move of `回した局面(p)` as the same move of p, and back: a drop keeps its kind.
棋譜の手 回した手(const 棋譜の手& m);

}  // namespace kazeban
