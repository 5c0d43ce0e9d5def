// What the window keeps of standard shogi's rules: whether they are in force, and how a
// game played by them ends.
#pragma once

#include "interop/position.h"

namespace kazeban {

// How a game under standard rules ends.
enum class 標準終局理由 {
  詰み,              // the side to move has no legal move
  投了,              // the side to move resigned
  千日手,            // the same position for the fourth time: a draw
  連続王手の千日手,  // the same, every move of one side a check: that side loses
};

struct 標準の終局 {
  標準終局理由 理由 = 標準終局理由::詰み;
  Color 勝者 = Color::Black;  // the bottom side is black; unused for 千日手
};

struct 標準ルール状態 {
  bool 選択 = false;  // ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ is checked (off at start-up)
  bool 強制 = false;  // the game in progress uses them whatever the option (an engine
                      // game); a game started from the 対局 menu's designed items clears it
};

}  // namespace kazeban
