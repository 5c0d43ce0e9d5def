// A move on the screen: the board and the hands change as the rules say, and exactly
// the squares and hands that changed are redrawn. The person's move, the computer's
// move and the review commands all go through here.
#pragma once

#include "play/form.h"

namespace kazeban {

// Carries out an accepted move and redraws: the capturer's hand after a capture, the
// from-square as an empty square, the hand a piece was dropped from, and the piece on
// its destination with the plain outline. newCode is the code on the destination
// (promoted when the move promotes). For a drop from UE's hand fromJ is the kind 1..7,
// from SITA's hand the hand row 3..9. Returns the code that stood on the destination.
// No legality test, no record, no sound: those are the callers'.
int 駒移動(Form1& f, int fromI, int fromJ, int toI, int toJ, int newCode);

}  // namespace kazeban
