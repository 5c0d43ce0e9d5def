#include "storage/replay.h"

#include "rules/pieces.h"

namespace kazeban {
namespace {

// The hand and the total of the side that owns `code` (a SITA code ≤ −10, a UE code
// ≥ 10): one piece of its kind more (`delta` = 1) or fewer (−1). A king has no kind
// and changes the total only.
void 持駒を増減(GameState& s, int code, int delta) {
  const int k = 駒種類(code);
  if (SITAの駒(code)) {
    if (k != 0) s.SITA_MOCHI[k] += delta;
    s.SITA_MOCHI_SU += delta;
  } else if (UEの駒(code)) {
    if (k != 0) s.UE_MOCHI[k] += delta;
    s.UE_MOCHI_SU += delta;
  }
}

// The same for the side that captured `code`: the other side's hand.
void 取った側の持駒を増減(GameState& s, int code, int delta) {
  持駒を増減(s, -code, delta);
}

bool 盤の列(int i) {
  return i >= 1 && i <= BAN_SUU;
}

}  // namespace

void 棋譜_進める(GameState& s) {
  // 1. The next entry; the move number shown follows.
  s.KIFU_SUU += 1;
  const int n = s.KIFU_SUU;
  s.TESUU += 1;

  // 2. The piece leaves its square, or its owner's hand for a drop.
  if (盤の列(s.KIFU_MOTO_I[n])) {
    s.BAN[s.KIFU_MOTO_I[n]][s.KIFU_MOTO_J[n]] = KARA;
  } else {
    持駒を増減(s, s.KIFU_NARI[n], -1);
  }

  // 3. The recorded code stands on the destination.
  s.BAN[s.KIFU_SAKI_I[n]][s.KIFU_SAKI_J[n]] = s.KIFU_NARI[n];

  // 4. A captured piece goes to the capturer's hand, a king to the total only.
  if (s.KIFU_TORI[n] != KARA) 取った側の持駒を増減(s, s.KIFU_TORI[n], +1);
}

void 棋譜_戻す(GameState& s) {
  const int n = s.KIFU_SUU;

  // 1. The piece returns, as it was before the move, to its square or its hand.
  if (盤の列(s.KIFU_MOTO_I[n])) {
    s.BAN[s.KIFU_MOTO_I[n]][s.KIFU_MOTO_J[n]] = s.KIFU_KOMA[n];
  } else {
    持駒を増減(s, s.KIFU_NARI[n], +1);
  }

  // 2. A captured piece leaves the capturer's hand (a king only its total)...
  if (s.KIFU_TORI[n] != KARA) 取った側の持駒を増減(s, s.KIFU_TORI[n], -1);

  // 3. ...and stands again on the destination, or the destination is empty.
  s.BAN[s.KIFU_SAKI_I[n]][s.KIFU_SAKI_J[n]] = s.KIFU_TORI[n];

  // 4. One move fewer on the board.
  s.KIFU_SUU -= 1;
  s.TESUU -= 1;
}

}  // namespace kazeban
