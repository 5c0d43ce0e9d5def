// How a piece that bears on a square is written into the influence map, and the
// walks of the sliding and gold-like pieces that the survey delegates.
//
// A piece bears on every square it could move to by its own movement, whatever
// stands there. Each recording procedure below applies to one target square t the
// record of one kind of piece: the count always, then a defence record when t holds
// a piece of the mover's side and an attack record when it holds one of the other
// side. Comparisons are strict, so of two equal codes the first met keeps the record.
//
// The walks stop at the first occupied square, which they record, except that they
// pass through the opposing king and go on recording behind it. They are inline
// because the survey runs them for every position the computer scores.
#pragma once

#include "computer/influence_map.h"
#include "rules/game_state.h"

namespace kazeban {

// The record of every SITA piece: count, most valuable defender, least valuable
// attacker with its square.
inline void 記録_SITA(const GameState& s, 勢力図& m, int c, int i, int j, int ti, int tj) {
  m.SEIRYOKU_SITA[ti][tj] += 1;
  const int t = s.BAN[ti][tj];
  if (t < 0) {
    if (m.SITA_MAMORI[ti][tj] > c) m.SITA_MAMORI[ti][tj] = c;
  }
  if (t > 0) {
    if (m.SITA_NERAI[ti][tj] < c) {
      m.SITA_NERAI[ti][tj] = c;
      m.SITA_NERAI_I[ti][tj] = i;
      m.SITA_NERAI_J[ti][tj] = j;
    }
  }
}

// The UE full record (lance, rook and dragon walks, the dragon's diagonal steps, the
// bishop and horse diagonals): count, defence with the defender's square, attack.
inline void 記録_UE全(const GameState& s, 勢力図& m, int c, int i, int j, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
  const int t = s.BAN[ti][tj];
  if (t >= K_UE_HU) {
    if (m.UE_MAMORI[ti][tj] > c) {
      m.UE_MAMORI[ti][tj] = c;
      m.UE_MAMORI_I[ti][tj] = i;
      m.UE_MAMORI_J[ti][tj] = j;
    }
  }
  if (t <= K_SITA_HU) {
    if (m.UE_NERAI[ti][tj] > c) m.UE_NERAI[ti][tj] = c;
  }
}

// The UE pawn: count, defence without the square, attack.
inline void 記録_UE歩(const GameState& s, 勢力図& m, int c, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
  const int t = s.BAN[ti][tj];
  if (t >= K_UE_HU) {
    if (m.UE_MAMORI[ti][tj] > c) m.UE_MAMORI[ti][tj] = c;
  }
  if (t <= K_SITA_HU) {
    if (m.UE_NERAI[ti][tj] > c) m.UE_NERAI[ti][tj] = c;
  }
}

// The UE knight and silver: count and defence with the square; no attack record.
inline void 記録_UE守(const GameState& s, 勢力図& m, int c, int i, int j, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
  if (s.BAN[ti][tj] >= K_UE_HU) {
    if (m.UE_MAMORI[ti][tj] > c) {
      m.UE_MAMORI[ti][tj] = c;
      m.UE_MAMORI_I[ti][tj] = i;
      m.UE_MAMORI_J[ti][tj] = j;
    }
  }
}

// The UE king: count and defence without the square.
inline void 記録_UE王(const GameState& s, 勢力図& m, int c, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
  if (s.BAN[ti][tj] >= K_UE_HU) {
    if (m.UE_MAMORI[ti][tj] > c) m.UE_MAMORI[ti][tj] = c;
  }
}

// The UE horse's one-step orthogonal moves: the count only.
inline void 記録_UE数(勢力図& m, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
}

// The UE gold-like pieces: count, and a defence of 110 whatever the actual code.
inline void 記録_UE金(const GameState& s, 勢力図& m, int ti, int tj) {
  m.SEIRYOKU_UE[ti][tj] += 1;
  if (s.BAN[ti][tj] >= K_UE_HU && m.UE_MAMORI[ti][tj] > K_UE_KIN) {
    m.UE_MAMORI[ti][tj] = K_UE_KIN;
  }
}

// One square of a walk by the piece c from (i, j), with the full record of its side.
// True when the walk goes on past it: the square is empty or holds the opposing king.
inline bool 勢力確定_一歩(const GameState& s, 勢力図& m, int c, int i, int j, int ti, int tj) {
  const int t = s.BAN[ti][tj];
  if (c < 0) {
    記録_SITA(s, m, c, i, j, ti, tj);
    return t == KARA || t == K_UE_OU;
  }
  記録_UE全(s, m, c, i, j, ti, tj);
  return t == KARA || t == K_SITA_OU;
}

// Straight walks of the lance, rook and dragon c from (i, j), toward row 1, row 9,
// column 9 and column 1.
inline void 勢力確定上直進(const GameState& s, 勢力図& m, int c, int i, int j) {
  for (int y = j - 1; y >= 1; --y) {
    if (!勢力確定_一歩(s, m, c, i, j, i, y)) break;
  }
}
inline void 勢力確定下直進(const GameState& s, 勢力図& m, int c, int i, int j) {
  for (int y = j + 1; y <= BAN_SUU; ++y) {
    if (!勢力確定_一歩(s, m, c, i, j, i, y)) break;
  }
}
inline void 勢力確定右直進(const GameState& s, 勢力図& m, int c, int i, int j) {
  for (int x = i + 1; x <= BAN_SUU; ++x) {
    if (!勢力確定_一歩(s, m, c, i, j, x, j)) break;
  }
}
inline void 勢力確定左直進(const GameState& s, 勢力図& m, int c, int i, int j) {
  for (int x = i - 1; x >= 1; --x) {
    if (!勢力確定_一歩(s, m, c, i, j, x, j)) break;
  }
}

// A SITA gold-like piece c on (i, j): forward, the forward diagonals, back, sideways.
inline void 勢力確定自金(const GameState& s, 勢力図& m, int c, int i, int j) {
  if (j > 1) {
    記録_SITA(s, m, c, i, j, i, j - 1);
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j - 1);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j - 1);
  }
  if (j < 9) 記録_SITA(s, m, c, i, j, i, j + 1);
  if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j);
  if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j);
}

