// Three small rules shared by the person's move input, the move maker and the
// computer's turn: whether a move may promote, the per-column double-pawn flags that
// the drop test reads, and where a captured piece goes.
#pragma once

#include "rules/game_state.h"

namespace kazeban {

// ON when the move may promote the moving piece; s.NARI_KOMA then holds the promoted
// code. OFF for drops, golds, kings and promoted pieces (NARI_KOMA left as it was).
// SITA promotes in rows 1-3, UE in rows 7-9; a pawn, lance or knight only when it
// lands there, a silver, bishop or rook also when it starts there. toI is not used.
int 調査_駒成(GameState& s, int fromI, int fromJ, int toI, int toJ, int code);

// Rebuilds NIFU_SITA and NIFU_UE from the board: 1 in a column holding an unpromoted
// pawn of that side.
void 調査_2歩フラグ設定(GameState& s);

// Puts a captured piece, unpromoted, into the capturer's hand; a captured king only
// records the capturer's role in SYOUSYA. The hand totals are the caller's business.
void 駒取得(GameState& s, int code);

}  // namespace kazeban
