// Carrying out an accepted move: the test for a pawn, lance or knight that would be
// stranded unpromoted, the append to the move record, and the change of the board and
// the hands. Callers always run them in that order; the window adds the redraws and
// the sound, the computer's search uses the same code for the move it plays.
#pragma once

#include "rules/game_state.h"

namespace kazeban {

// OFF when `code` may not stand unpromoted on row toJ (a pawn or lance on the last
// row, a knight on the last two), else ON.
int 移動後チェック(int toJ, int code);

// True when the record has no room for another move. Input must refuse a move then:
// 手順保存 never writes past entry KIFU_MAX.
constexpr bool 棋譜満杯(const GameState& s) {
  return s.KIFU_SUU >= KIFU_MAX;
}

// Appends the move as entry KIFU_SUU + 1, with the code now on the destination as the
// captured code, and makes it the last recorded move (a move made after stepping back
// drops the later ones). Returns false, changing nothing, when the record is full.
// Must run before 駒移動_盤 so that the capture is still on the board.
bool 手順保存(GameState& s, int fromI, int fromJ, int toI, int toJ, int codeBefore, int codeAfter);

// The board-and-hands half of a move. newCode is the code the piece has on its
// destination. For a drop from UE's hand (fromI = −1) fromJ is the kind 1..7; from
// SITA's hand (fromI = 11) it is the hand row 3..9. A capture goes into the capturer's
// hand (a king only records the winner) and raises that hand's total; SITA's king
// square follows its king. Returns the code that stood on the destination.
// Legality, the turn and the record are the callers' business.
int 駒移動_盤(GameState& s, int fromI, int fromJ, int toI, int toJ, int newCode);

}  // namespace kazeban
