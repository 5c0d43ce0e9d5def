#include "play/mouse_input.h"

#include "display/translatable.h"

#include <algorithm>
#include <cmath>

#include "computer/survey.h"
#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "play/computer_turn.h"
#include "play/engine_turn.h"
#include "play/game_end.h"
#include "play/standard_game.h"
#include "play/start_up.h"
#include "play/window_move.h"
#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

namespace {

// True when `code` belongs to the side whose turn it is.
bool 手番の駒(const GameState& s, int code) {
  if (s.TEBAN == s.SITA_SENGO) return SITAの駒(code);
  if (s.TEBAN == s.UE_SENGO) return UEの駒(code);
  return false;
}

// True when `code` belongs to the side whose turn it is not.
bool 相手の駒(const GameState& s, int code) {
  if (s.TEBAN == s.SITA_SENGO) return UEの駒(code);
  if (s.TEBAN == s.UE_SENGO) return SITAの駒(code);
  return false;
}

// The column or row of a click, rounded toward minus infinity; far-off and
// meaningless positions land well outside the board and both hands.
int 升目(double twips, int origin, int size) {
  const double v = std::floor((twips - origin) / size);
  if (!(v > -100.0)) return -100;
  return static_cast<int>(std::min(v, 100.0));
}

// True when the chosen square still holds the chosen piece: a board square with that
// code, or a hand square with a piece of that kind in the hand.
bool 選択が有効(const Form1& f) {
  const GameState& s = f.s;
  const 選択& sel = f.SENTAKU;
  if (sel.MOTO_I >= 1 && sel.MOTO_I <= BAN_SUU && sel.MOTO_J >= 1 && sel.MOTO_J <= BAN_SUU) {
    return s.BAN[sel.MOTO_I][sel.MOTO_J] == sel.KOMA;
  }
  if (sel.MOTO_I == 11 && sel.MOTO_J >= 3 && sel.MOTO_J <= 9) {
    const int k = sel.MOTO_J - 2;
    return s.SITA_MOCHI[k] > 0 && sel.KOMA == 持駒_SITAコード(k);
  }
  if (sel.MOTO_I == -1 && sel.MOTO_J >= 1 && sel.MOTO_J <= 7) {
    const int k = 8 - sel.MOTO_J;
    return s.UE_MOCHI[k] > 0 && sel.KOMA == 持駒_UEコード(k);
  }
  return false;
}

// Move guidance for the piece `code` on (fromX, fromY) (a hand square for a drop): the
// marks of every square the move test allows, and under standard rules only those
// standard shogi allows too, judged for the side that owns the piece.
void 描画_指せる桝(Form1& f, int fromX, int fromY, int colour, int code) {
  GameState& s = f.s;
  if (!標準ルールか(f)) {
    描画_移動可能桝色(f.g, s, fromX, fromY, colour, code);
    return;
  }
  // As without them: every outline plain again, then the marks while guidance is on.
  // A piece that must promote is judged unpromoted: only 行き所のない駒 depends on the
  // promotion, and the second click promotes it.
  描画_将棋盤桝(f.g, s);
  if (s.SIDOU_FLAG == OFF) return;
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (移動チェック(s, fromX, fromY, x, y, code) != ON) continue;
      const 標準判定結果 r = 標準_指し手判定(s, {fromX, fromY, x, y, code, code, s.BAN[x][y]});
      if (r == 標準判定結果::合法 || r == 標準判定結果::行き所のない駒) {
        描画_桝輪郭(f.g, colour, x, y);
      }
    }
  }
}

