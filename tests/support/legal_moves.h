// Every move and drop the legality test allows a side, for tests that play positions
// out at random or check a generator against the rules.
#pragma once

#include <vector>

#include "rules/game_state.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban::testing {

struct RandomMove {
  int fromI, fromJ, toI, toJ, code;
};

// Every move and drop that 移動チェック allows the side; a drop's fromJ is the kind.
inline std::vector<RandomMove> LegalMoves(GameState& s, bool ue) {
  std::vector<RandomMove> out;
  調査_2歩フラグ設定(s);
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = s.BAN[i][j];
      if (ue ? !UEの駒(c) : !SITAの駒(c)) continue;
      for (int x = 1; x <= BAN_SUU; ++x) {
        for (int y = 1; y <= BAN_SUU; ++y) {
          if (移動チェック(s, i, j, x, y, c) == ON) out.push_back({i, j, x, y, c});
        }
      }
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if ((ue ? s.UE_MOCHI[k] : s.SITA_MOCHI[k]) <= 0) continue;
    const int code = ue ? 持駒_UEコード(k) : 持駒_SITAコード(k);
    const int fromI = ue ? -1 : 11;
    for (int x = 1; x <= BAN_SUU; ++x) {
      for (int y = 1; y <= BAN_SUU; ++y) {
        if (移動チェック(s, fromI, ue ? 8 - k : k + 2, x, y, code) == ON) {
          out.push_back({fromI, k, x, y, code});
        }
      }
    }
  }
  return out;
}

}  // namespace kazeban::testing
