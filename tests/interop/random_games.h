// Seeded random games for the tests of the record formats: legal moves of standard
// shogi, favouring captures, drops and promotions, from the even start, every standard
// handicap and a few board diagrams.
#pragma once

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "interop/record_formats.h"
#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {

inline 対局棋譜 ランダム対局(const Position& start, unsigned seed, int plies) {
  対局棋譜 g;
  g.開始局面 = start;
  g.手合割 = 手合割の名(start);
  g.先手名 = "先手 太郎";
  g.後手名 = "後手 花子";
  g.棋戦 = "第1期 風盤戦";
  g.開始日時 = "2026/12/08 18:14:03";
  std::mt19937 rng(seed);
  Position p = start;
  for (int k = 0; k < plies; ++k) {
    棋譜の手 list[標準手の最大数];
    const int n = 合法手一覧(p, list);
    if (n == 0) break;
    // Favour captures, drops and promotions so that every kind of move occurs.
    int pick = std::uniform_int_distribution<int>(0, n - 1)(rng);
    for (int t = 0; t < 3; ++t) {
      const 棋譜の手& m = list[pick];
      if (m.TORI != 0 || m.NARI != m.KOMA || m.MOTO_I == 11 || m.MOTO_I == -1) break;
      pick = std::uniform_int_distribution<int>(0, n - 1)(rng);
    }
    g.手.push_back(list[pick]);
    指す(p, list[pick]);
  }
  g.終局 = "投了";
  g.結果 = p.toMove == Color::Black ? 対局結果::後手勝ち : 対局結果::先手勝ち;
  return g;
}

// How the tests print notes and variations when they differ.
inline void PrintTo(const 手の注記& n, std::ostream* os) {
  *os << "{" << n.消費秒 << "/" << n.累計秒 << " \"" << n.コメント << "\" &" << n.しおり << "}";
}
inline void PrintTo(const 変化手順& v, std::ostream* os) {
  *os << "{分岐 " << v.分岐 << ", " << v.手.size() << "手, 注記 " << v.注記.size() << ", 変化 "
      << v.変化.size() << ", 終局 " << v.終局 << " ";
  PrintTo(v.終局注記, os);
  *os << "}";
}

// The legal moves of p.
inline std::vector<棋譜の手> 合法手(const Position& p) {
  棋譜の手 list[標準手の最大数];
  return std::vector<棋譜の手>(list, list + 合法手一覧(p, list));
}

// Comments (some of two lines) and times on the moves of a line played from p, as a
// record keeps them: most moves have a time, the totals add up per side from `totals`,
// some have none, and notes left empty at the end are not kept.
inline std::vector<手の注記> ランダム注記(const std::vector<棋譜の手>& moves, Position p,
                                          int (&totals)[2], std::mt19937& rng) {
  std::vector<手の注記> notes(moves.size());
  for (size_t k = 0; k < moves.size(); ++k) {
    const int side = p.toMove == Color::Black ? 0 : 1;
    if (rng() % 8 != 0) {
      notes[k].消費秒 = static_cast<int>(rng() % 700);
      totals[side] += notes[k].消費秒;
      notes[k].累計秒 = totals[side];
    }
    if (rng() % 4 == 0) notes[k].コメント = std::to_string(k + 1) + "手目の読み";
    if (rng() % 9 == 0) notes[k].コメント += "\n▲同　歩 △５五角 と進めば難解";
    if (rng() % 15 == 0) notes[k].しおり = "局面" + std::to_string(k + 1);
    指す(p, moves[k]);
  }
  while (!notes.empty() && notes.back().空か()) notes.pop_back();
  return notes;
}

// A variation from p (the position before the move it replaces) that does not begin
// with any of `taken`, with notes and, while depth lasts, a variation of its own.
inline 変化手順 ランダム変化(Position p, size_t at, std::vector<棋譜の手> taken, int (&totals)[2],
                             int depth, std::mt19937& rng) {
  変化手順 v;
  v.分岐 = at;
  const Position start = p;
  const int length = 1 + static_cast<int>(rng() % 6);
  for (int k = 0; k < length; ++k) {
    std::vector<棋譜の手> list = 合法手(p);
    if (k == 0)
      std::erase_if(list, [&](const 棋譜の手& m) { return std::ranges::count(taken, m) > 0; });
    if (list.empty()) break;
    v.手.push_back(list[rng() % list.size()]);
    指す(p, v.手.back());
  }
  int mine[2] = {totals[0], totals[1]};
  v.注記 = ランダム注記(v.手, start, mine, rng);
  if (rng() % 2 == 0) {
    v.終局 = "中断";
    v.終局注記.消費秒 = static_cast<int>(rng() % 60);
    v.終局注記.累計秒 = 7200 + v.終局注記.消費秒;
    v.終局注記.コメント = "変化の終わり";
  }
  if (depth > 0 && v.手.size() >= 2) {
    const size_t sub = 1 + rng() % (v.手.size() - 1);
    Position q = start;
    for (size_t k = 0; k < sub; ++k) 指す(q, v.手[k]);
    v.変化.push_back(ランダム変化(q, sub, {v.手[sub]}, totals, depth - 1, rng));
  }
  return v;
}

// Adds to a game what records keep beside its moves: a comment on the start, notes on
// the moves and the end line, and variations of the main line (some of them branching
// again, two of them from the same move), listed as KIF programs list them: from the
// last move back to the first.
inline void 注記と変化を加える(対局棋譜& g, unsigned seed) {
  std::mt19937 rng(seed);
  g.開始コメント = "開始局面の解説\n二行目";
  g.開始しおり = "開始";
  int totals[2] = {0, 0};
  g.注記 = ランダム注記(g.手, g.開始局面, totals, rng);
  g.終局注記.消費秒 = 5;
  g.終局注記.累計秒 = 1234;
  if (g.手.empty()) return;
  std::vector<size_t> at;
  for (int k = 0; k < 3; ++k) at.push_back(rng() % g.手.size());
  std::ranges::sort(at, std::greater<>());
  for (size_t k = 0; k < at.size(); ++k) {
    Position p = g.開始局面;
    for (size_t m = 0; m < at[k]; ++m) 指す(p, g.手[m]);
    std::vector<棋譜の手> taken{g.手[at[k]]};
    for (const 変化手順& v : g.変化) {
      if (v.分岐 == at[k] && !v.手.empty()) taken.push_back(v.手.front());
    }
    int zero[2] = {0, 0};
    g.変化.push_back(ランダム変化(p, at[k], taken, zero, 2, rng));
  }
}

inline std::vector<Position> 開始局面() {
  std::vector<Position> out{平手局面()};
  for (const char* name :
       {"香落ち", "右香落ち", "角落ち", "飛車落ち", "飛香落ち", "二枚落ち", "三枚落ち", "四枚落ち",
        "五枚落ち", "左五枚落ち", "六枚落ち", "左七枚落ち", "右七枚落ち", "八枚落ち", "十枚落ち"}) {
    Position p;
    if (!手合割の局面(name, p)) throw std::runtime_error(std::string("unknown handicap ") + name);
    out.push_back(p);
  }
  for (const char* sfen :
       {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
        "8l/1l+R2P3/p2pBG1pp/kps1p4/Nn1P2G2/P1P1P2+p1/1PS6/1KSG3+r1/LN2+p3L w Sbgn3p 1",
        "4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L18P 1"}) {
    const SFEN読込結果 r = SFEN_解析(sfen);
    if (!r.成功) throw std::runtime_error(std::string("bad diagram ") + sfen);
    out.push_back(r.局面);
  }
  return out;
}

}  // namespace kazeban