// A. No game in progress: a loaded record asks to be stepped through, an untouched
// board asks for a game to be started, and a stopped game resumes.
void 対局外(Form1& f) {
  GameState& s = f.s;

  // 1. A record file is loaded: "No" starts afresh.
  if (s.KIFU_MODE == ON) {
    if (!f.controls.MessageYesNo(KZ_TR("Message", "棋譜"),
                                 KZ_TR("Message", "棋譜を '進 'で進めて下さい"))) {
      Form_Load(f);
      dsPlay(f.handles.SND_KOMAUTI);
    }
    return;
  }

  // 2. Nothing played yet.
  if (s.KIFU_SUU == 0) {
    拒否(f, KZ_TR("Message", "開始"), KZ_TR("Message", "「対局」で始めて下さい"));
    return;
  }

  // 3. A game stopped at move KIFU_SUU resumes with the side of the next recorded
  // move; when no move follows, with the side that did not make the last one.
  f.controls.MessageOK(KZ_TR("Message", "再開"), KZ_TR("Message", "OKですか？"));
  const bool 上の番 = s.KIFU_SUU < s.KIFU_SAIGO ? UEの駒(s.KIFU_NARI[s.KIFU_SUU + 1])
                                                : SITAの駒(s.KIFU_NARI[s.KIFU_SUU]);
  if (上の番 && s.TAIKYOKU_SYU == TAI_ENGINE) {
    // The engine is asked again; it answers later.
    s.TEBAN = s.SITA_SENGO;
    エンジン対局_人が指した(f);
  } else if (上の番 && s.TAIKYOKU_SYU == TAI_COM) {
    // The computer makes its move; the person then moves, unless the game ended.
    if (対局続行(com_ban(f))) s.TEBAN = s.SITA_SENGO;
  } else if (上の番) {
    s.TEBAN = s.UE_SENGO;
  } else {
    s.TEBAN = s.SITA_SENGO;
  }
}

// C1. Nothing selected: a piece of the side to move is picked up; an opponent's piece
// only shows where it could go.
void 最初のクリック(Form1& f, int c, int r) {
  GameState& s = f.s;
  選択& sel = f.SENTAKU;

  // 1. An empty square does nothing.
  if (s.BAN[c][r] == KARA) return;

  // 2-3. The square and its piece, and where that piece may go.
  sel.MOTO_I = c;
  sel.MOTO_J = r;
  sel.KOMA = s.BAN[c][r];
  描画_指せる桝(f, c, r, s.SIDOU_IRO, sel.KOMA);

  // 4. Selected in light red, or an inspected opponent's piece in the guidance colour.
  if (手番の駒(s, sel.KOMA)) {
    s.SENTAKU_JOUTAI = 1;
    描画_桝輪郭(f.g, IRO_12, c, r);
  } else {
    描画_桝輪郭(f.g, s.SIDOU_IRO, c, r);
  }
}

