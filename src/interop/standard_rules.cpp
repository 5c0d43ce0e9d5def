#include "interop/standard_rules.h"

#include <cstdlib>

#include "rules/move.h"
#include "rules/pieces.h"

namespace kazeban {
namespace {

// The eight directions a step or a slide can take, as (column, row) deltas.
constexpr int 方向[8][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

constexpr bool 盤内(int i, int j) {
  return i >= 1 && i <= BAN_SUU && j >= 1 && j <= BAN_SUU;
}

constexpr bool 味方(int code, bool black) {
  return black ? SITAの駒(code) : UEの駒(code);
}

// True when the piece `code` reaches (di, dj) away in one step (a knight's jump
// included). Black advances toward row 1, white toward row 9.
constexpr bool 一歩で届く(int code, int di, int dj) {
  const int f = code < 0 ? -dj : dj;  // how far forward
  const int ai = di < 0 ? -di : di;
  const int m = code < 0 ? -code : code;
  switch (m) {
    case K_UE_HU:
    case K_UE_KYOU:
      return di == 0 && f == 1;
    case K_UE_KEI:
      return ai == 1 && f == 2;
    case K_UE_GIN:
      return ai <= 1 && (f == 1 || (f == -1 && ai == 1));
    case K_UE_KIN:
    case K_UE_NARIHU:
    case K_UE_NARIKYOU:
    case K_UE_NARIKEI:
    case K_UE_NARIGIN:
      return (ai <= 1 && f == 1) || (ai == 1 && f == 0) || (di == 0 && f == -1);
    case K_UE_NARIKAKU:
      return ai + (f < 0 ? -f : f) == 1;
    case K_UE_NARISYA:
      return ai == 1 && (f == 1 || f == -1);
    case K_UE_OU:
      return ai <= 1 && f >= -1 && f <= 1 && (ai | f) != 0;
    default:
      return false;
  }
}

// True when the piece `code` slides any distance along the unit direction (ui, uj).
constexpr bool 滑る(int code, int ui, int uj) {
  const int m = code < 0 ? -code : code;
  switch (m) {
    case K_UE_KYOU:
      return ui == 0 && (code < 0 ? -uj : uj) == 1;
    case K_UE_KAKU:
    case K_UE_NARIKAKU:
      return ui != 0 && uj != 0;
    case K_UE_SYA:
    case K_UE_NARISYA:
      return ui == 0 || uj == 0;
    default:
      return false;
  }
}

constexpr bool 成れる駒(int code) {
  switch (code < 0 ? -code : code) {
    case K_UE_HU:
    case K_UE_KYOU:
    case K_UE_KEI:
    case K_UE_GIN:
    case K_UE_KAKU:
    case K_UE_SYA:
      return true;
    default:
      return false;
  }
}

constexpr int 成った駒(int code) {
  return code < 0 ? code - 1 : code + 1;
}

constexpr bool 敵陣(int j, bool black) {
  return black ? j <= 3 : j >= 7;
}

using 盤 = int[10][10];

// True when a piece of the side `black` attacks (ti, tj) on board b.
bool 利き_盤(const 盤& b, int ti, int tj, bool black) {
  for (const auto& d : 方向) {
    int x = ti + d[0];
    int y = tj + d[1];
    bool adjacent = true;
    while (盤内(x, y)) {
      const int c = b[x][y];
      if (c != KARA) {
        if (味方(c, black) &&
            ((adjacent && 一歩で届く(c, ti - x, tj - y)) || 滑る(c, -d[0], -d[1]))) {
          return true;
        }
        break;
      }
      adjacent = false;
      x += d[0];
      y += d[1];
    }
  }
  // Knights: a black knight two rows below, a white one two rows above.
  const int y = black ? tj + 2 : tj - 2;
  const int knight = black ? K_SITA_KEI : K_UE_KEI;
  for (int x : {ti - 1, ti + 1}) {
    if (盤内(x, y) && b[x][y] == knight) return true;
  }
  return false;
}

// True when the piece on (fi, fj) can move to (ti, tj) on board b (blocking pieces
// counted, the destination's piece not looked at).
bool 届く(const 盤& b, int fi, int fj, int ti, int tj) {
  const int c = b[fi][fj];
  const int di = ti - fi;
  const int dj = tj - fj;
  if (一歩で届く(c, di, dj)) return true;
  if (!(di == 0 || dj == 0 || std::abs(di) == std::abs(dj))) return false;
  const int ui = (di > 0) - (di < 0);
  const int uj = (dj > 0) - (dj < 0);
  if (!滑る(c, ui, uj)) return false;
  for (int x = fi + ui, y = fj + uj; x != ti || y != tj; x += ui, y += uj) {
    if (b[x][y] != KARA) return false;
  }
  return true;
}

// The board, both kings and both hands of a position, changed and put back while a
// move is judged, so that judging copies the board once and allocates nothing.
struct 作業局面 {
  盤 b;
  int 玉I[2] = {0, 0};  // [0] black, [1] white; 0 when the king is not on the board
  int 玉J[2] = {0, 0};
  int 持駒[2][8];

  explicit 作業局面(const GameState& s) {
    for (int i = 0; i < 10; ++i) {
      for (int j = 0; j < 10; ++j) b[i][j] = s.BAN[i][j];
    }
    for (int k = 0; k < 8; ++k) {
      持駒[0][k] = s.SITA_MOCHI[k];
      持駒[1][k] = s.UE_MOCHI[k];
    }
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) {
        if (b[i][j] == K_SITA_OU) 玉I[0] = i, 玉J[0] = j;
        if (b[i][j] == K_UE_OU) 玉I[1] = i, 玉J[1] = j;
      }
    }
  }

