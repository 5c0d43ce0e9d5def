// A game as the record formats of the shogi world hold it: a starting position (the
// even one, a standard handicap or any board diagram), the moves from it, the names,
// the date and how the game ended. Every format of this folder reads into a game and
// writes from one (対局棋譜); the window's record mode and the journal use it too.
#pragma once

#include <string>
#include <vector>

#include "interop/position.h"
#include "record/record_file.h"

namespace kazeban {

enum class 対局結果 {
  不明,      // no end word, or one that names no winner (中断 …)
  先手勝ち,  // black (the bottom side) won
  後手勝ち,  // white (the top side) won
  引き分け,  // 千日手, 持将棋
};

struct 対局棋譜 {
  Position 開始局面;         // black to move from the even start
  std::string 手合割;        // "平手", "香落ち" … as written; empty for a diagram
  std::vector<棋譜の手> 手;  // the main line, each move checked against its position
  std::string 棋戦;          // the game's name (KAZEBAN's 対局名)
  std::string 先手名;        // black's name (下手 in a handicap game)
  std::string 後手名;        // white's name (上手 in a handicap game)
  std::string 開始日時;      // as written, e.g. "2026/12/08 18:14:03"
  std::string 終局;          // the end word as read or to be written: 投了, 中断, 詰み …
  対局結果 結果 = 対局結果::不明;
  std::string 終局コメント;  // a closing comment: why the record stops where it does
};

}  // namespace kazeban