// C2. A piece is selected and a board square named: another own piece moves the
// selection; otherwise the move is tested, recorded, made and drawn, and the turn
// passes or the game ends.
void 二度目のクリック(Form1& f, int button, int c, int r) {
  GameState& s = f.s;
  選択& sel = f.SENTAKU;
  sel.SAKI_I = c;
  sel.SAKI_J = r;

  // 1. Another piece of the side to move: the selection moves to it.
  if (手番の駒(s, s.BAN[c][r])) {
    描画_桝輪郭(f.g, s.MASU_IRO, sel.MOTO_I, sel.MOTO_J);
    sel.MOTO_I = c;
    sel.MOTO_J = r;
    sel.KOMA = s.BAN[c][r];
    描画_指せる桝(f, c, r, s.SIDOU_IRO, sel.KOMA);
    描画_桝輪郭(f.g, IRO_12, c, r);
    return;
  }

  // 2. An opponent's piece the selected one cannot take: the selection is dropped and
  // the opponent's piece is inspected instead.
  if (相手の駒(s, s.BAN[c][r]) && 移動チェック(s, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA) == OFF) {
    描画_桝輪郭(f.g, s.MASU_IRO, sel.MOTO_I, sel.MOTO_J);
    描画_指せる桝(f, c, r, s.SIDOU_IRO, s.BAN[c][r]);
    描画_桝輪郭(f.g, s.SIDOU_IRO, c, r);
    dsPlay(f.handles.SND_KINSI);
    s.SENTAKU_JOUTAI = 0;
    return;
  }

  // 3. An illegal move, or a piece of the side not to move (an opponent's hand square
  // can be selected): refused, the selection stays.
  調査_2歩フラグ設定(s);
  if (移動チェック(s, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA) == OFF || !手番の駒(s, sel.KOMA)) {
    dsPlay(f.handles.SND_KINSI);
    return;
  }

  // 4. A pawn, lance or knight that could never move again must promote, which takes
  // the right button.
  if (移動後チェック(r, sel.KOMA) == OFF && button == BUTTON_LEFT) {
    拒否(f, KZ_TR("Message", "成り"), KZ_TR("Message", "マウスの右をクリックして下さい"));
    return;
  }

  // Under standard rules, a move standard shogi forbids is refused with a box naming
  // the rule; the selection stays.
  if (標準ルールか(f)) {
    棋譜の手 m{sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA, sel.KOMA, s.BAN[c][r]};
    if (調査_駒成(s, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA) == ON && button == BUTTON_RIGHT) {
      m.NARI = s.NARI_KOMA;
    }
    if (標準_反則なら拒否(f, m)) return;
  }

  // The record is full after KIFU_MAX moves: refused like an illegal move, with a word
  // why; nothing changes.
  if (棋譜満杯(s)) {
    拒否(f, KZ_TR("Message", "棋譜"), KZ_TR("Message", "棋譜がいっぱいです(500手まで)"));
    return;
  }

  // 5-6. Record the move (the promotion is settled below) and show its number.
  手順保存(s, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA, s.BAN[c][r]);
  s.TESUU += 1;
  描画_手数(f.g, s, s.TESUU);

  // 7-8. The right button promotes where promotion is possible; the record gets the
  // final code.
  if (調査_駒成(s, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA) == ON && button == BUTTON_RIGHT) {
    sel.KOMA = s.NARI_KOMA;
  }
  s.KIFU_NARI[s.KIFU_SUU] = sel.KOMA;

  // 9. Nothing selected any more; the marks go.
  s.SENTAKU_JOUTAI = 0;
  描画_桝輪郭(f.g, s.MASU_IRO, sel.MOTO_I, sel.MOTO_J);
  描画_桝輪郭(f.g, s.MASU_IRO, c, r);
  描画_移動可能桝色(f.g, s, sel.MOTO_I, sel.MOTO_J, s.MASU_IRO, sel.KOMA);

  // 10. UE's hand row becomes the kind, as the move expects.
  if (sel.MOTO_I == -1) sel.MOTO_J = 8 - sel.MOTO_J;

  // 11. The move on the board and the screen, and its sound.
  const int taken = 駒移動(f, sel.MOTO_I, sel.MOTO_J, c, r, sel.KOMA);
  dsPlay(f.handles.SND_KOMAUTI);

  // 12. The caption of the move, beside the mover's side.
  if (sel.KOMA >= K_UE_HU) {
    描画_移動結果(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, c, r, sel.KOMA, s.KEKKA_IRO);
  } else {
    描画_移動結果(f.g, s, SITA_KEKKA_X, SITA_KEKKA_Y, c, r, sel.KOMA, s.KEKKA_IRO);
  }

  指し手を記録(f);

  // Under standard rules the game ends only by mate or repetition; otherwise the
  // computer replies or the other person is to move.
  if (標準ルールか(f)) {
    // Against an engine the end is judged there, and the engine answers later.
    if (s.TAIKYOKU_SYU == TAI_ENGINE) {
      エンジン対局_人が指した(f);
      return;
    }
    if (!標準_手の後(f)) return;
    if (s.TAIKYOKU_SYU == TAI_COM) {
      (void)com_ban(f);
    } else {
      s.TEBAN = s.TEBAN == SENTE ? GOTE : SENTE;
    }
    return;
  }

  // 13. The moved piece attacking the opponent's king wins; so does taking the king
  // (possible only when an attack by another piece was left standing).
  const bool 王を取った = taken == K_UE_OU || taken == K_SITA_OU;
  if (s.TAIKYOKU_SYU == TAI_COM) {
    if (王を取った || 移動チェック(s, c, r, s.UE_OU_I, s.UE_OU_J, sel.KOMA) == ON) {
      (void)終了(f, KZ_TR("Message", "あなた"));
      return;
    }
    // The computer replies; the game may end in its turn, and nothing follows here.
    (void)com_ban(f);
    return;
  }
  if (s.TEBAN == SENTE) {
    if (王を取った || 移動チェック(s, c, r, s.UE_OU_I, s.UE_OU_J, sel.KOMA) == ON) {
      (void)終了(f, KZ_TR("Message", "先手"));
      return;
    }
    s.TEBAN = GOTE;
  } else {
    if (王を取った || 移動チェック(s, c, r, s.SITA_OU_I, s.SITA_OU_J, sel.KOMA) == ON) {
      (void)終了(f, KZ_TR("Message", "後手"));
      return;
    }
    s.TEBAN = SENTE;
  }
}

