#include "record/journal_window.h"

#include "play/standard_game.h"
#include "rules/pieces.h"

namespace kazeban {
namespace {

// Text2 the game's name, Text3 the first player's, Text4 the second player's. Against
// an engine, an empty box names the person and the engine.
記録の名前 箱の名前(const Form1& f) {
  記録の名前 n{f.controls.PanelText(2), f.controls.PanelText(3), f.controls.PanelText(4)};
  if (f.s.TAIKYOKU_SYU == TAI_ENGINE) {
    const bool 人が先手 = f.s.SITA_SENGO == SENTE;
    std::string& person = 人が先手 ? n.先手 : n.後手;
    std::string& engine = 人が先手 ? n.後手 : n.先手;
    if (person.empty()) person = f.由来.下側の名;
    if (engine.empty()) engine = f.由来.上側の名;
  }
  return n;
}

// The first failure of a game, in a box; the game goes on.
void 知らせる(Form1& f, const 記録結果& r) {
  if (r.知らせる) {
    f.controls.MessageOK("棋譜保存", "対局を記録できません\n" + r.場所 + "\n" + r.理由 +
                                         "\n対局はこのまま続けられます");
  }
}

}  // namespace

void 窓の対局記録::名前を入力(Form1& f) {
  journal_.名前を入力(箱の名前(f), f.s);
}

void 窓の対局記録::書き終える(Form1& f) {
  知らせる(f, journal_.書き終える());
}

void 窓の対局記録::指した(Form1& f) {
  // Moves on a record set up afresh since the last one belong to a game of their own.
  if (f.記録の世代 != 世代_) {
    journal_.新しい記録();
    世代_ = f.記録の世代;
  }
  journal_.標準ルールにする(標準ルールか(f));
  知らせる(f, journal_.指した(f.s, 箱の名前(f)));
}

void 窓の対局記録::終局した(Form1& f, const 標準の終局& e) {
  const GameState& s = f.s;
  if (s.KIFU_SUU < 1) return;
  // The side to move after the last move is the one that did not make it.
  const Color to_move = SITAの駒(s.KIFU_NARI[s.KIFU_SUU]) ? Color::White : Color::Black;
  const 記録結果 r = journal_.終局した(s, 箱の名前(f), e.理由, e.勝者 == to_move);
  if (r.知らせる) {
    f.controls.MessageOK("棋譜保存", "対局の結果を記録できません\n" + r.場所 + "\n" + r.理由);
  }
}

}  // namespace kazeban
