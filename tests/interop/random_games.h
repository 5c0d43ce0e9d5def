// Seeded random games for the tests of the record formats: legal moves of standard
// shogi, favouring captures, drops and promotions, from the even start, every standard
// handicap and a few board diagrams.
#pragma once

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
