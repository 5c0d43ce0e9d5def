#include "rules/move.h"

#include "rules/promotion.h"

namespace kazeban {

int 移動後チェック(int toJ, int code) {
  switch (code) {
    case K_UE_HU:
    case K_UE_KYOU:
      return toJ == 9 ? OFF : ON;
    case K_UE_KEI:
      return toJ > 7 ? OFF : ON;
    case K_SITA_HU:
    case K_SITA_KYOU:
      return toJ == 1 ? OFF : ON;
    case K_SITA_KEI:
      return toJ < 3 ? OFF : ON;
    default:
      return ON;
  }
}

bool 手順保存(GameState& s, int fromI, int fromJ, int toI, int toJ, int codeBefore, int codeAfter) {
  if (棋譜満杯(s)) return false;
  s.KIFU_SUU += 1;
  const int n = s.KIFU_SUU;
  s.KIFU_MOTO_I[n] = fromI;
  s.KIFU_MOTO_J[n] = fromJ;
  s.KIFU_SAKI_I[n] = toI;
  s.KIFU_SAKI_J[n] = toJ;
  s.KIFU_KOMA[n] = codeBefore;
  s.KIFU_NARI[n] = codeAfter;
  s.KIFU_TORI[n] = s.BAN[toI][toJ];
  s.KIFU_SAIGO = s.KIFU_SUU;
  return true;
}

int 駒移動_盤(GameState& s, int fromI, int fromJ, int toI, int toJ, int newCode) {
  // 1-2. A capture: the total grows for every captured piece, a king included.
  const int taken = s.BAN[toI][toJ];
  if (taken <= K_SITA_HU) {
    s.UE_MOCHI_SU += 1;
    駒取得(s, taken);
  } else if (taken >= K_UE_HU) {
    s.SITA_MOCHI_SU += 1;
    駒取得(s, taken);
  }

  // 4-5. The piece arrives; SITA's king square follows its king.
  s.BAN[toI][toJ] = newCode;
  if (newCode == K_SITA_OU) {
    s.SITA_OU_I = toI;
    s.SITA_OU_J = toJ;
  }

  // 6. It leaves its hand or its square.
  if (fromI == -1) {
    s.UE_MOCHI_SU -= 1;
    s.UE_MOCHI[fromJ] -= 1;
  } else if (fromI == 11) {
    s.SITA_MOCHI_SU -= 1;
    s.SITA_MOCHI[fromJ - 2] -= 1;
  } else {
    s.BAN[fromI][fromJ] = KARA;
  }
  return taken;
}

}  // namespace kazeban
