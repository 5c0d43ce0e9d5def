// How kazeban-think writes a move and a score: the 17-character line of the record
// file (from-column in two places, from-row, to-column, to-row, then the codes after
// the move, before it and captured, four places each) and the score in tenths as a
// number with one decimal.
#pragma once

#include <cstdio>
#include <string>

#include "computer/search.h"

namespace kazeban {

inline std::string 棋譜行(const COM指し手& 手) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%2d%1d%1d%1d%4d%4d%4d", 手.MOTO_I, 手.MOTO_J, 手.SAKI_I,
                手.SAKI_J, 手.NARI, 手.KOMA, 手.TORI);
  return buf;
}

// 123 → "12.3", -5 → "-0.5", 0 → "0.0".
inline std::string 点の文字(int tenths) {
  const int a = tenths < 0 ? -tenths : tenths;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%d.%d", tenths < 0 ? "-" : "", a / 10, a % 10);
  return buf;
}

}  // namespace kazeban
