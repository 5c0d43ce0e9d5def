#include "record/navigation.h"

#include "display/translatable.h"

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "play/handicap_caption.h"
#include "play/start_up.h"
#include "sound/kazeban_sound.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

bool 盤上の列(int i) {
  return i >= 1 && i <= BAN_SUU;
}

}  // namespace

void STOP_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  パネル_隠す(f);
}

void AFTER_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;

  // 1. The record-file panel hides.
  パネル_隠す(f);

  // 2. Nothing left to play again.
  if (s.KIFU_SUU >= s.KIFU_SAIGO) {
    if (s.KIFU_MODE == ON) {
      f.controls.MessageOK(KZ_TR("Message", "進む"), KZ_TR("Message", "終わり"));
    } else {
      拒否(f, KZ_TR("Message", "進む"), KZ_TR("Message", "できません"));
    }
    return;
  }

  // 3. No piece selected, no marks on the board.
  s.SENTAKU_JOUTAI = 0;
  描画_将棋盤桝(f.g, s);

  // 4-7. The next entry on the board and in the hands, and its number.
  棋譜_進める(s);
  const int n = s.KIFU_SUU;
  描画_手数(f.g, s, s.TESUU);

  // 8. The square the piece left (a drop's hand square is redrawn with the hands), and
  // the piece on its destination with the plain outline.
  if (盤上の列(s.KIFU_MOTO_I[n])) 描画_桝(f.g, s, s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n]);
  描画_絵(f.g, s.KIFU_NARI[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n]);
  描画_桝輪郭(f.g, s.BAN_IRO, s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n]);

  // 9. Both hands, and the sound of a piece.
  描画_自持盤(f.g, s);
  描画_敵持盤(f.g, s);
  dsPlay(f.handles.SND_KOMAUTI);

  // 10. The caption of the move beside its side.
  if (s.KIFU_NARI[n] > 0) {
    描画_移動結果(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
                  s.KIFU_NARI[n], s.KEKKA_IRO);
  } else {
    描画_移動結果(f.g, s, SITA_KEKKA_X, SITA_KEKKA_Y, s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
                  s.KIFU_NARI[n], s.KEKKA_IRO);
  }

  // 11. Stepping ends any game in progress. The number again: the caption's erased box
  // reaches into its top.
  s.TEBAN = NASHI;
  描画_手数(f.g, s, s.TESUU);
}

void REPLAY_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;

  // 1. The record-file panel hides.
  パネル_隠す(f);

  // 2. Nothing to take back (in record mode too).
  if (s.KIFU_SUU < 1) {
    拒否(f, KZ_TR("Message", "戻る"), KZ_TR("Message", "できません"));
    return;
  }

  // 3. No piece selected, no marks on the board.
  s.SENTAKU_JOUTAI = 0;
  描画_将棋盤桝(f.g, s);
  const int n = s.KIFU_SUU;

  // 4-6. The piece back where it came from, as it was before the move, the captured
  // piece back on the destination and out of the capturer's hand; one move fewer.
  棋譜_戻す(s);

  // 4. A board move's piece on its square again (a drop returns to the hand drawn next).
  if (盤上の列(s.KIFU_MOTO_I[n])) {
    描画_絵(f.g, s.KIFU_KOMA[n], s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n]);
    描画_桝輪郭(f.g, s.BAN_IRO, s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n]);
  }

  // 7. Both hands, then the destination: empty, or the captured piece again.
  描画_自持盤(f.g, s);
  描画_敵持盤(f.g, s);
  描画_桝(f.g, s, s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n]);
  if (s.KIFU_TORI[n] != KARA) {
    描画_絵(f.g, s.KIFU_TORI[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n]);
    描画_桝輪郭(f.g, s.BAN_IRO, s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n]);
  }

  // 8. The sound of a piece.
  dsPlay(f.handles.SND_KOMAUTI);

  // 9. The caption of the move taken back goes.
  if (s.KIFU_KOMA[n] > 0) {
    描画_四角形(f.g, UE_KEKKA_X, UE_KEKKA_Y, 1250, 400, s.BAN_IRO);
  } else {
    描画_四角形(f.g, SITA_KEKKA_X, SITA_KEKKA_Y, 1250, 400, s.BAN_IRO);
  }

  // 10. Stepping ends any game in progress; the number of the move now on the board.
  s.TEBAN = NASHI;
  描画_手数(f.g, s, s.TESUU);
}

void CANCEL_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;

  // 1. Start-up again: the starting position drawn afresh, every flag cleared; the
  // sound library and its sounds stay open.
  Form_Load(f);

  // 2. The sound of a piece. 3. No game, no winner.
  dsPlay(f.handles.SND_KOMAUTI);
  f.s.TEBAN = NASHI;
  f.s.SYOUSYA = NASHI;
}

void REVERSE_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;

  // 1. Not while a record file is loaded.
  if (s.KIFU_MODE == ON) {
    拒否(f, KZ_TR("Message", "反転"), KZ_TR("Message", "棋譜ﾓｰﾄﾞではできません"));
    return;
  }

  // 2. The pieces a handicap took away now belong to the other side.
  if (s.HANDE_FLAG == ON) {
    s.HANDE = -s.HANDE;
    描画_ハンデレベル(f, s.HANDE);
  }

  // 3. From now on the record cannot be written; nothing is selected.
  s.HANTEN_FLAG = ON;
  s.SENTAKU_JOUTAI = 0;

  // 4. Every square to its opposite, every piece to the other side.
  int before[10][10];
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) before[i][j] = s.BAN[i][j];
  }
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) s.BAN[10 - i][10 - j] = -before[i][j];
  }
  const int sita_ou_i = s.SITA_OU_I, sita_ou_j = s.SITA_OU_J;
  s.SITA_OU_I = 10 - s.UE_OU_I;
  s.SITA_OU_J = 10 - s.UE_OU_J;
  s.UE_OU_I = 10 - sita_ou_i;
  s.UE_OU_J = 10 - sita_ou_j;

  // 5. The hands change places, and their totals with them, so that each total still
  // counts its own hand.
  for (int k = 1; k <= 7; ++k) {
    const int t = s.SITA_MOCHI[k];
    s.SITA_MOCHI[k] = s.UE_MOCHI[k];
    s.UE_MOCHI[k] = t;
  }
  const int total = s.SITA_MOCHI_SU;
  s.SITA_MOCHI_SU = s.UE_MOCHI_SU;
  s.UE_MOCHI_SU = total;

  // 6. The strip above the top right of the board and the move number; then the board
  // and both hands, so that the screen shows the position as it now stands.
  描画_四角形(f.g, 9.8, -0.4, 2200, 250, s.BAN_IRO);
  描画_手数(f.g, s, s.TESUU);
  描画_盤(f.g, s);
  描画_自持盤(f.g, s);
  描画_敵持盤(f.g, s);
  dsPlay(f.handles.SND_KOMAUTI);

  // 7. The record is dropped and any game ends.
  s.KIFU_SUU = 0;
  s.KIFU_SAIGO = 0;
  s.TEBAN = NASHI;
}

}  // namespace kazeban
