// Builds positions for the rule tests: an empty board, pieces placed by hand, and the
// set of squares a piece may reach.
#pragma once

#include <set>
#include <utility>

#include "rules/game_state.h"
#include "rules/move_check.h"
#include "rules/promotion.h"

namespace kazeban::testing {

using Square = std::pair<int, int>;
using Squares = std::set<Square>;

// A state with an empty board and empty hands, no game in progress.
inline GameState EmptyBoard() {
  GameState s;
  初期設定_状態(s);
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) s.BAN[i][j] = KARA;
  }
  return s;
}

// Every board square that `code` may reach from (i, j), double-pawn flags refreshed.
inline Squares Reachable(GameState& s, int i, int j, int code) {
  調査_2歩フラグ設定(s);
  Squares out;
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (移動チェック(s, i, j, x, y, code) == ON) out.insert({x, y});
    }
  }
  return out;
}

}  // namespace kazeban::testing
