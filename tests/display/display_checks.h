// Shared checks of the drawing tests: the starting position to draw, and where a
// recorded operation stands.
#pragma once

#include <gtest/gtest.h>

#include "rules/game_state.h"
#include "support/recording_surface.h"

namespace kazeban {

inline GameState Start() {
  GameState s;
  初期設定_状態(s);
  return s;
}

inline void ExpectAt(const testing::DrawOp& op, testing::DrawOp::Kind kind, double x, double y) {
  EXPECT_EQ(op.kind, kind);
  EXPECT_NEAR(op.x, x, 1e-6);
  EXPECT_NEAR(op.y, y, 1e-6);
}

}  // namespace kazeban
