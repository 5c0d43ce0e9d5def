// What the window keeps of standard shogi's rules: whether they are in force, and how a
// game played by them ends.
#pragma once

#include "interop/standard_end.h"

namespace kazeban {

struct 標準ルール状態 {
  bool 選択 = false;  // ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ is checked (off at start-up)
  bool 強制 = false;  // the game in progress uses them whatever the option (an engine
                      // game); a game started from the 対局 menu's own items clears it
};

}  // namespace kazeban
