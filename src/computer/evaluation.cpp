#include "computer/evaluation.h"

#include "computer/evaluation_helpers.h"
#include "rules/move_check.h"

namespace kazeban {
namespace {

constexpr int 絶対値(int v) {
  return v < 0 ? -v : v;
}

}  // namespace

int 盤評価(const GameState& s, const 勢力図& m, const COM記録& r, int cap, int pc, int fx, int fy,
           int tx, int ty) {
  // 2. Check given wins, unless the piece that gives it is an unpromoted pawn. (Step 1,
  // the score starting from zero, opens the rest below.)
  if (m.SEIRYOKU_UE[s.SITA_OU_I][s.SITA_OU_J] > 0) return pc == K_UE_HU ? -点_勝ち : 点_勝ち;
  return 盤評価_王手を除く(s, m, r, cap, pc, fx, fy, tx, ty);
}

int 盤評価_王手を除く(const GameState& s, const 勢力図& m, const COM記録& r, int cap, int pc,
                      int fx, int fy, int tx, int ty) {
  const auto& B = s.BAN;
  const auto& SS = m.SEIRYOKU_SITA;
  const auto& SU = m.SEIRYOKU_UE;

  // 1. Start from zero.
  int S = 0;

  // 3. Check suffered loses.
  if (SS[s.UE_OU_I][s.UE_OU_J] > 0) return -点_勝ち;

  // 4. A drop costs a little; a promotion earns a little.
  if (fx < 0) {
    S -= 50;
  } else if (pc > r.IDOU_KOMA) {
    S += 100;
  }

  // 5. An empty square before the computer's king in the line of a lance or rook.
  const int kx = s.UE_OU_I;
  const int ky = s.UE_OU_J;
  if (ky < 8 && B[kx][ky + 1] == KARA &&
      (m.SITA_NERAI[kx][ky + 2] == K_SITA_KYOU || m.SITA_NERAI[kx][ky + 2] == K_SITA_SYA)) {
    return -点_勝ち;
  }

  // 6. The danger sweep.
  S += 盤評価_COM危険座標(s, m, r, pc, tx, ty);

  // 7. Level 1 stops here.
  if (s.COM_LEVEL < 2) return S;

  // 8. The king's shelter: +1 for every occupied neighbour.
  const auto 駒あり = [&](int x, int y) { return B[x][y] != KARA ? 10 : 0; };
  if (kx > 1) S += 駒あり(kx - 1, ky);
  if (kx < 9) S += 駒あり(kx + 1, ky);
  if (ky > 1) S += 駒あり(kx, ky - 1);
  if (ky < 9) {
    S += 駒あり(kx, ky + 1);
    if (ky < 3 && SS[kx][ky + 1] > 0) S -= 100;
  }
  if (kx > 1 && ky > 1) S += 駒あり(kx - 1, ky - 1);
  if (kx > 1 && ky < 9) S += 駒あり(kx - 1, ky + 1);
  if (kx < 9 && ky > 1) S += 駒あり(kx + 1, ky - 1);
  if (kx < 9 && ky < 9) {
    if (B[kx + 1][ky + 1] != KARA) {
      S += 10;
    } else if (kx == 5 && ky == 1) {
      // The king at home with the diagonal before it open to the person's bishop.
      if (B[2][8] == K_SITA_KAKU && 移動チェック(s, 2, 8, 7, 3, K_SITA_KAKU) == ON) S -= 2000;
      if (B[9][1] == K_SITA_NARIKAKU && 移動チェック(s, 9, 1, 7, 3, K_SITA_NARIKAKU) == ON) {
        S -= 2000;
      }
    }
  }

  // 9. The person's drop threats against the king.
  if (s.SITA_MOCHI_SU > 0) S -= 盤評価_張られ時(s);

  // 10. The destination under attack.
  if (SS[tx][ty] > 0) {
    if (SU[tx][ty] == 0) {
      if (pc > 絶対値(cap)) S += 10 * (絶対値(cap) - pc);
    } else {
      if ((s.SITA_MOCHI[4] > 0 || s.SITA_MOCHI[5] > 0) && 1 < tx && tx < 9 &&
          (((B[tx - 1][ty] == K_SITA_SYA || B[tx - 1][ty] == K_SITA_NARISYA) &&
            B[tx + 1][ty] == K_UE_OU) ||
           ((B[tx + 1][ty] == K_SITA_SYA || B[tx + 1][ty] == K_SITA_NARISYA) &&
            B[tx - 1][ty] == K_UE_OU))) {
        S -= 10 * pc;
      }
      if (pc > 絶対値(m.SITA_NERAI[tx][ty])) S += 10 * (絶対値(m.SITA_NERAI[tx][ty]) - pc);
    }
  }

  // 11. A capture.
  if (cap != 0) {
    S += 盤評価_取得時(s, cap);
    if (SS[tx][ty] == 0) {
      S += 10 * 絶対値(cap);
      if (cap == K_SITA_NARIHU || cap == K_SITA_NARIKYOU || cap == K_SITA_NARIKEI) S += 500;
    }
  }

  // 12. Level 2 stops here.
  if (s.COM_LEVEL < 3) return S;

  // 13. Level 3: the rules of the piece now on the destination.
  return 盤評価_駒別(s, m, r, S, cap, pc, fx, fy, tx, ty);
}

}  // namespace kazeban
