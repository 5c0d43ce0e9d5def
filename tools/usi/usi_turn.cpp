#include "usi_turn.h"

#include <algorithm>
#include <cstring>

#include "computer/search.h"
#include "interop/standard_filter.h"
#include "interop/standard_rules.h"
#include "rules/pieces.h"

namespace kazeban {

namespace {

棋譜の手 記録行(const COM指し手& m) {
  return {m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.NARI, m.KOMA, m.TORI};
}

USI局面記録 記録(const Position& p) {
  USI局面記録 k;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      k.盤[(i - 1) * 9 + j - 1] = static_cast<int16_t>(p.state.BAN[i][j]);
    }
  }
  for (int n = 1; n <= 7; ++n) {
    k.持駒[0][n] = static_cast<uint8_t>(p.state.SITA_MOCHI[n]);
    k.持駒[1][n] = static_cast<uint8_t>(p.state.UE_MOCHI[n]);
  }
  k.先手番 = p.toMove == Color::Black;
  return k;
}

bool 同じ局面(const USI局面記録& a, const USI局面記録& b) {
  return a.先手番 == b.先手番 && std::memcmp(a.盤, b.盤, sizeof a.盤) == 0 &&
         std::memcmp(a.持駒, b.持駒, sizeof a.持駒) == 0;
}

// The position after move m, as 指す plays it.
USI局面記録 指した後(USI局面記録 k, const 棋譜の手& m) {
  const int mover = k.先手番 ? 0 : 1;
  int16_t& to = k.盤[(m.SAKI_I - 1) * 9 + m.SAKI_J - 1];
  if (to != KARA && 駒種類(to) != 0) k.持駒[mover][駒種類(to)] += 1;
  if (m.MOTO_I == 11) {
    k.持駒[0][m.MOTO_J - 2] -= 1;
  } else if (m.MOTO_I == -1) {
    k.持駒[1][m.MOTO_J] -= 1;
  } else {
    k.盤[(m.MOTO_I - 1) * 9 + m.MOTO_J - 1] = KARA;
  }
  to = static_cast<int16_t>(m.NARI);
  k.先手番 = !k.先手番;
  return k;
}

// What the side to move must avoid under the standard rules so that its continuous
// check never makes a position stand a fourth time, whoever's move would make it.
struct 千日手の禁止 {
  // Positions its move must not reach: each has stood three times, the other side to
  // move and in check, and every move of the side to move since it last stood gave
  // check.
  std::vector<USI局面記録> 局面;
  // Positions the other side's reply must not be able to reach after a check: each has
  // stood three times, this side to move, and every move of this side since it last
  // stood gave check.
  std::vector<USI局面記録> 返し;

  bool 空か() const { return 局面.empty() && 返し.empty(); }
};

千日手の禁止 連続王手の千日手(std::span<const USI局面記録> 経過) {
  千日手の禁止 out;
  if (経過.size() < 2) return out;
  const size_t n = 経過.size() - 1;
  const bool 自分 = 経過[n].先手番;

  // Whether the side to move of a recorded position stands in check, on a board filled
  // from the record; asked only while the checks go on, from the latest back.
  GameState g;
  const auto 王手か = [&g](const USI局面記録& k) {
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) g.BAN[i][j] = k.盤[(i - 1) * 9 + j - 1];
    }
    return 王手されている(g, k.先手番 ? Color::Black : Color::White);
  };
  // Whether position k has stood three times, none of them after k.
  const auto 三度目 = [&](size_t k) {
    int times = 0;
    for (size_t j = 0; j <= n; ++j) {
      if (!同じ局面(経過[j], 経過[k])) continue;
      if (j > k) return false;
      times += 1;
    }
    return times >= 3;
  };

  bool checked = false;  // the position after this side's move had the other in check
  for (size_t k = n; k-- > 0;) {
    if (経過[k].先手番 == 自分) {
      if (!checked) break;  // this move did not check: the run ends here
      if (三度目(k)) out.返し.push_back(経過[k]);
      continue;
    }
    checked = 王手か(経過[k]);
    if (checked && 三度目(k)) out.局面.push_back(経過[k]);
  }
  return out;
}

