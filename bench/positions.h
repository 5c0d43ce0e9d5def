// The fixed positions of the computer's benchmarks, the computer (UE, top) to move:
// the start; a middle game with pieces in both hands (the person's king shut in its
// corner); the computer holding one piece
// of each of the seven kinds, with the person's king shut in its corner so that no
// drop gives check and every drop is scored.
#pragma once

#include "../tests/support/board_diagram.h"
#include "rules/game_state.h"

namespace kazeban::bench {

inline GameState 初形() {
  GameState s;
  初期設定_状態(s);
  return s;
}

inline GameState 中盤() {
  GameState s;
  初期設定_状態(s);
  const char* const rows[9] = {
      "v香 ・ ・v金 ・ ・ ・v桂v香",  //
      " ・v飛 ・v銀v王v金 ・v角 ・",  //
      "v歩 ・v歩v歩v歩v銀 ・v歩v歩",  //
      " ・v歩 ・ ・ ・v歩 ・ ・ ・",  //
      " ・ ・^歩 ・ ・ ・ ・^歩 ・",  //
      " ・ ・ ・^歩 ・ ・^歩 ・ ・",  //
      " ・^歩 ・ ・^歩^歩 ・ ・^歩",  //
      " ・^角^金 ・^飛 ・^金^銀^香",  //
      "^香^桂 ・ ・ ・ ・ ・^桂^王",  //
  };
  testing::盤を置く(s, rows);
  testing::持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {1, 0, 0, 1, 0, 0, 0});
  testing::持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 1, 0, 0, 0, 0});
  return s;
}

inline GameState 全種持ち() {
  GameState s;
  初期設定_状態(s);
  const char* const rows[9] = {
      "v香v桂v銀v金v王v金v銀v桂v香",  //
      " ・v飛 ・ ・ ・ ・ ・v角 ・",  //
      " ・v歩v歩v歩 ・v歩v歩v歩 ・",  //
      " ・ ・ ・ ・v歩 ・ ・ ・v歩",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・^歩 ・ ・ ・^歩 ・ ・",  //
      " ・^歩 ・^歩^歩^歩 ・^歩^歩",  //
      " ・ ・ ・ ・ ・^金 ・^銀^香",  //
      " ・ ・ ・ ・ ・ ・ ・^桂^王",  //
  };
  testing::盤を置く(s, rows);
  testing::持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {1, 1, 1, 1, 1, 1, 1});
  testing::持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  return s;
}

}  // namespace kazeban::bench
