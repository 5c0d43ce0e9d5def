// Stepping through the move record on the board and the hands: the state half of
// the forward and backward steps of the review commands, also used to check a record
// file and by the command-line analyser.
//
// Both steps read only the record: the forward step puts the recorded code after the
// move on the destination, the backward step the code before the move on the origin
// and the captured code on the destination. Neither looks at legality, the turn, the
// selection or the king squares (the influence survey finds the kings again); the
// window adds the redraws, the sound and the end of any game in progress.
#pragma once

#include "rules/game_state.h"

namespace kazeban {

// Plays entry KIFU_SUU + 1 of the record: the piece leaves its square or its owner's
// hand, the recorded code stands on the destination, a captured piece goes to the
// capturer's hand (a king to the total only); KIFU_SUU and TESUU advance by one.
// The caller makes sure there is such an entry (KIFU_SUU < KIFU_SAIGO).
void 棋譜_進める(GameState& s);

// Takes entry KIFU_SUU back: the piece before the move returns to its square or its
// owner's hand, the captured code to the destination and out of the capturer's hand;
// KIFU_SUU and TESUU go back by one. The caller makes sure KIFU_SUU ≥ 1.
void 棋譜_戻す(GameState& s);

}  // namespace kazeban
