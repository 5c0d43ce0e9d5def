#include "rules/promotion.h"

#include "rules/pieces.h"

namespace kazeban {

int 調査_駒成(GameState& s, int fromI, int fromJ, int /*toI*/, int toJ, int code) {
  if (fromI == -1 || fromI == 11) return OFF;  // a dropped piece never promotes
  bool possible = false;
  switch (code) {
    case K_SITA_HU:
    case K_SITA_KYOU:
    case K_SITA_KEI:
      possible = toJ < 4;
      break;
    case K_SITA_GIN:
    case K_SITA_KAKU:
    case K_SITA_SYA:
      possible = toJ < 4 || fromJ < 4;
      break;
    case K_UE_HU:
    case K_UE_KYOU:
    case K_UE_KEI:
      possible = toJ > 6;
      break;
    case K_UE_GIN:
    case K_UE_KAKU:
    case K_UE_SYA:
      possible = toJ > 6 || fromJ > 6;
      break;
    default:
      break;
  }
  if (!possible) return OFF;
  s.NARI_KOMA = code < 0 ? code - 1 : code + 1;
  return ON;
}

void 調査_2歩フラグ設定(GameState& s) {
  for (int i = 1; i <= BAN_SUU; ++i) {
    s.NIFU_SITA[i] = 0;
    s.NIFU_UE[i] = 0;
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (s.BAN[i][j] == K_SITA_HU) {
        s.NIFU_SITA[i] = 1;
      } else if (s.BAN[i][j] == K_UE_HU) {
        s.NIFU_UE[i] = 1;
      }
    }
  }
}

void 駒取得(GameState& s, int code) {
  if (code == K_UE_OU) {
    s.SYOUSYA = s.SITA_SENGO;
  } else if (code == K_SITA_OU) {
    s.SYOUSYA = s.UE_SENGO;
  } else if (const int k = 駒種類(code); k != 0) {
    if (UEの駒(code)) {
      s.SITA_MOCHI[k] += 1;
    } else {
      s.UE_MOCHI[k] += 1;
    }
  }
}

}  // namespace kazeban
