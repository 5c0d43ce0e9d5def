#include "play/start_up.h"

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "play/handicap_caption.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

void Form_Load(Form1& f) {
  GameState& s = f.s;

  // 1. The sound library and the five sounds, once for the life of the program. A
  // start-up run again keeps them; the tune stops because its check mark is cleared.
  if (!f.音声_準備済) {
    サウンド_開始(f.sound, f.handles, f.window_handle, f.warning);
    f.音声_準備済 = true;
  } else if (f.controls.IsChecked(MenuCheck::BGM)) {
    dsStop(f.handles.SND_BGM);
  }

  // 2-3. Guidance off, level 3, no background tune. Exactly one level is checked, also
  // when this runs again after another level was chosen.
  s.SIDOU_FLAG = 0;
  f.controls.SetChecked(MenuCheck::SIDOU, false);
  f.controls.SetChecked(MenuCheck::LEVEL1, false);
  f.controls.SetChecked(MenuCheck::LEVEL2, false);
  f.controls.SetChecked(MenuCheck::LEVEL3, true);
  s.COM_LEVEL = 3;
  f.controls.SetChecked(MenuCheck::BGM, false);

  // 4-8, 10. The constants, codes, caption positions and grid are compile-time
  // constants of the rules. 6. The working colours start as the board colour.
  s.BAN_IRO = IRO_2;
  s.MASU_IRO = s.BAN_IRO;
  s.SIDOU_IRO = s.MASU_IRO;
  s.KEKKA_IRO = IRO_15;

  // 9. The background colour: the whole kept image becomes board green, which also
  // clears what an earlier run left beside the board.
  f.g.surface.FillBox(0, 0, FORM_WIDTH_TWIPS, FORM_HEIGHT_TWIPS, s.BAN_IRO);

  // 11. The starting position and its drawing.
  初期設定(f);

  // 12. The window's place and size, unless it is already there.
  if (f.controls.WindowTop() != FORM_TOP) {
    f.controls.PlaceWindow(FORM_LEFT, FORM_TOP, FORM_OUTER_WIDTH, FORM_OUTER_HEIGHT);
  }
}

void 初期設定(Form1& f) {
  // 1-5. The state: no game, empty hands, the starting position.
  初期設定_状態(f.s);
  f.標準.強制 = false;
  // The record starts afresh from the even start, with no names.
  f.由来 = 記録の由来{};
  初期設定_状態(f.由来.初形);

  // 6. Both hands, the board, the coordinates, no handicap caption, the title.
  描画_自持盤(f.g, f.s);
  描画_敵持盤(f.g, f.s);
  描画_盤(f.g, f.s);
  描画_桝_数値(f.g, f.s);
  消去_ハンデレベル(f);
  描画_絵(f.g, K_LOGO, 11, 0);
}

void 終了処理(Form1& f) {
  if (!f.音声_準備済) return;
  dsFree(f.handles.SND_SONOTA);
  dsFree(f.handles.SND_KINSI);
  dsFree(f.handles.SND_KOMAUTI);
  dsFree(f.handles.SND_SYUUKYOKU);
  dsFree(f.handles.SND_BGM);
  サウンド_終了(f.sound);
  f.音声_準備済 = false;
}

void プログラム終了(Form1& f) {
  終了処理(f);
  f.終了済 = true;
  f.controls.Quit();
}

bool Form_Unload(Form1& f) {
  if (f.終了済) return true;
  処理ガード guard(f);
  if (!guard) return false;
  プログラム終了(f);
  return true;
}

void Form_KeyDown(Form1& f, int key, int /*shift*/) {
  処理ガード guard(f);
  if (!guard) return;
  if (key == 27) プログラム終了(f);
}

}  // namespace kazeban