  bool 王手(bool black) const {
    const int s = black ? 0 : 1;
    return 玉I[s] != 0 && 利き_盤(b, 玉I[s], 玉J[s], !black);
  }
};

// True when, with the piece on (fi, fj) moved to (ti, tj), the king of `black` then
// standing on (ki, kj) is not attacked. The board is left as it was.
bool 指して安全か(作業局面& w, bool black, int fi, int fj, int ti, int tj, int ki, int kj) {
  const int piece = w.b[fi][fj];
  const int there = w.b[ti][tj];
  w.b[fi][fj] = KARA;
  w.b[ti][tj] = piece;
  const bool attacked = 利き_盤(w.b, ki, kj, !black);
  w.b[ti][tj] = there;
  w.b[fi][fj] = piece;
  return !attacked;
}

// After a pawn of the side opposite `black` dropped on (pi, pj) checks the king of
// `black`: true when that king has any legal answer. A check by an adjacent pawn can
// only be answered by taking the pawn or moving the king.
bool 逃げ道あり(作業局面& w, bool black, int pi, int pj) {
  const int s = black ? 0 : 1;
  const int ki = w.玉I[s];
  const int kj = w.玉J[s];
  const int king = w.b[ki][kj];
  for (const auto& d : 方向) {
    const int x = ki + d[0];
    const int y = kj + d[1];
    if (!盤内(x, y) || 味方(w.b[x][y], black)) continue;
    if (指して安全か(w, black, ki, kj, x, y, x, y)) return true;
  }
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      const int c = w.b[x][y];
      if (!味方(c, black) || c == king || !届く(w.b, x, y, pi, pj)) continue;
      if (指して安全か(w, black, x, y, pi, pj, ki, kj)) return true;
    }
  }
  return false;
}

// Judges a drop whose fields have been checked: the rules that need the position.
標準判定結果 打ちの判定(作業局面& w, bool black, int kind, int code, int ti, int tj) {
  if (kind == 1) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (w.b[ti][y] == code) return 標準判定結果::二歩;
    }
  }
  if (移動後チェック(tj, code) == OFF) return 標準判定結果::行き所のない駒;
  w.b[ti][tj] = code;
  標準判定結果 r = 標準判定結果::合法;
  if (w.王手(black)) {
    r = 標準判定結果::王手放置;
  } else if (kind == 1) {
    const int o = black ? 1 : 0;
    const int kingRow = black ? tj - 1 : tj + 1;
    if (w.玉I[o] == ti && w.玉J[o] == kingRow && !逃げ道あり(w, !black, ti, tj)) {
      r = 標準判定結果::打ち歩詰め;
    }
  }
  w.b[ti][tj] = KARA;
  return r;
}

