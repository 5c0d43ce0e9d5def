// The influence survey: turns the board into the influence map and notes where each
// king stands. It always recomputes the whole map from the board, so it describes
// exactly the BAN of the moment it ran.
#pragma once

#include "computer/influence_map.h"
#include "rules/game_state.h"

namespace kazeban {

// Resets every table of the map but UE_MAMORI_I/J, then scans the board column by
// column (1..9), each column row by row (1..9), recording what every piece bears on.
// A king found on the board sets its side's king fields; a king that is not on the
// board leaves them as they were.
void 勢力調査(GameState& s, 勢力図& m);

}  // namespace kazeban
