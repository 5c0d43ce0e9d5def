// Positions written as board diagrams, for the tests and the benchmarks of the
// computer player. A diagram is nine rows, row 1 (the top) first; each row holds nine
// cells, column 1 (the left) first. A cell is " ・" for an empty square, or a side
// mark followed by the piece's name: 'v' for the upper side (UE, the computer), '^'
// for the lower side (SITA, the person). Names: 歩 香 桂 銀 金 角 飛 王, and the
// promoted と 杏 圭 全 馬 竜.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rules/game_state.h"

namespace kazeban::testing {

// The UE code of a piece name; 0 when the name is unknown.
inline int 名前の駒(std::string_view name) {
  struct 名 {
    std::string_view n;
    int code;
  };
  static constexpr 名 names[] = {
      {"歩", K_UE_HU},       {"香", K_UE_KYOU},     {"桂", K_UE_KEI},     {"銀", K_UE_GIN},
      {"金", K_UE_KIN},      {"角", K_UE_KAKU},     {"飛", K_UE_SYA},     {"王", K_UE_OU},
      {"と", K_UE_NARIHU},   {"杏", K_UE_NARIKYOU}, {"圭", K_UE_NARIKEI}, {"全", K_UE_NARIGIN},
      {"馬", K_UE_NARIKAKU}, {"竜", K_UE_NARISYA},
  };
  for (const 名& x : names) {
    if (x.n == name) return x.code;
  }
  return 0;
}

// Sets the board of s from a diagram of nine rows; throws on a malformed diagram.
inline void 盤を置く(GameState& s, const char* const (&rows)[9]) {
  constexpr std::string_view 空 = " ・";
  for (int j = 1; j <= BAN_SUU; ++j) {
    std::string_view row = rows[j - 1];
    for (int i = 1; i <= BAN_SUU; ++i) {
      if (row.substr(0, 空.size()) == 空) {
        s.BAN[i][j] = KARA;
        row.remove_prefix(空.size());
        continue;
      }
      if (row.size() < 4 || (row[0] != 'v' && row[0] != '^')) {
        throw std::invalid_argument("diagram row " + std::to_string(j) + ": bad cell " +
                                    std::to_string(i));
      }
      const int code = 名前の駒(row.substr(1, 3));  // every name is 3 bytes of UTF-8
      if (code == 0) {
        throw std::invalid_argument("diagram row " + std::to_string(j) + ": unknown piece");
      }
      s.BAN[i][j] = row[0] == 'v' ? code : -code;
      row.remove_prefix(4);
    }
    if (!row.empty())
      throw std::invalid_argument("diagram row " + std::to_string(j) + ": too long");
  }
}

// Sets a hand: counts of kinds 1..7 (pawn … rook), and its total.
inline void 持駒を置く(int (&hand)[8], int& total, std::initializer_list<int> counts) {
  int k = 1;
  total = 0;
  for (int& h : hand) h = 0;
  for (int c : counts) {
    if (k > 7) throw std::invalid_argument("a hand has seven kinds");
    hand[k++] = c;
    total += c;
  }
}

}  // namespace kazeban::testing
