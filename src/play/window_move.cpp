#include "play/window_move.h"

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "rules/move.h"

namespace kazeban {

int 駒移動(Form1& f, int fromI, int fromJ, int toI, int toJ, int newCode) {
  // 1, 4-6. The board and the hands: the capture goes to the capturer's hand, the piece
  // leaves its square or hand and stands on its destination.
  const int taken = 駒移動_盤(f.s, fromI, fromJ, toI, toJ, newCode);

  // 2. The capturer's hand.
  if (taken <= K_SITA_HU) {
    描画_敵持盤(f.g, f.s);
  } else if (taken >= K_UE_HU) {
    描画_自持盤(f.g, f.s);
  }

  // 3. The from-square as an empty square.
  描画_桝(f.g, f.s, fromI, fromJ);

  // 6. The hand a piece was dropped from (its redraw also repaints the hand square
  // that step 3 painted empty).
  if (fromI == -1) {
    描画_敵持盤(f.g, f.s);
  } else if (fromI == 11) {
    描画_自持盤(f.g, f.s);
  }

  // 7. The piece on its destination, then the plain outline over the picture's edge.
  描画_絵(f.g, newCode, toI, toJ);
  描画_桝輪郭(f.g, f.s.BAN_IRO, toI, toJ);
  return taken;
}

}  // namespace kazeban
