// The part of the game state that stepping through the record changes, compared as a
// whole so a test can tell "exactly as before" from "nearly".
#pragma once

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

#include "rules/game_state.h"

namespace kazeban::testing {

struct Snapshot {
  int BAN[10][10];
  int SITA_MOCHI[8];
  int UE_MOCHI[8];
  int SITA_MOCHI_SU, UE_MOCHI_SU, TESUU, KIFU_SUU, KIFU_SAIGO;

  explicit Snapshot(const GameState& s)
      : SITA_MOCHI_SU(s.SITA_MOCHI_SU),
        UE_MOCHI_SU(s.UE_MOCHI_SU),
        TESUU(s.TESUU),
        KIFU_SUU(s.KIFU_SUU),
        KIFU_SAIGO(s.KIFU_SAIGO) {
    std::memcpy(BAN, s.BAN, sizeof BAN);
    std::memcpy(SITA_MOCHI, s.SITA_MOCHI, sizeof SITA_MOCHI);
    std::memcpy(UE_MOCHI, s.UE_MOCHI, sizeof UE_MOCHI);
  }

  // The board and the hands only, for comparing with a game played live.
  bool SamePosition(const Snapshot& o) const {
    return std::memcmp(BAN, o.BAN, sizeof BAN) == 0 &&
           std::memcmp(SITA_MOCHI, o.SITA_MOCHI, sizeof SITA_MOCHI) == 0 &&
           std::memcmp(UE_MOCHI, o.UE_MOCHI, sizeof UE_MOCHI) == 0 &&
           SITA_MOCHI_SU == o.SITA_MOCHI_SU && UE_MOCHI_SU == o.UE_MOCHI_SU;
  }
  bool operator==(const Snapshot& o) const {
    return SamePosition(o) && TESUU == o.TESUU && KIFU_SUU == o.KIFU_SUU &&
           KIFU_SAIGO == o.KIFU_SAIGO;
  }
};

inline std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
  for (int j = 1; j <= BAN_SUU; ++j) {
    for (int i = 1; i <= BAN_SUU; ++i) out << (i > 1 ? " " : "") << s.BAN[i][j];
    out << "\n";
  }
  out << "SITA hand";
  for (int k = 1; k <= 7; ++k) out << " " << s.SITA_MOCHI[k];
  out << " total " << s.SITA_MOCHI_SU << "; UE hand";
  for (int k = 1; k <= 7; ++k) out << " " << s.UE_MOCHI[k];
  out << " total " << s.UE_MOCHI_SU << "; TESUU " << s.TESUU << " KIFU_SUU " << s.KIFU_SUU
      << " KIFU_SAIGO " << s.KIFU_SAIGO;
  return out;
}

}  // namespace kazeban::testing