// D. Outside the board: the highlight goes; a hand square with pieces is selected.
void 盤外のクリック(Form1& f, int c, int r) {
  GameState& s = f.s;
  選択& sel = f.SENTAKU;

  // 1. Clear the previous selection's marks; the selection itself stays in force.
  描画_移動可能桝色(f.g, s, sel.MOTO_I, sel.MOTO_J, s.MASU_IRO, sel.KOMA);
  描画_桝輪郭(f.g, s.MASU_IRO, sel.MOTO_I, sel.MOTO_J);

  // 2. SITA's hand, kind r − 2 on row r.
  if (c == 11 && r >= 3 && r <= 9) {
    const int k = r - 2;
    if (s.SITA_MOCHI[k] <= 0) return;
    sel.MOTO_I = 11;
    sel.MOTO_J = r;
    sel.KOMA = 持駒_SITAコード(k);
    調査_2歩フラグ設定(s);
    s.SENTAKU_JOUTAI = 1;
    if (s.TEBAN == s.SITA_SENGO) {
      描画_桝輪郭(f.g, IRO_12, 11, r);
    } else if (s.TEBAN == s.UE_SENGO) {
      描画_桝輪郭(f.g, s.SIDOU_IRO, 11, r);
    }
    描画_指せる桝(f, 11, r, s.SIDOU_IRO, sel.KOMA);
    return;
  }

  // 3. UE's hand, kind 8 − r on row r. The double-pawn flags are refreshed here too,
  // so that the marks of a pawn drop are right.
  if (c == -1 && r >= 1 && r <= 7) {
    const int k = 8 - r;
    if (s.UE_MOCHI[k] <= 0) return;
    s.SENTAKU_JOUTAI = 1;
    sel.MOTO_I = -1;
    sel.MOTO_J = r;
    sel.KOMA = 持駒_UEコード(k);
    調査_2歩フラグ設定(s);
    if (s.TEBAN == s.UE_SENGO) {
      描画_桝輪郭(f.g, IRO_12, -1, r);
    } else if (s.TEBAN == s.SITA_SENGO) {
      描画_桝輪郭(f.g, s.SIDOU_IRO, -1, r);
    }
    描画_指せる桝(f, -1, r, s.SIDOU_IRO, sel.KOMA);
  }

  // 4. Anywhere else: nothing more.
}

}  // namespace

void Form_MouseDown(Form1& f, int button, int /*shift*/, double x, double y) {
  処理ガード guard(f);
  if (!guard) return;
  if (button != BUTTON_RIGHT) button = BUTTON_LEFT;

  // Every click first hides the record-file panel.
  パネル_隠す(f);

  // A. No game in progress.
  if (f.s.TEBAN == NASHI) {
    対局外(f);
    return;
  }

  // While the engine thinks, the board is not the person's.
  if (f.s.TAIKYOKU_SYU == TAI_ENGINE && f.s.TEBAN == f.s.UE_SENGO) return;

  // B1. The influence survey, which also finds where the kings stand now.
  勢力調査(f.s, f.勢力);

  // B2-3. The square under the pointer.
  const int c = 升目(x, BAN_X0, MASU_W);
  const int r = 升目(y, BAN_Y0, MASU_H);
  if (c >= 1 && c <= BAN_SUU && r >= 1 && r <= BAN_SUU) {
    // A selection whose square no longer holds its piece is dropped with its outline,
    // and the click picks a piece afresh: only a piece on the board or in the hand
    // can be moved.
    if (f.s.SENTAKU_JOUTAI == 1 && !選択が有効(f)) {
      描画_桝輪郭(f.g, f.s.MASU_IRO, f.SENTAKU.MOTO_I, f.SENTAKU.MOTO_J);
      f.s.SENTAKU_JOUTAI = 0;
    }
    if (f.s.SENTAKU_JOUTAI == 0) {
      最初のクリック(f, c, r);
    } else {
      二度目のクリック(f, button, c, r);
    }
  } else {
    盤外のクリック(f, c, r);
  }
}

}  // namespace kazeban
