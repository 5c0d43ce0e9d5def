// Move legality: may the piece with a given code go from one square to another in
// the current position? This is the only movement rule of the game. It knows the
// movement of every piece, drops onto empty squares, the double-pawn rule (through
// the flags of 調査_2歩フラグ設定, which the caller refreshes before testing a drop)
// and the rows where a dropped pawn, lance or knight could never move. It does not
// look at whose turn it is, at checks left standing, or at the drop-pawn-mate rule.
//
// The computer's search asks this thousands of times a turn, so it is inline, reads
// only the squares on the piece's path and allocates nothing.
#pragma once

#include "rules/game_state.h"

namespace kazeban {

// ON when the squares share a column or a row and every square between is empty.
inline int 移動チェック飛車(const GameState& s, int fromI, int fromJ, int toI, int toJ) {
  if (fromI != toI && fromJ != toJ) return OFF;
  if (fromJ != toJ) {
    const int step = toJ > fromJ ? 1 : -1;
    for (int k = fromJ + step; k != toJ; k += step) {
      if (s.BAN[toI][k] != KARA) return OFF;
    }
  }
  if (fromI != toI) {
    const int step = toI > fromI ? 1 : -1;
    for (int k = fromI + step; k != toI; k += step) {
      if (s.BAN[k][toJ] != KARA) return OFF;
    }
  }
  return ON;
}

// ON when the squares share a diagonal and every square between is empty. The
// destination itself is not looked at (移動チェック did that).
inline int 移動チェック角(const GameState& s, int fromI, int fromJ, int toI, int toJ) {
  if (toI - fromI != fromJ - toJ && fromI - fromJ != toI - toJ) return OFF;
  if (fromI == toI) return OFF;  // same square: no diagonal step to take
  const int si = toI > fromI ? 1 : -1;
  const int sj = toJ > fromJ ? 1 : -1;
  for (int i = fromI + si, j = fromJ + sj; i != toI; i += si, j += sj) {
    if (s.BAN[i][j] != KARA) return OFF;
  }
  return ON;
}

// ON when `code` may move (or be dropped, from column 11 or −1) from (fromI, fromJ)
// to (toI, toJ); OFF otherwise.
inline int 移動チェック(const GameState& s, int fromI, int fromJ, int toI, int toJ, int code) {
  // 1-3. The destination must be on the board, elsewhere than the origin, and not
  // hold a piece of the mover's own side.
  if (toI < 1 || toI > BAN_SUU || toJ < 1 || toJ > BAN_SUU) return OFF;
  if (fromI == toI && fromJ == toJ) return OFF;
  const int dest = s.BAN[toI][toJ];
  if (code >= K_UE_HU && dest >= K_UE_HU) return OFF;
  if (code < K_UE_HU && dest <= K_SITA_HU) return OFF;

  // 5. Drops go to empty squares, never a second unpromoted pawn in a column; only
  // the pawn, lance and knight have rows of their own to refuse below.
  const bool drop = fromI == 11 || fromI == -1;
  if (drop) {
    if (dest != KARA) return OFF;
    if (code == K_SITA_HU && s.NIFU_SITA[toI] == 1) return OFF;
    if (code == K_UE_HU && s.NIFU_UE[toI] == 1) return OFF;
    if (code != K_UE_HU && code != K_UE_KYOU && code != K_UE_KEI && code != K_SITA_HU &&
        code != K_SITA_KYOU && code != K_SITA_KEI) {
      return ON;
    }
  }

  // 6. The movement of each kind.
  const int di = toI - fromI;
  const int dj = toJ - fromJ;
  const int adi = di < 0 ? -di : di;
  const int adj = dj < 0 ? -dj : dj;
  switch (code) {
    case K_UE_HU:
      if (fromI > 0) return toI == fromI && dj == 1 ? ON : OFF;
      return toJ == 9 ? OFF : ON;
    case K_UE_KYOU:
      if (fromI != -1) {
        if (toI != fromI || dj <= 0) return OFF;
        for (int k = fromJ + 1; k <= toJ - 1; ++k) {
          if (s.BAN[toI][k] != KARA) return OFF;
        }
        return ON;
      }
      return toJ == 9 ? OFF : ON;
    case K_UE_KEI:
      if (fromI != -1) return dj == 2 && adi == 1 ? ON : OFF;
      return toJ > 7 ? OFF : ON;
    case K_UE_GIN:
      return adi <= 1 && (dj == 1 || (dj == -1 && di != 0)) ? ON : OFF;
    case K_UE_NARIHU:
    case K_UE_NARIKYOU:
    case K_UE_NARIKEI:
    case K_UE_NARIGIN:
    case K_UE_KIN:
      return (adi <= 1 && (dj == 0 || dj == 1)) || (di == 0 && dj == -1) ? ON : OFF;
    case K_UE_KAKU:
    case K_SITA_KAKU:
      return 移動チェック角(s, fromI, fromJ, toI, toJ);
    case K_UE_NARIKAKU:
    case K_SITA_NARIKAKU:
      if (adi <= 1 && adj <= 1) return ON;
      return 移動チェック角(s, fromI, fromJ, toI, toJ);
    case K_UE_SYA:
    case K_SITA_SYA:
      return 移動チェック飛車(s, fromI, fromJ, toI, toJ);
    case K_UE_NARISYA:
    case K_SITA_NARISYA:
      if (adi <= 1 && adj <= 1) return ON;
      return 移動チェック飛車(s, fromI, fromJ, toI, toJ);
    case K_UE_OU:
    case K_SITA_OU:
      return adi <= 1 && adj <= 1 ? ON : OFF;
    case K_SITA_HU:
      if (fromI != 11) return toI == fromI && dj == -1 ? ON : OFF;
      return toJ == 1 ? OFF : ON;
    case K_SITA_KYOU:
      if (fromI != 11) {
        if (toI != fromI || dj >= 0) return OFF;
        for (int k = fromJ - 1; k >= toJ + 1; --k) {
          if (s.BAN[toI][k] != KARA) return OFF;
        }
        return ON;
      }
      return toJ == 1 ? OFF : ON;
    case K_SITA_KEI:
      if (fromI != 11) return dj == -2 && adi == 1 ? ON : OFF;
      return toJ < 3 ? OFF : ON;
    case K_SITA_GIN:
      return adi <= 1 && (dj == -1 || (dj == 1 && di != 0)) ? ON : OFF;
    case K_SITA_NARIHU:
    case K_SITA_NARIKYOU:
    case K_SITA_NARIKEI:
    case K_SITA_NARIGIN:
    case K_SITA_KIN:
      return (adi <= 1 && (dj == 0 || dj == -1)) || (di == 0 && dj == 1) ? ON : OFF;
    default:
      // No other code ever stands on the board or in a hand.
      return OFF;
  }
}

}  // namespace kazeban
