#include "play/engine_turn.h"

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "display/translatable.h"
#include "interop/position.h"
#include "interop/standard_rules.h"
#include "play/computer_turn.h"
#include "play/game_end.h"
#include "play/standard_game.h"
#include "play/start_up.h"
#include "play/window_move.h"
#include "rules/move.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

namespace {

// The panel of the top side's moves, as the computer's turn uses it.
constexpr double パネル幅 = 1250;
constexpr double パネル高 = 400;

void パネルを消す(Form1& f) {
  描画_四角形(f.g, UE_KEKKA_X, UE_KEKKA_Y, パネル幅, パネル高, f.s.BAN_IRO);
}

std::string 相手の名(const Form1& f) {
  return f.エンジン名.empty() ? std::string(KZ_TR("Message", "ｴﾝｼﾞﾝ")) : f.エンジン名;
}

// Tells the window, then ends the game through the standard end with both names.
COM手番結果 終局(Form1& f, const 標準の終局& e) {
  std::optional<Color> winner = e.勝者;
  if (e.理由 == 標準終局理由::千日手) winner.reset();
  if (f.エンジン != nullptr) f.エンジン->終わった(f, winner);
  return 標準_終局(f, e, "あなた", 相手の名(f)) ? COM手番結果::終局 : COM手番結果::プログラム終了;
}

}  // namespace

bool エンジン対局中(const Form1& f) {
  return f.s.TAIKYOKU_SYU == TAI_ENGINE && f.s.KIFU_MODE == OFF;
}

void エンジン対局_開始(Form1& f, bool 人が先手, const std::string& engine_name) {
  GameState& s = f.s;
  // 1. A board that has seen moves, or a record read, starts afresh.
  if (s.KIFU_SUU > 0 || s.KIFU_SAIGO > 0 || s.KIFU_MODE == ON) 初期設定(f);

  // 2. Nothing selected; the person at the bottom, the engine at the top.
  f.エンジン名 = engine_name;
  f.由来.上側の名 = 相手の名(f);
  f.由来.下側の名 = "あなた";
  s.SENTAKU_JOUTAI = 0;
  s.SITA_SENGO = 人が先手 ? SENTE : GOTE;
  s.UE_SENGO = 人が先手 ? GOTE : SENTE;
  s.TEBAN = SENTE;
  s.TAIKYOKU_SYU = TAI_ENGINE;
  s.KIFU_MODE = OFF;
  f.標準.強制 = true;
  パネルを消す(f);

  // 3. Who begins.
  if (人が先手) {
    f.controls.MessageOK(" ", KZ_TR("Message", "あなたの番です"));
    return;
  }
  思考中_描画(f);
  f.g.surface.Refresh();
  if (f.エンジン != nullptr) f.エンジン->考えて(f);
}

void エンジン対局_人が指した(Form1& f) {
  GameState& s = f.s;
  // 1. Mate or repetition ends the game.
  if (const std::optional<標準の終局> e = 標準_終局判定(s)) {
    (void)終局(f, *e);
    return;
  }
  // 2. The engine's turn: "思考中" until its answer comes.
  s.TEBAN = s.UE_SENGO;
  パネルを消す(f);
  思考中_描画(f);
  f.g.surface.Refresh();
  if (f.エンジン != nullptr) f.エンジン->考えて(f);
}

COM手番結果 エンジンの手(Form1& f, const 棋譜の手& m) {
  GameState& s = f.s;
  パネルを消す(f);

  // 0. A full record takes no further move, as for the computer.
  if (棋譜満杯(s)) {
    拒否(f, KZ_TR("Message", "棋譜"), KZ_TR("Message", "棋譜がいっぱいです(500手まで)"));
    s.TEBAN = s.SITA_SENGO;
    return COM手番結果::棋譜満杯;
  }

  // 1. Recorded and numbered, made with its redraws, outlined, sounded and kept.
  手順保存(s, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.KOMA, m.NARI);
  s.TESUU += 1;
  描画_手数(f.g, s, s.TESUU);
  (void)駒移動(f, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.NARI);
  描画_桝輪郭(f.g, IRO_15, m.SAKI_I, m.SAKI_J);
  dsPlay(f.handles.SND_KOMAUTI);
  描画_移動結果(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, m.SAKI_I, m.SAKI_J, m.NARI, IRO_15);
  指し手を記録(f);

  // 2. Mate or repetition ends the game; a check alone goes on.
  if (const std::optional<標準の終局> e = 標準_終局判定(s)) return 終局(f, *e);
  s.TEBAN = s.SITA_SENGO;
  return COM手番結果::指した;
}

void エンジン対局_終局(Form1& f, bool engine_won) {
  パネルを消す(f);
  if (!engine_won) {
    (void)終局(f, {標準終局理由::投了, Color::Black});
    return;
  }
  // A win claimed by entering kings: the designed box names the engine.
  if (f.エンジン != nullptr) f.エンジン->終わった(f, Color::White);
  (void)終了(f, 相手の名(f));
}

void エンジン対局_人の投了(Form1& f) {
  パネルを消す(f);
  (void)終局(f, {標準終局理由::投了, Color::White});
}

void エンジンの答えを捨てる(Form1& f) {
  if (f.s.TEBAN == NASHI) パネルを消す(f);
}

void エンジン故障(Form1& f, const std::string& reason) {
  パネルを消す(f);
  f.s.TEBAN = NASHI;
  f.s.SENTAKU_JOUTAI = 0;
  f.controls.MessageOK(KZ_TR("Message", "ｴﾝｼﾞﾝ"), reason + "\nここまでの対局は記録されています");
}

}  // namespace kazeban
