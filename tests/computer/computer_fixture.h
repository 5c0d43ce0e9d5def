// Positions and scores for the computer player's tests: a board from a diagram, and
// the score of one candidate at a given level, taken the way the search takes it
// (snapshots of the position before the move, the move made on the board, a fresh
// survey, the evaluation).
#pragma once

#include <gtest/gtest.h>

#include <array>

#include "../support/board_diagram.h"
#include "computer/evaluation.h"
#include "computer/search.h"
#include "computer/survey.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban::testing {

// A state with the diagram's board, empty hands, no game in progress.
inline GameState 局面(const char* const (&rows)[9]) {
  GameState s;
  初期設定_状態(s);
  盤を置く(s, rows);
  return s;
}

// A board with nothing on it.
inline GameState 空の局面() {
  GameState s;
  初期設定_状態(s);
  for (auto& column : s.BAN) {
    for (int& square : column) square = KARA;
  }
  return s;
}

// The score, in tenths, of the computer's candidate (fx, fy) → (tx, ty) on a copy of
// `before` at `level`; promoted when `promote`. A drop is (-1, kind). The candidate
// must be legal.
inline int 採点(GameState s, int level, int fx, int fy, int tx, int ty, bool promote = false) {
  s.COM_LEVEL = level;
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  if (fx == -1) {
    const int piece = 持駒_UEコード(fy);
    EXPECT_GT(s.UE_MOCHI[fy], 0) << "no such piece in hand";
    EXPECT_EQ(移動チェック(s, -1, fy, tx, ty, piece), ON) << "illegal drop";
    s.BAN[tx][ty] = piece;
    勢力調査(s, m);
    return 盤評価(s, m, r, KARA, piece, -1, fy, tx, ty);
  }
  const int koma = s.BAN[fx][fy];
  EXPECT_GE(koma, K_UE_HU) << "not a computer piece";
  EXPECT_EQ(移動チェック(s, fx, fy, tx, ty, koma), ON) << "illegal move";
  if (promote) {
    EXPECT_EQ(調査_駒成(s, fx, fy, tx, ty, koma), ON) << "cannot promote";
  }
  r.IDOU_KOMA = koma;
  const int cap = s.BAN[tx][ty];
  s.BAN[fx][fy] = KARA;
  const int placed = promote ? koma + 1 : koma;
  s.BAN[tx][ty] = placed;
  勢力調査(s, m);
  return 盤評価(s, m, r, cap, placed, fx, fy, tx, ty);
}

// The same candidate scored at levels 1, 2 and 3.
inline std::array<int, 3> 三段階(const GameState& s, int fx, int fy, int tx, int ty,
                                 bool promote = false) {
  return {採点(s, 1, fx, fy, tx, ty, promote), 採点(s, 2, fx, fy, tx, ty, promote),
          採点(s, 3, fx, fy, tx, ty, promote)};
}

}  // namespace kazeban::testing
