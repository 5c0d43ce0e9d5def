#include "play/game_menu.h"

#include "display/text_drawing.h"
#include "play/computer_turn.h"
#include "play/start_up.h"

namespace kazeban {

void TAIKYOKU_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  パネル_隠す(f);
}

void START_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  // 1. The coordinates again. 2. SITA moves first, between two people.
  描画_桝_数値(f.g, f.s);
  f.s.SITA_SENGO = SENTE;
  f.s.UE_SENGO = GOTE;
  f.s.TEBAN = f.s.SITA_SENGO;
  f.s.TAIKYOKU_SYU = TAI_MAN;
  f.標準.強制 = false;
  // 3. Who begins.
  f.controls.MessageOK(" ", "先手の番です");
}

void SENTE_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  // 1. Who begins. 2. The computer's level.
  f.controls.MessageOK(" ", "あなたの番です");
  描画_レベル(f.g, f.s, f.s.COM_LEVEL);
  // 3. Nothing selected; the person is first and to move, against the computer.
  GameState& s = f.s;
  s.SENTAKU_JOUTAI = 0;
  s.SITA_SENGO = SENTE;
  s.UE_SENGO = GOTE;
  s.TEBAN = SENTE;
  s.TAIKYOKU_SYU = TAI_COM;
  s.KIFU_MODE = OFF;
  f.標準.強制 = false;
}

void GOTE_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  // 1. The computer's level.
  描画_レベル(f.g, f.s, f.s.COM_LEVEL);
  // 2. Nothing selected; the computer is first and to move.
  GameState& s = f.s;
  s.SENTAKU_JOUTAI = 0;
  s.SITA_SENGO = GOTE;
  s.UE_SENGO = SENTE;
  s.TEBAN = SENTE;
  s.TAIKYOKU_SYU = TAI_COM;
  s.KIFU_MODE = OFF;
  f.標準.強制 = false;
  // 3. Its first move, at once; the person moves next.
  (void)com_ban(f);
}

namespace {

void レベル選択(Form1& f, int n) {
  処理ガード guard(f);
  if (!guard) return;
  constexpr MenuCheck items[4] = {MenuCheck::LEVEL1, MenuCheck::LEVEL1, MenuCheck::LEVEL2,
                                  MenuCheck::LEVEL3};
  if (f.controls.IsChecked(items[n])) return;
  for (int k = 1; k <= 3; ++k) f.controls.SetChecked(items[k], k == n);
  f.s.COM_LEVEL = n;
  描画_レベル(f.g, f.s, n);
}

}  // namespace

void LEVEL1_Click(Form1& f) {
  レベル選択(f, 1);
}

void LEVEL2_Click(Form1& f) {
  レベル選択(f, 2);
}

void LEVEL3_Click(Form1& f) {
  レベル選択(f, 3);
}

void OWARI_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  プログラム終了(f);
}

}  // namespace kazeban
