// Seeded random games for the record tests: both sides pick at random among every
// move and drop the legality test allows, promote at random where they may (always
// where they must), record each move as the window and the computer do, and now and
// then take a few moves back and play on, so the record is overwritten as in play.
// A UE drop is recorded sometimes as the mouse records it (the hand row) and
// sometimes as the computer does (the kind); a game stops at a captured king.
#pragma once

#include <random>
#include <vector>

#include "legal_moves.h"
#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"
#include "storage/replay.h"

namespace kazeban::testing {

struct RandomGameStats {
  int moves = 0, promotions = 0, sita_drops = 0, ue_drops = 0, captures = 0, kings_taken = 0,
      steps_back = 0;
};

// Plays up to `plies` moves from the starting position with the given seed.
inline GameState RandomGame(unsigned seed, int plies, RandomGameStats* stats = nullptr) {
  RandomGameStats local;
  RandomGameStats& st = stats ? *stats : local;
  std::mt19937 rng(seed);
  GameState s;
  初期設定_状態(s);
  s.SITA_SENGO = seed % 2 ? SENTE : GOTE;
  s.UE_SENGO = seed % 2 ? GOTE : SENTE;
  bool ue = s.UE_SENGO == SENTE;
  for (int ply = 0; ply < plies && !棋譜満杯(s); ++ply) {
    // Now and then, step back a few moves and play on from there.
    if (s.KIFU_SUU > 4 && rng() % 40 == 0) {
      const int back = 1 + static_cast<int>(rng() % 4);
      for (int k = 0; k < back; ++k) 棋譜_戻す(s);
      st.steps_back += back;
      ue = UEの駒(s.KIFU_KOMA[s.KIFU_SUU + 1]);
    }
    const std::vector<RandomMove> legal = LegalMoves(s, ue);
    if (legal.empty()) break;
    const RandomMove m = legal[std::uniform_int_distribution<size_t>(0, legal.size() - 1)(rng)];
    const bool drop = m.fromI == -1 || m.fromI == 11;
    int placed = m.code;
    if (調査_駒成(s, m.fromI, m.fromJ, m.toI, m.toJ, m.code) == ON &&
        (移動後チェック(m.toJ, m.code) == OFF || rng() % 2 == 0)) {
      placed = s.NARI_KOMA;
      ++st.promotions;
    }
    // The record's from-row of a drop: the hand row for the mouse (either side), the
    // kind for the computer (UE only).
    int recordJ = m.fromJ;
    if (m.fromI == 11) recordJ = m.fromJ + 2;
    if (m.fromI == -1 && rng() % 2 == 0) recordJ = 8 - m.fromJ;
    if (!手順保存(s, m.fromI, recordJ, m.toI, m.toJ, m.code, placed)) break;
    const int taken =
        駒移動_盤(s, m.fromI, m.fromI == 11 ? m.fromJ + 2 : m.fromJ, m.toI, m.toJ, placed);
    s.TESUU = s.KIFU_SUU;
    ++st.moves;
    st.sita_drops += drop && m.fromI == 11;
    st.ue_drops += drop && m.fromI == -1;
    st.captures += taken != KARA;
    if (taken == K_UE_OU || taken == K_SITA_OU) {
      ++st.kings_taken;
      break;  // the game is decided
    }
    ue = !ue;
  }
  return s;
}

}  // namespace kazeban::testing
