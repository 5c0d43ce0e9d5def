// Where the game on the board comes from: the position its move record starts from,
// who moves first there, the names printed around the board, and the date and the end
// of a game read from a record. Start-up resets it to the even start with no names;
// reading a record file sets its names; reading a game of the other record formats
// sets its starting position too (the even one, a handicap or any board diagram).
#pragma once

#include <string>

#include "rules/game_state.h"

namespace kazeban {

struct 記録の由来 {
  // The state as the record was set up: the starting position on the board and in the
  // hands, and the moves read in the record (none of them on the board).
  GameState 初形;
  bool 平手 = true;       // 初形 is the even start (a record file can hold the game)
  bool 上側が先 = false;  // the top side moves first from 初形
  std::string 対局名;     // printed under the board on the left
  std::string 上側の名;   // printed above the board
  std::string 下側の名;   // printed under the board
  std::string 開始日時;   // as the record held it
  // How the game read ended, for an export of the whole game as read: the end word,
  // the winner (0 none, 1 the bottom side, 2 the top side, 3 a draw) and a comment.
  std::string 終局;
  int 勝者 = 0;
  std::string 終局コメント;
};

}  // namespace kazeban
