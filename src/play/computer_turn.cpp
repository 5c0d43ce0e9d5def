#include "play/computer_turn.h"

#include "computer/search.h"
#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "interop/standard_filter.h"
#include "play/game_end.h"
#include "play/standard_game.h"
#include "play/window_move.h"
#include "rules/move.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

namespace {

// The panel where the computer's moves are shown, in twips from its grid point.
constexpr double パネル幅 = 1250;
constexpr double パネル高 = 400;

// Announces the winner; says whether the program goes on.
COM手番結果 勝敗(Form1& f, std::string_view name) {
  return 終了(f, name) ? COM手番結果::終局 : COM手番結果::プログラム終了;
}

// Ends a game under standard rules; says whether the program goes on.
COM手番結果 標準の勝敗(Form1& f, const 標準の終局& e) {
  return 標準_終局(f, e) ? COM手番結果::終局 : COM手番結果::プログラム終了;
}

}  // namespace

COM手番結果 com_ban(Form1& f) {
  GameState& s = f.s;

  // 0. A full record takes no further move: the computer plays nothing, says so as
  // the person's refused move does, and the turn stays with the person.
  if (棋譜満杯(s)) {
    拒否(f, "棋譜", "棋譜がいっぱいです(500手まで)");
    s.TEBAN = s.SITA_SENGO;
    return COM手番結果::棋譜満杯;
  }

  // 1. "思考中" in the panel of the computer's moves.
  描画_四角形(f.g, UE_KEKKA_X, UE_KEKKA_Y, パネル幅, パネル高, s.BAN_IRO);
  描画_数値(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, "思考中", s.KEKKA_IRO, 0, 12);

  // 2-5. The best score reset, the position before the move and its survey set aside.
  COM_準備(s, f.勢力, f.COM);

  // 6. Shown now: the search below draws nothing until it is over.
  f.g.surface.Refresh();

  // 7-8. Every board move, then every drop; under standard rules only those standard
  // shogi allows, as the USI engine searches.
  const bool 標準 = 標準ルールか(f);
  const Position before = 局面(s, Color::White);
  const auto 見ない = [](const COM指し手&, int) {};
  const COM結果 res = 標準 ? COM_探索(s, f.勢力, f.COM, 見ない, 標準ルールの選別{before})
                           : COM_探索(s, f.勢力, f.COM);

  // Nothing legal to play: the person wins. The panel no longer says "思考中".
  if (!res.指し手あり) {
    描画_四角形(f.g, UE_KEKKA_X, UE_KEKKA_Y, パネル幅, パネル高, s.BAN_IRO);
    if (標準) return 標準の勝敗(f, {標準終局理由::詰み, Color::Black});
    return 勝敗(f, "あなた");
  }

  // 9. Record the move and show its number, make it with its redraws (a drop comes
  // from column -1 with the kind as its row), outline its destination, and survey
  // the new position.
  const COM指し手& m = res.最善;
  手順保存(s, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.KOMA, m.NARI);
  s.TESUU += 1;
  描画_手数(f.g, s, s.TESUU);
  const int taken = 駒移動(f, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.NARI);
  描画_桝輪郭(f.g, IRO_15, m.SAKI_I, m.SAKI_J);
  const bool 王手 = COM_王手か(s, f.勢力);

  // 10. The piece sound.
  dsPlay(f.handles.SND_KOMAUTI);

  指し手を記録(f);

  // Under standard rules a check does not end the game: the move is captioned, and
  // the game ends only by mate or repetition.
  if (標準) {
    描画_移動結果(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, m.SAKI_I, m.SAKI_J, m.NARI, IRO_15);
    if (const std::optional<標準の終局> e = 標準_終局判定(s)) return 標準の勝敗(f, *e);
    s.TEBAN = s.SITA_SENGO;
    return COM手番結果::指した;
  }

  // 11. The computer bears on the person's king, or has taken it (possible when the
  // person left it attacked): the computer wins, and its move is not captioned.
  if (王手 || taken == K_SITA_OU) return 勝敗(f, "ｺﾝﾋﾟｭｰﾀ");

  // Otherwise the move is captioned and the person is to move.
  描画_移動結果(f.g, s, UE_KEKKA_X, UE_KEKKA_Y, m.SAKI_I, m.SAKI_J, m.NARI, IRO_15);
  s.TEBAN = s.SITA_SENGO;
  return COM手番結果::指した;
}

}  // namespace kazeban