// A UE gold-like piece on (i, j), recorded as a gold whatever its code: back,
// forward, the forward diagonals, sideways.
inline void 勢力確定敵金(const GameState& s, 勢力図& m, int i, int j) {
  if (j > 1) 記録_UE金(s, m, i, j - 1);
  if (j < 9) {
    記録_UE金(s, m, i, j + 1);
    if (i > 1) 記録_UE金(s, m, i - 1, j + 1);
    if (i < 9) 記録_UE金(s, m, i + 1, j + 1);
  }
  if (i > 1) 記録_UE金(s, m, i - 1, j);
  if (i < 9) 記録_UE金(s, m, i + 1, j);
}

// The four diagonal walks from (i, j) in the survey's order, each square recorded
// by `step`, which answers whether the walk goes on.
template <typename Step>
inline void 斜め四方(int i, int j, Step step) {
  for (int x = i - 1, y = j - 1; x >= 1 && y >= 1; --x, --y) {
    if (!step(x, y)) break;
  }
  for (int x = i + 1, y = j - 1; x <= BAN_SUU && y >= 1; ++x, --y) {
    if (!step(x, y)) break;
  }
  for (int x = i - 1, y = j + 1; x >= 1 && y <= BAN_SUU; --x, ++y) {
    if (!step(x, y)) break;
  }
  for (int x = i + 1, y = j + 1; x <= BAN_SUU && y <= BAN_SUU; ++x, ++y) {
    if (!step(x, y)) break;
  }
}

// The diagonals of a SITA bishop or horse on (i, j), always recorded as a bishop.
inline void 勢力確定自角(const GameState& s, 勢力図& m, int i, int j) {
  斜め四方(i, j, [&](int x, int y) { return 勢力確定_一歩(s, m, K_SITA_KAKU, i, j, x, y); });
}

// The diagonals of a UE bishop or horse c on (i, j), recorded under its own code.
inline void 勢力確定敵角(const GameState& s, 勢力図& m, int c, int i, int j) {
  斜め四方(i, j, [&](int x, int y) { return 勢力確定_一歩(s, m, c, i, j, x, y); });
}

}  // namespace kazeban
