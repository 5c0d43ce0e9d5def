#include "play/handicap.h"

#include "display/translatable.h"

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "play/handicap_caption.h"
#include "sound/kazeban_sound.h"

namespace kazeban {
namespace {

// The top side's squares and pieces of grades 1..10; grade −g is the same square seen
// from the other side (column 10 − i, row 10 − j) with the bottom side's piece.
constexpr ハンデの駒 UEの段階[11] = {
    {},
    {8, 2, K_UE_KAKU},
    {2, 2, K_UE_SYA},
    {9, 1, K_UE_KYOU},
    {1, 1, K_UE_KYOU},
    {8, 1, K_UE_KEI},
    {2, 1, K_UE_KEI},
    {7, 1, K_UE_GIN},
    {3, 1, K_UE_GIN},
    {6, 1, K_UE_KIN},
    {4, 1, K_UE_KIN},
};

constexpr int 最高段階 = 10;

constexpr const char* ハンデの題 = KZ_TR("Message", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");

// A step of `delta` (+1 for △, −1 for ▽).
void 段階を変える(Form1& f, int delta) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;

  // 1. The record-file panel hides.
  パネル_隠す(f);

  // 2. Not while a record file is loaded.
  if (s.KIFU_MODE == ON) {
    拒否(f, ハンデの題, KZ_TR("Message", "棋譜ﾓｰﾄﾞではできません(局面→最初)"));
    return;
  }

  // 3. Not once the game has moves, nor on a position that is not the grade's starting
  // one (a board turned in the middle of a game has no moves but pieces anywhere, and
  // a step would take or overwrite whatever stands on its square).
  if (s.KIFU_SUU > 0 || !ハンデ_初形か(s)) {
    拒否(f, ハンデの題, KZ_TR("Message", "対局途中ではできません"));
    return;
  }

  // 4. One grade further, unless the grade is at its limit.
  if (s.HANDE != delta * 最高段階) {
    // 4.1 The grade and its caption.
    s.HANDE += delta;
    描画_ハンデレベル(f, s.HANDE);

    // 4.2 Moving away from grade 0 removes the new grade's piece; moving toward it
    // restores the piece of the grade just left, unpromoted, with its outline.
    const int g = s.HANDE;
    ハンデの駒 p;
    if (g * delta > 0) {
      ハンデ_駒(g, p);
      s.BAN[p.i][p.j] = KARA;
      描画_桝(f.g, s, p.i, p.j);
    } else {
      ハンデ_駒(g - delta, p);
      s.BAN[p.i][p.j] = p.code;
      描画_絵(f.g, p.code, p.i, p.j);
      描画_桝輪郭(f.g, s.BAN_IRO, p.i, p.j);
    }

    // A selection made before the step may name the piece it took away: nothing stays
    // selected, and its outline and the guidance marks go, as on a fresh board.
    s.SENTAKU_JOUTAI = 0;
    描画_将棋盤桝(f.g, s);

    // 4.3 The sound of a piece.
    dsPlay(f.handles.SND_KOMAUTI);

    // Moves recorded after this position (a game stepped back to its start) no longer
    // fit the board: the record ends here, as it does when a move is played instead.
    s.KIFU_SAIGO = s.KIFU_SUU;
  }

  // 5. A handicap was set, even at the limit: the record cannot be written.
  s.HANDE_FLAG = ON;
}

}  // namespace

bool ハンデ_駒(int grade, ハンデの駒& piece) {
  if (grade == 0 || grade < -最高段階 || grade > 最高段階) return false;
  const ハンデの駒& ue = UEの段階[grade > 0 ? grade : -grade];
  piece = grade > 0 ? ue : ハンデの駒{10 - ue.i, 10 - ue.j, -ue.code};
  return true;
}

bool ハンデ_初形か(const GameState& s) {
  // The starting position with the grade's pieces taken away.
  GameState start;
  初期設定_状態(start);
  const int step = s.HANDE > 0 ? 1 : -1;
  for (int n = 1; n <= s.HANDE * step; ++n) {
    ハンデの駒 p;
    if (!ハンデ_駒(n * step, p)) return false;
    start.BAN[p.i][p.j] = KARA;
  }
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (s.BAN[i][j] != start.BAN[i][j]) return false;
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if (s.SITA_MOCHI[k] != 0 || s.UE_MOCHI[k] != 0) return false;
  }
  return s.SITA_MOCHI_SU == 0 && s.UE_MOCHI_SU == 0;
}

void LBEL_UP_Click(Form1& f) {
  段階を変える(f, +1);
}

void LEBEL_DOWN_Click(Form1& f) {
  段階を変える(f, -1);
}

}  // namespace kazeban
