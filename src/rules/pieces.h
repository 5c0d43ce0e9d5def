// Small facts about piece codes that every part of the game asks: whose piece a
// code is, which hand kind it returns to, and which code a hand kind drops as.
#pragma once

#include "rules/game_state.h"

namespace kazeban {

// Ownership is always decided by these two thresholds; 0 is empty.
constexpr bool UEの駒(int code) {
  return code >= K_UE_HU;
}
constexpr bool SITAの駒(int code) {
  return code <= K_SITA_HU;
}

// Hand kind 1..7 (pawn, lance, knight, silver, gold, bishop, rook) of a code of either
// side, promoted or not (±111, a promoted gold that never occurs, counts as a gold);
// 0 for a king, an empty square or any other value.
constexpr int 駒種類(int code) {
  const int m = code < 0 ? -code : code;
  switch (m) {
    case 10:
    case 11:
      return 1;
    case 20:
    case 21:
      return 2;
    case 30:
    case 31:
      return 3;
    case 100:
    case 101:
      return 4;
    case 110:
    case 111:
      return 5;
    case 800:
    case 801:
      return 6;
    case 900:
    case 901:
      return 7;
    default:
      return 0;
  }
}

// The unpromoted UE code of hand kind k (1..7); 0 outside that range.
constexpr int 持駒_UEコード(int k) {
  constexpr int codes[8] = {KARA,     K_UE_HU,  K_UE_KYOU, K_UE_KEI,
                            K_UE_GIN, K_UE_KIN, K_UE_KAKU, K_UE_SYA};
  return k >= 1 && k <= 7 ? codes[k] : KARA;
}

// The unpromoted SITA code of hand kind k (1..7); 0 outside that range.
constexpr int 持駒_SITAコード(int k) {
  return -持駒_UEコード(k);
}

// True for every code that may stand on the board: the 28 piece codes (never the
// defined but unused promoted golds ±111).
constexpr bool 盤上の駒コード(int code) {
  const int m = code < 0 ? -code : code;
  return m == K_UE_OU || (駒種類(code) != 0 && m != K_UE_NARIKIN);
}

}  // namespace kazeban
