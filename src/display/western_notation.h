// Moves as English-speaking players write them: the piece's letter (P L N S G B R K,
// a promoted piece with "+" before it), the square it left where another piece of the
// same kind could have gone to the same square, "-" for a move, "x" for a capture, "*"
// for a drop, the destination as file digit and rank letter, then "+" for a promotion
// and "=" for a promotion declined: "P-7f", "Bx3c+", "S-4h=", "N*5e", "G6h-5h".
//
// Column i of the board is file 10 − i and row j is rank a..i from the top, whichever
// side is at the bottom.
#pragma once

#include <array>
#include <string_view>

#include "rules/game_state.h"

namespace kazeban {

struct 西洋式の表記 {
  std::array<char, 16> 文字{};
  std::size_t 長さ = 0;
  std::string_view view() const { return {文字.data(), 長さ}; }
};

// Entry n of the move record, played on the board of `after` (the position just after
// it); the piece's letter and the destination only when entry n does not end on that
// board's (toColumn, toRow) with `code`.
西洋式の表記 西洋式の手(const GameState& after, int n, int toColumn, int toRow, int code);

}  // namespace kazeban
