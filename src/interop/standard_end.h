// How a game played by standard shogi's rules ends, and how a record says so: mate,
// resignation, repetition (a draw) and repetition under continuous check (a loss for
// the side that kept checking).
#pragma once

#include "interop/game.h"

namespace kazeban {

enum class 標準終局理由 {
  詰み,              // the side to move has no legal move
  投了,              // the side to move resigned
  千日手,            // the same position for the fourth time: a draw
  連続王手の千日手,  // the same, every move of one side a check: that side loses
};

struct 標準の終局 {
  標準終局理由 理由 = 標準終局理由::詰み;
  Color 勝者 = Color::Black;  // KAZEBAN's bottom side is black; unused for 千日手
};

// Writes the end into `g` (its end word, result and closing comment) when its moves are
// every move of the game: `手番側の勝ち` says whether the side to move after the last
// of them won, which holds however the record turned the board.
void 標準の終局を記す(対局棋譜& g, 標準終局理由 理由, bool 手番側の勝ち);

}  // namespace kazeban
