#include "computer/search.h"

namespace kazeban {

void COM_準備(GameState& s, 勢力図& m, COM記録& r) {
  // 2. No best score yet.
  r.SAIKOU_TEN = 点_初期;

  // 3. The board before the move.
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) r.MAE_BAN[i][j] = s.BAN[i][j];
  }

  // 4. Double-pawn flags for the drop test, and the map of the position.
  調査_2歩フラグ設定(s);
  勢力調査(s, m);

  // 5. The hand total and both influence counts before the move.
  r.MAE_UE_MOCHI_SU = s.UE_MOCHI_SU;
  for (int i = 0; i <= BAN_SUU; ++i) {
    for (int j = 0; j <= BAN_SUU; ++j) {
      r.MAE_SEIRYOKU_SITA[i][j] = m.SEIRYOKU_SITA[i][j];
      r.MAE_SEIRYOKU_UE[i][j] = m.SEIRYOKU_UE[i][j];
    }
  }
}

COM結果 COM_探索(GameState& s, 勢力図& m, COM記録& r) {
  return COM_探索(s, m, r, [](const COM指し手&, int) {});
}

bool COM_王手か(GameState& s, 勢力図& m) {
  勢力調査(s, m);
  return m.SEIRYOKU_UE[s.SITA_OU_I][s.SITA_OU_J] > 0;
}

}  // namespace kazeban