// The score to report for a move that checks without mating: the evaluation of the
// chosen move replayed on the search's board, without the check's term. The search
// left the board as it found it and its records as they were before the first
// candidate, so the terms read the same position the search scored.
int 王手を除く点(GameState& s, 勢力図& m, COM記録& r, const COM指し手& c) {
  const bool drop = c.MOTO_I < 0;
  if (!drop) {
    r.IDOU_KOMA = c.KOMA;
    s.BAN[c.MOTO_I][c.MOTO_J] = KARA;
  }
  s.BAN[c.SAKI_I][c.SAKI_J] = c.NARI;
  勢力調査(s, m);
  const int v = 盤評価_王手を除く(s, m, r, c.TORI, c.NARI, c.MOTO_I, c.MOTO_J, c.SAKI_I, c.SAKI_J);
  s.BAN[c.SAKI_I][c.SAKI_J] = c.TORI;
  if (!drop) s.BAN[c.MOTO_I][c.MOTO_J] = c.KOMA;
  return std::clamp(v, -USI_評価値の上限, USI_評価値の上限);
}

}  // namespace

std::vector<USI局面記録> USI_経過(const Position& start, const std::vector<棋譜の手>& moves) {
  std::vector<USI局面記録> out;
  out.reserve(moves.size() + 1);
  Position p = start;
  out.push_back(記録(p));
  for (const 棋譜の手& m : moves) {
    指す(p, m);
    out.push_back(記録(p));
  }
  return out;
}

USI思考結果 USI_思考(const Position& p, int level, bool kazebanRules,
                     std::span<const USI局面記録> 経過) {
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

  // 3. Under the standard rules, the positions a continuous check must not repeat a
  // fourth time, found before the search so that it allocates nothing.
  const bool 経過あり = !kazebanRules && !経過.empty() && 同じ局面(経過.back(), 記録(p));
  const 千日手の禁止 禁止 = 経過あり ? 連続王手の千日手(経過) : 千日手の禁止{};
  std::vector<棋譜の手> 応手(禁止.返し.empty() ? 0 : 標準手の最大数);

  // 4. The designed turn, with the standard rules' filter unless KAZEBAN's own apply.
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  const auto 見ない = [](const COM指し手&, int) {};
  const 標準ルールの選別 合法{q};
  const auto 標準 = [&](const COM指し手& c) {
    if (!合法(c)) return false;
    if (禁止.空か()) return true;
    const 棋譜の手 k = 記録行(c);
    const USI局面記録 after = 指した後(経過.back(), 回す ? 回した手(k) : k);
    for (const USI局面記録& f : 禁止.局面) {
      if (同じ局面(after, f)) return false;
    }
    if (禁止.返し.empty()) return true;
    // A check after which one reply brings back a position standing the third time.
    Position pa = q;
    指す(pa, k);
    if (!王手されている(pa.state, pa.toMove)) return true;
    const int replies = 合法手一覧(pa, 応手.data());
    for (int i = 0; i < replies; ++i) {
      const USI局面記録 y = 指した後(after, 回す ? 回した手(応手[i]) : 応手[i]);
      for (const USI局面記録& f : 禁止.返し) {
        if (同じ局面(y, f)) return false;
      }
    }
    return true;
  };
  const COM結果 res = kazebanRules ? COM_探索(s, m, r, 見ない) : COM_探索(s, m, r, 見ない, 標準);

  // 5. The answer, turned back when the position was turned.
  USI思考結果 out;
  out.候補数 = res.候補数;
  if (!res.指し手あり) return out;
  out.指し手あり = true;
  out.点 = res.点;
  out.評価値 = res.点;
  out.手 = 回す ? 回した手(記録行(res.最善)) : 記録行(res.最善);

  // 6. Under the standard rules a check is a win only when it mates; otherwise it is
  // reported by the evaluation's other terms.
  if (!kazebanRules) {
    Position after = p;
    指す(after, out.手);
    if (王手されている(after.state, after.toMove)) {
      std::vector<棋譜の手> replies(標準手の最大数);
      if (合法手一覧(after, replies.data()) == 0) {
        out.詰み = true;
      } else {
        out.評価値 = 王手を除く点(s, m, r, res.最善);
      }
    }
  }
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
  if (kazebanRules && 王手されている(p.state, p.toMove) &&
      王手されている(p.state, 相手(p.toMove))) {
    return "both kings are in check";
  }
  return {};
}

}  // namespace kazeban
