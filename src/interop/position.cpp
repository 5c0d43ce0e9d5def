#include "interop/position.h"

#include "rules/pieces.h"

namespace kazeban {
namespace {

// Finds the king `code` on the board; false, leaving (i, j) alone, when it is not there.
bool 玉を探す(const GameState& s, int code, int& i, int& j) {
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (s.BAN[x][y] == code) {
        i = x;
        j = y;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

Position 平手局面() {
  Position p;
  初期設定_状態(p.state);
  p.toMove = Color::Black;
  return p;
}

Position 局面(const GameState& s, Color toMove) {
  Position p;
  初期設定_状態(p.state);
  GameState& g = p.state;
  g.SITA_MOCHI_SU = 0;
  g.UE_MOCHI_SU = 0;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) g.BAN[i][j] = s.BAN[i][j];
  }
  for (int k = 1; k <= 7; ++k) {
    g.SITA_MOCHI[k] = s.SITA_MOCHI[k];
    g.UE_MOCHI[k] = s.UE_MOCHI[k];
    if (s.SITA_MOCHI[k] > 0) g.SITA_MOCHI_SU += s.SITA_MOCHI[k];
    if (s.UE_MOCHI[k] > 0) g.UE_MOCHI_SU += s.UE_MOCHI[k];
  }
  玉を探す(g, K_SITA_OU, g.SITA_OU_I, g.SITA_OU_J);
  玉を探す(g, K_UE_OU, g.UE_OU_I, g.UE_OU_J);
  p.toMove = toMove;
  return p;
}

void 局面を盤へ(const Position& p, GameState& s) {
  const GameState& g = p.state;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) s.BAN[i][j] = g.BAN[i][j];
  }
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOCHI[k] = g.SITA_MOCHI[k];
    s.UE_MOCHI[k] = g.UE_MOCHI[k];
  }
  s.SITA_MOCHI_SU = g.SITA_MOCHI_SU;
  s.UE_MOCHI_SU = g.UE_MOCHI_SU;
  s.SITA_OU_I = g.SITA_OU_I;
  s.SITA_OU_J = g.SITA_OU_J;
  s.UE_OU_I = g.UE_OU_I;
  s.UE_OU_J = g.UE_OU_J;
}

bool 同一局面(const Position& a, const Position& b) {
  if (a.toMove != b.toMove) return false;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (a.state.BAN[i][j] != b.state.BAN[i][j]) return false;
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if (a.state.SITA_MOCHI[k] != b.state.SITA_MOCHI[k]) return false;
    if (a.state.UE_MOCHI[k] != b.state.UE_MOCHI[k]) return false;
  }
  return true;
}

void 指す(Position& p, const 棋譜の手& m) {
  GameState& g = p.state;
  const bool black = p.toMove == Color::Black;
  const int taken = g.BAN[m.SAKI_I][m.SAKI_J];
  const int kind = 駒種類(taken);
  if (taken != KARA) {
    // A captured king (only in KAZEBAN's own games) is counted but enters no hand.
    if (black) {
      g.SITA_MOCHI_SU += 1;
      if (kind != 0) g.SITA_MOCHI[kind] += 1;
    } else {
      g.UE_MOCHI_SU += 1;
      if (kind != 0) g.UE_MOCHI[kind] += 1;
    }
  }
  if (m.MOTO_I == 11) {
    g.SITA_MOCHI[m.MOTO_J - 2] -= 1;
    g.SITA_MOCHI_SU -= 1;
  } else if (m.MOTO_I == -1) {
    g.UE_MOCHI[m.MOTO_J] -= 1;
    g.UE_MOCHI_SU -= 1;
  } else {
    g.BAN[m.MOTO_I][m.MOTO_J] = KARA;
  }
  g.BAN[m.SAKI_I][m.SAKI_J] = m.NARI;
  if (m.NARI == K_SITA_OU) {
    g.SITA_OU_I = m.SAKI_I;
    g.SITA_OU_J = m.SAKI_J;
  } else if (m.NARI == K_UE_OU) {
    g.UE_OU_I = m.SAKI_I;
    g.UE_OU_J = m.SAKI_J;
  }
  p.toMove = 相手(p.toMove);
}

Position 回した局面(const Position& p) {
  GameState s;
  初期設定_状態(s);
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) s.BAN[i][j] = -p.state.BAN[10 - i][10 - j];
  }
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOCHI[k] = p.state.UE_MOCHI[k];
    s.UE_MOCHI[k] = p.state.SITA_MOCHI[k];
  }
  return 局面(s, 相手(p.toMove));
}

棋譜の手 回した手(const 棋譜の手& m) {
  棋譜の手 out;
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    const int kind = 駒種類(m.KOMA);
    out.MOTO_I = m.MOTO_I == 11 ? -1 : 11;
    out.MOTO_J = m.MOTO_I == 11 ? kind : kind + 2;
  } else {
    out.MOTO_I = 10 - m.MOTO_I;
    out.MOTO_J = 10 - m.MOTO_J;
  }
  out.SAKI_I = 10 - m.SAKI_I;
  out.SAKI_J = 10 - m.SAKI_J;
  out.NARI = -m.NARI;
  out.KOMA = -m.KOMA;
  out.TORI = -m.TORI;
  return out;
}

}  // namespace kazeban
