#include "computer/evaluation_helpers.h"

#include "rules/move_check.h"

namespace kazeban {
namespace {

constexpr int 絶対値(int v) {
  return v < 0 ? -v : v;
}

// The person holds a silver or a gold: the pieces that fork or cover most squares
// around a king when dropped.
inline bool 銀か金を持つ(const GameState& s) {
  return s.SITA_MOCHI[4] > 0 || s.SITA_MOCHI[5] > 0;
}

}  // namespace

int 調査_自守駒MAN_直進駒(const GameState& s, int x, int y) {
  // The square (x, y) is looked at as if it were empty: a lance, rook or dragon below
  // it on the column reaches it when nothing stands in between, whatever stands on
  // (x, y) itself. The walk passes over empty squares and other SITA pieces and
  // stops at the first UE piece or at the first straight mover.
  bool 間に駒 = false;
  for (int y2 = y + 1; y2 <= BAN_SUU; ++y2) {
    const int c = s.BAN[x][y2];
    if (c >= K_UE_HU) return OFF;
    if (c == K_SITA_KYOU || c == K_SITA_SYA || c == K_SITA_NARISYA) return 間に駒 ? OFF : ON;
    if (c != KARA) 間に駒 = true;
  }
  return OFF;
}

int 盤評価_取得時(const GameState& s, int cap) {
  const int hx = s.SITA_OU_I;
  const int hy = s.SITA_OU_J;
  const auto 空 = [&](int x, int y) { return s.BAN[x][y] == KARA; };
  // Which captured codes attack the king from each square next to it once dropped.
  const bool 前 = cap == K_SITA_KYOU || cap == K_SITA_NARIKYOU || cap == K_SITA_GIN ||
                  cap == K_SITA_NARIGIN || cap == K_SITA_KIN || cap == K_SITA_SYA ||
                  cap == K_SITA_NARISYA;
  const bool 前斜め = cap == K_SITA_GIN || cap == K_SITA_NARIGIN || cap == K_SITA_KIN ||
                      cap == K_SITA_KAKU || cap == K_SITA_NARIKAKU;
  const bool 後横 = cap == K_SITA_KIN || cap == K_SITA_SYA || cap == K_SITA_NARISYA;
  const bool 後斜め =
      cap == K_SITA_GIN || cap == K_SITA_NARIGIN || cap == K_SITA_KAKU || cap == K_SITA_NARIKAKU;
  constexpr int 得点 = 20000;

  if (hy > 1 && 空(hx, hy - 1) && 前) return 得点;
  if (hy > 1 && hx > 1 && 空(hx - 1, hy - 1) && 前斜め) return 得点;
  if (hy > 1 && hx < 9 && 空(hx + 1, hy - 1) && 前斜め) return 得点;
  if (hy < 9 && 空(hx, hy + 1) && 後横) return 得点;
  if (hy < 9 && hx > 1 && 空(hx - 1, hy + 1) && 後斜め) return 得点;
  if (hy < 9 && hx < 9 && 空(hx + 1, hy + 1) && 後斜め) return 得点;
  if (hx > 1 && 空(hx - 1, hy) && 後横) return 得点;
  if (hx < 9 && 空(hx + 1, hy) && 後横) return 得点;
  return 0;
}

int 盤評価_張られ時(const GameState& s) {
  const int kx = s.UE_OU_I;
  const int ky = s.UE_OU_J;
  const auto 空 = [&](int x, int y) { return s.BAN[x][y] == KARA; };
  const auto& h = s.SITA_MOCHI;
  const bool 香 = h[2] > 0, 銀 = h[4] > 0, 金 = h[5] > 0, 角 = h[6] > 0, 飛 = h[7] > 0;
  constexpr int 得点 = 9900;

  if (ky > 1 && 空(kx, ky - 1) && (金 || 飛)) return 得点;
  if (ky > 1 && kx > 1 && 空(kx - 1, ky - 1) && (銀 || 角)) return 得点;
  if (ky > 1 && kx < 9 && 空(kx + 1, ky - 1) && (銀 || 角)) return 得点;
  if (ky < 9 && 空(kx, ky + 1) && (香 || 銀 || 金 || 飛)) return 得点;
  if (ky < 9 && kx > 1 && 空(kx - 1, ky + 1) && (銀 || 金 || 角)) return 得点;
  if (ky < 9 && kx < 9 && 空(kx + 1, ky + 1) && (銀 || 金 || 角)) return 得点;
  if (kx > 1 && 空(kx - 1, ky) && (金 || 飛)) return 得点;
  if (kx < 9 && 空(kx + 1, ky) && (金 || 飛)) return 得点;
  return 0;
}

int 盤評価_COM危険座標(const GameState& s, const 勢力図& m, const COM記録& r, int pc, int tx,
                       int ty) {
  const auto& B = s.BAN;
  const auto& SS = m.SEIRYOKU_SITA;
  const auto& SU = m.SEIRYOKU_UE;
  const auto& 持 = s.SITA_MOCHI;
  const int kx = s.UE_OU_I;
  const int ky = s.UE_OU_J;
  int R = 0;
  int count = 0;
  int least = 9999;
  // The moved piece forks only from a square the person does not cover.
  const bool 両取りの場 = SS[tx][ty] == 0;
  const bool 持駒あり = s.SITA_MOCHI_SU > 0;

  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int v = B[i][j];
      if (v == KARA) {
        // A.1 Empty squares the person covers.
        if (SS[i][j] > 0) {
          if (絶対値(i - kx) < 2 && 絶対値(j - ky) < 2) {
            R -= 5 * SS[i][j];
            if (SU[i][j] == 1 && SS[i][j] > 1) R -= 100;
            if (銀か金を持つ(s)) R -= 100;
          }
          if (SU[i][j] == 0 && j < 4) {
            R -= 1;
            if (調査_自守駒MAN_直進駒(s, i, j) == ON) R -= 100;
          }
          if (j < 4 && B[i][j + 1] == K_SITA_HU && SS[i][j] >= SU[i][j]) {
            R -= 300;
            if (調査_自守駒MAN_直進駒(s, i, j + 1) == ON) R -= 700;
          }
        }
        // A.2 Drops the person's hand threatens here.
        if (持駒あり) {
          // Lance skewer: a lance dropped here would attack a valuable piece that
          // shields another.
          if (持[2] > 0 && j > 2 && B[i][j - 1] > K_UE_KYOU && (SS[i][j] > 0 || SU[i][j] == 0)) {
            for (int y = j - 2; y >= 1; --y) {
              if (B[i][y] == KARA) continue;
              if (B[i][y] > K_UE_KYOU) R -= 1000 + 5 * B[i][y];
              break;
            }
          }
          // Knight fork of two pieces.
          if (持[3] > 0 && (SU[i][j] == 0 || (SS[i][j] > 0 && m.UE_NERAI[i][j] > K_UE_KEI)) &&
              j > 2 && 1 < i && i < 9) {
            if (B[i - 1][j - 2] > K_UE_HU && B[i + 1][j - 2] > K_UE_HU) R -= 200;
          }
          if (SU[i][j] == 0) {
            if (j == 2 && B[i][1] == K_UE_KEI) R -= 50;
            if (j < 4) R -= 1;
            // Silver fork of two undefended pieces on a diagonal.
            if (持[4] > 0 && 1 < i && i < 9 && 1 < j && j < 9) {
              if (B[i - 1][j - 1] >= K_UE_HU && B[i + 1][j + 1] >= K_UE_HU &&
                  SU[i - 1][j - 1] == 0 && SU[i + 1][j + 1] == 0) {
                R -= 200;
              }
              if (B[i - 1][j + 1] >= K_UE_HU && B[i + 1][j - 1] >= K_UE_HU &&
                  SU[i - 1][j + 1] == 0 && SU[i + 1][j - 1] == 0) {
                R -= 200;
              }
            }
          }
        }
      } else if (v >= K_UE_HU) {
        // B.1 The computer's king on its back row with the square before it covered,
        // or a pawn pinned before a rook.
        if (v == K_UE_OU && j == 1 && SS[i][2] > 0) {
          R -= 500;
          if (SS[i][2] >= SU[i][2]) R -= 2500;
          if (銀か金を持つ(s)) R -= 7000;
        } else if (v == K_UE_HU && m.SITA_NERAI[i][j] == K_SITA_SYA && 持[1] > 0 &&
                   SS[i][j] >= SU[i][j] && j < 9 && SU[i][j + 1] == 1) {
          R -= 50;
        }
        // B.2 Attacked pieces: defended only by the king, or not at all.
        if (SS[i][j] > 0) {
          if (m.UE_MAMORI[i][j] == K_UE_OU && (SS[i][j] > 1 || v > 絶対値(m.SITA_NERAI[i][j]))) {
            R -= 1000;
          }
          if (SU[i][j] == 0) {
            R -= 10 * v;
            if (j <= 3) R -= 10;
            if (r.MAE_BAN[i][j] <= K_SITA_HU) R += 10 * 絶対値(r.MAE_BAN[i][j]);
            if (j < 4 && (m.SITA_NERAI[i][j] == K_SITA_HU || m.SITA_NERAI[i][j] == K_SITA_KYOU)) {
              R -= 200;
            }
          }
        }
      } else {
        // C.1 Person's pieces the computer attacks only since the candidate move.
        if (r.MAE_SEIRYOKU_UE[i][j] == 0 && SU[i][j] > 0) {
          if (j > 2 && v == K_SITA_KEI && SS[i][j - 1] == 0 &&
              (B[i][j - 1] == K_UE_GIN || B[i][j - 1] == K_UE_NARISYA ||
               B[i][j - 1] == K_UE_NARIKAKU)) {
            R += 10;
          }
          if (絶対値(i - kx) < 3 && 絶対値(j - ky) < 3) R += 150;
        }
        // C.2 A knight that could jump onto uncovered squares before a valuable
        // piece; a straight mover on the king's column.
        if (v == K_SITA_KEI) {
          if (j >= 5 && B[i][j - 4] >= K_UE_GIN) {
            if (i > 1 && B[i - 1][j - 2] >= 0 && SU[i - 1][j - 2] == 0) R -= 10;
            if (i < 9 && B[i + 1][j - 2] >= 0 && SU[i + 1][j - 2] == 0) R -= 10;
          }
        } else if ((v == K_SITA_SYA || v == K_SITA_NARISYA || v == K_SITA_KYOU) && i == kx) {
          R -= 10;
        }
        // C.3 Fork of the moved piece.
        if (両取りの場 && (SS[i][j] == 0 || (i == s.SITA_OU_I && j == s.SITA_OU_J)) &&
            移動チェック(s, tx, ty, i, j, pc) == ON) {
          R += 1;
          count += 1;
          if (絶対値(v) < least) least = 絶対値(v);
        }
      }
    }
  }

  // The cheapest of two or more pieces the moved piece now attacks safely.
  if (count > 1) R += 10 * least;
  return R;
}

}  // namespace kazeban
