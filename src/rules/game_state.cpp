#include "rules/game_state.h"

namespace kazeban {

void 初期設定_状態(GameState& s) {
  // 1. No selection, no handicap, no flags, no moves, no game, no winner.
  s.SENTAKU_JOUTAI = 0;
  s.HANDE = 0;
  s.HANDE_FLAG = OFF;
  s.KIFU_MODE = OFF;
  s.HANTEN_FLAG = OFF;
  s.TESUU = 0;
  s.KIFU_SUU = 0;
  s.KIFU_SAIGO = 0;
  s.TEBAN = NASHI;
  s.SYOUSYA = NASHI;

  // 2-3. Empty hands and an empty board.
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOCHI[k] = KARA;
    s.UE_MOCHI[k] = KARA;
  }
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) s.BAN[i][j] = KARA;
  }

  // 4. The starting position.
  constexpr int back[10] = {KARA,    K_UE_KYOU, K_UE_KEI, K_UE_GIN, K_UE_KIN,
                            K_UE_OU, K_UE_KIN,  K_UE_GIN, K_UE_KEI, K_UE_KYOU};
  for (int i = 1; i <= BAN_SUU; ++i) {
    s.BAN[i][1] = back[i];
    s.BAN[i][3] = K_UE_HU;
    s.BAN[i][7] = K_SITA_HU;
    s.BAN[i][9] = -back[i];
  }
  s.BAN[2][2] = K_UE_SYA;
  s.BAN[8][2] = K_UE_KAKU;
  s.BAN[2][8] = K_SITA_KAKU;
  s.BAN[8][8] = K_SITA_SYA;

  // 5. Hand totals from the hands (both empty here).
  s.SITA_MOCHI_SU = 0;
  s.UE_MOCHI_SU = 0;
  for (int k = 1; k <= 7; ++k) {
    if (s.SITA_MOCHI[k] > 0) s.SITA_MOCHI_SU += s.SITA_MOCHI[k];
    if (s.UE_MOCHI[k] > 0) s.UE_MOCHI_SU += s.UE_MOCHI[k];
  }
}

}  // namespace kazeban