// Judges a board move whose piece can reach its destination: the code after it, the
// stranded piece, the mover's own king.
標準判定結果 移動の判定(作業局面& w, bool black, int fi, int fj, int ti, int tj, int code,
                        int after) {
  if (after != code &&
      !(成れる駒(code) && after == 成った駒(code) && (敵陣(fj, black) || 敵陣(tj, black)))) {
    return 標準判定結果::不正;
  }
  if (移動後チェック(tj, after) == OFF) return 標準判定結果::行き所のない駒;
  const int s = black ? 0 : 1;
  const int taken = w.b[ti][tj];
  w.b[fi][fj] = KARA;
  w.b[ti][tj] = after;
  const bool king = code == K_SITA_OU || code == K_UE_OU;
  if (king) w.玉I[s] = ti, w.玉J[s] = tj;
  const bool leftInCheck = w.王手(black);
  if (king) w.玉I[s] = fi, w.玉J[s] = fj;
  w.b[ti][tj] = taken;
  w.b[fi][fj] = code;
  return leftInCheck ? 標準判定結果::王手放置 : 標準判定結果::合法;
}

標準判定結果 判定(作業局面& w, bool black, const 棋譜の手& m) {
  if (!盤内(m.SAKI_I, m.SAKI_J)) return 標準判定結果::不正;
  const int target = w.b[m.SAKI_I][m.SAKI_J];
  if (m.TORI != target || 味方(target, black)) return 標準判定結果::不正;
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    if (m.MOTO_I != (black ? 11 : -1) || target != KARA) return 標準判定結果::不正;
    const int kind = black ? m.MOTO_J - 2 : m.MOTO_J;
    if (kind < 1 || kind > 7 || w.持駒[black ? 0 : 1][kind] <= 0) return 標準判定結果::不正;
    const int code = black ? 持駒_SITAコード(kind) : 持駒_UEコード(kind);
    if (m.KOMA != code || m.NARI != code) return 標準判定結果::不正;
    return 打ちの判定(w, black, kind, code, m.SAKI_I, m.SAKI_J);
  }
  if (!盤内(m.MOTO_I, m.MOTO_J)) return 標準判定結果::不正;
  const int code = w.b[m.MOTO_I][m.MOTO_J];
  if (!味方(code, black) || m.KOMA != code) return 標準判定結果::不正;
  if (target == K_SITA_OU || target == K_UE_OU) return 標準判定結果::不正;
  if (!届く(w.b, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J)) return 標準判定結果::不正;
  return 移動の判定(w, black, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, code, m.NARI);
}

}  // namespace

bool 利きあり(const GameState& s, int i, int j, Color by) {
  return 盤内(i, j) && 利き_盤(s.BAN, i, j, by == Color::Black);
}

bool 王手されている(const GameState& s, Color side) {
  const int king = side == Color::Black ? K_SITA_OU : K_UE_OU;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (s.BAN[i][j] == king) return 利き_盤(s.BAN, i, j, side != Color::Black);
    }
  }
  return false;
}

標準判定結果 標準判定(const Position& p, const 棋譜の手& m) {
  作業局面 w(p.state);
  return 判定(w, p.toMove == Color::Black, m);
}

棋譜の手 盤上の手(const Position& p, int fromI, int fromJ, int toI, int toJ, bool promote) {
  棋譜の手 m;
  m.MOTO_I = fromI;
  m.MOTO_J = fromJ;
  m.SAKI_I = toI;
  m.SAKI_J = toJ;
  m.KOMA = 盤内(fromI, fromJ) ? p.state.BAN[fromI][fromJ] : KARA;
  m.NARI = promote && 成れる駒(m.KOMA) ? 成った駒(m.KOMA) : m.KOMA;
  m.TORI = 盤内(toI, toJ) ? p.state.BAN[toI][toJ] : KARA;
  return m;
}

棋譜の手 打つ手(const Position& p, int kind, int toI, int toJ) {
  const bool black = p.toMove == Color::Black;
  棋譜の手 m;
  m.MOTO_I = black ? 11 : -1;
  m.MOTO_J = black ? kind + 2 : kind;
  m.SAKI_I = toI;
  m.SAKI_J = toJ;
  m.KOMA = black ? 持駒_SITAコード(kind) : 持駒_UEコード(kind);
  m.NARI = m.KOMA;
  m.TORI = 盤内(toI, toJ) ? p.state.BAN[toI][toJ] : KARA;
  return m;
}

