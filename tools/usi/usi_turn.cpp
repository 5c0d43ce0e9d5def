#include "usi_turn.h"

#include "computer/search.h"
#include "interop/standard_filter.h"
#include "interop/standard_rules.h"
#include "rules/pieces.h"

namespace kazeban {

namespace {

棋譜の手 記録行(const COM指し手& m) {
  return {m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.NARI, m.KOMA, m.TORI};
}

}  // namespace

USI思考結果 USI_思考(const Position& p, int level, bool kazebanRules) {
  // 1. The computer moves for the top side: black's position is turned round.
  const bool 回す = p.toMove == Color::Black;
  const Position q = 回す ? 回した局面(p) : p;

  // 2. The state as the window leaves it before the computer's turn: the position's
  // board, hands, totals and king squares, the level, the computer to move.
  GameState s;
  初期設定_状態(s);
  局面を盤へ(q, s);
  s.COM_LEVEL = level;
  s.TAIKYOKU_SYU = TAI_COM;
  s.UE_SENGO = 回す ? SENTE : GOTE;
  s.SITA_SENGO = 回す ? GOTE : SENTE;
  s.TEBAN = s.UE_SENGO;

  // 3. The designed turn, with the standard rules' filter unless KAZEBAN's own apply.
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  const auto 見ない = [](const COM指し手&, int) {};
  const COM結果 res =
      kazebanRules ? COM_探索(s, m, r, 見ない) : COM_探索(s, m, r, 見ない, 標準ルールの選別{q});

  // 4. The answer, turned back when the position was turned.
  USI思考結果 out;
  out.候補数 = res.候補数;
  if (!res.指し手あり) return out;
  out.指し手あり = true;
  out.点 = res.点;
  out.手 = 回す ? 回した手(記録行(res.最善)) : 記録行(res.最善);
  return out;
}

std::string USI_局面の問題(const Position& p, bool kazebanRules) {
  // A set holds 18 pawns, 4 lances, knights, silvers and golds, 2 bishops and rooks.
  constexpr int 上限[8] = {0, 18, 4, 4, 4, 4, 2, 2};
  int 数[8] = {};
  int 王[2] = {};
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = p.state.BAN[i][j];
      数[駒種類(c)] += 1;
      if (c == K_UE_OU || c == K_SITA_OU) 王[c > 0] += 1;
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if (p.state.SITA_MOCHI[k] > 上限[k] || p.state.UE_MOCHI[k] > 上限[k]) {
      return "more pieces in hand than a set holds";
    }
    数[k] += p.state.SITA_MOCHI[k] + p.state.UE_MOCHI[k];
  }
  for (int k = 1; k <= 7; ++k) {
    if (数[k] > 上限[k]) return "more pieces of a kind than a set holds";
  }
  if (王[0] > 1 || 王[1] > 1) return "more than one king of a side";
  if (!kazebanRules && 王手されている(p.state, 相手(p.toMove))) {
    return "the side not to move is in check";
  }
  return {};
}

}  // namespace kazeban