int 合法手一覧(const Position& p, 棋譜の手* out) {
  作業局面 w(p.state);
  const bool black = p.toMove == Color::Black;
  int n = 0;
  // Board moves, square by square, each destination promoted first where it may be.
  const auto 加える = [&](int fi, int fj, int ti, int tj) {
    const int code = w.b[fi][fj];
    const int target = w.b[ti][tj];
    if (味方(target, black) || target == K_SITA_OU || target == K_UE_OU) return;
    if (成れる駒(code) && (敵陣(fj, black) || 敵陣(tj, black)) &&
        移動の判定(w, black, fi, fj, ti, tj, code, 成った駒(code)) == 標準判定結果::合法) {
      out[n++] = {fi, fj, ti, tj, 成った駒(code), code, target};
    }
    if (移動の判定(w, black, fi, fj, ti, tj, code, code) == 標準判定結果::合法) {
      out[n++] = {fi, fj, ti, tj, code, code, target};
    }
  };
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = w.b[i][j];
      if (!味方(c, black)) continue;
      for (const auto& d : 方向) {
        if (滑る(c, d[0], d[1])) {
          for (int x = i + d[0], y = j + d[1]; 盤内(x, y); x += d[0], y += d[1]) {
            加える(i, j, x, y);
            if (w.b[x][y] != KARA) break;
          }
        } else if (一歩で届く(c, d[0], d[1]) && 盤内(i + d[0], j + d[1])) {
          加える(i, j, i + d[0], j + d[1]);
        }
      }
      const int y = black ? j - 2 : j + 2;
      for (int x : {i - 1, i + 1}) {
        if (盤内(x, y) && 一歩で届く(c, x - i, y - j)) 加える(i, j, x, y);
      }
    }
  }
  // Drops, kind by kind.
  for (int k = 1; k <= 7; ++k) {
    if (w.持駒[black ? 0 : 1][k] <= 0) continue;
    const int code = black ? 持駒_SITAコード(k) : 持駒_UEコード(k);
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) {
        if (w.b[i][j] != KARA) continue;
        if (打ちの判定(w, black, k, code, i, j) == 標準判定結果::合法) {
          out[n++] = {black ? 11 : -1, black ? k + 2 : k, i, j, code, code, KARA};
        }
      }
    }
  }
  return n;
}

}  // namespace kazeban

namespace kazeban {

const char* 標準判定の説明(標準判定結果 r) {
  switch (r) {
    case 標準判定結果::合法:
      return "合法手";
    case 標準判定結果::不正:
      return "その駒はそこへ指せません";
    case 標準判定結果::二歩:
      return "二歩";
    case 標準判定結果::行き所のない駒:
      return "行き所のない駒";
    case 標準判定結果::王手放置:
      return "王手放置";
    case 標準判定結果::打ち歩詰め:
      return "打ち歩詰め";
  }
  return "";
}

const char* 開始局面の不備(const Position& p) {
  const GameState& s = p.state;
  // How many of each kind a set holds: pawn, lance, knight, silver, gold, bishop, rook.
  constexpr int 一組[8] = {0, 18, 4, 4, 4, 4, 2, 2};
  int count[8] = {};
  int kings[2] = {0, 0};
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = s.BAN[i][j];
      if (c == KARA) continue;
      if (!盤上の駒コード(c)) return "盤に駒でないものがあります";
      if (c == K_SITA_OU || c == K_UE_OU) {
        ++kings[c < 0 ? 0 : 1];
      } else {
        ++count[駒種類(c)];
      }
    }
  }
  if (kings[0] > 1 || kings[1] > 1) return "玉が二枚あります";
  for (int k = 1; k <= 7; ++k) {
    if (s.SITA_MOCHI[k] < 0 || s.UE_MOCHI[k] < 0) return "持駒の数が負です";
    count[k] += s.SITA_MOCHI[k] + s.UE_MOCHI[k];
    if (count[k] > 一組[k]) return "駒の数が一組より多くなっています";
  }
  return "";
}

const char* 局面の不備(const Position& p) {
  const GameState& s = p.state;
  // 1. Standard shogi's own rules of a position, square by square and file by file.
  for (int i = 1; i <= BAN_SUU; ++i) {
    int pawns[2] = {0, 0};
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = s.BAN[i][j];
      if (c == KARA) continue;
      if (!盤上の駒コード(c)) return "盤に駒でないものがあります";
      if (c == K_SITA_HU) ++pawns[0];
      if (c == K_UE_HU) ++pawns[1];
      if (c != K_SITA_OU && c != K_UE_OU && 移動後チェック(j, c) == OFF) {
        return "行き所のない駒があります";
      }
    }
    if (pawns[0] > 1 || pawns[1] > 1) return "二歩があります";
  }
  // 2. What makes play from it impossible at all.
  if (const char* why = 開始局面の不備(p); *why != '\0') return why;
  // 3. The side not to move may not stand in check.
  if (王手されている(s, 相手(p.toMove))) return "手番でない側の玉に王手がかかっています";
  return "";
}

}  // namespace kazeban
