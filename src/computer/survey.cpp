#include "computer/survey.h"

#include <cstring>

#include "computer/influence_walks.h"

namespace kazeban {
namespace {

// A table as the reset leaves it: `value` on squares 1..9, 0 in row and column 0,
// which are never written.
struct 表 {
  int v[10][10];
};
constexpr 表 表の値(int value) {
  表 t{};
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) t.v[i][j] = value;
  }
  return t;
}

// Squares a SITA piece c on (i, j) bears on one step away, in the survey's order.
inline void SITA_歩(const GameState& s, 勢力図& m, int c, int i, int j) {
  if (j > 1) 記録_SITA(s, m, c, i, j, i, j - 1);
}

inline void SITA_桂(const GameState& s, 勢力図& m, int c, int i, int j) {
  if (j > 2) {
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j - 2);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j - 2);
  }
}

inline void SITA_銀(const GameState& s, 勢力図& m, int c, int i, int j) {
  if (j > 1) {
    記録_SITA(s, m, c, i, j, i, j - 1);
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j - 1);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j - 1);
  }
  if (j < 9) {
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j + 1);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j + 1);
  }
}

inline void SITA_王(const GameState& s, 勢力図& m, int c, int i, int j) {
  if (j > 1) {
    記録_SITA(s, m, c, i, j, i, j - 1);
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j - 1);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j - 1);
  }
  if (j < 9) {
    記録_SITA(s, m, c, i, j, i, j + 1);
    if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j + 1);
    if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j + 1);
  }
  if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j);
  if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j);
}

// The four walks of a rook or dragon, in the survey's order.
inline void 飛車四方(const GameState& s, 勢力図& m, int c, int i, int j) {
  勢力確定下直進(s, m, c, i, j);
  勢力確定上直進(s, m, c, i, j);
  勢力確定右直進(s, m, c, i, j);
  勢力確定左直進(s, m, c, i, j);
}

}  // namespace

void 勢力調査(GameState& s, 勢力図& m) {
  // 1. Reset every count and record; UE_MAMORI_I/J keep their values.
  static constexpr 表 上限 = 表の値(記録なし_上限);
  static constexpr 表 下限 = 表の値(記録なし_下限);
  std::memset(m.SEIRYOKU_SITA, 0, sizeof m.SEIRYOKU_SITA);
  std::memset(m.SEIRYOKU_UE, 0, sizeof m.SEIRYOKU_UE);
  std::memset(m.SITA_NERAI_I, 0, sizeof m.SITA_NERAI_I);
  std::memset(m.SITA_NERAI_J, 0, sizeof m.SITA_NERAI_J);
  std::memcpy(m.SITA_NERAI, 下限.v, sizeof m.SITA_NERAI);
  std::memcpy(m.UE_NERAI, 上限.v, sizeof m.UE_NERAI);
  std::memcpy(m.SITA_MAMORI, 上限.v, sizeof m.SITA_MAMORI);
  std::memcpy(m.UE_MAMORI, 上限.v, sizeof m.UE_MAMORI);

  // 2-3. Scan column by column, row by row: the scan order is the only tie-break
  // between equal codes bearing on the same square.
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = s.BAN[i][j];
      if (c == KARA) continue;
      switch (c) {
        case K_SITA_HU:
          SITA_歩(s, m, c, i, j);
          break;
        case K_SITA_KYOU:
          勢力確定上直進(s, m, c, i, j);
          break;
        case K_SITA_KEI:
          SITA_桂(s, m, c, i, j);
          break;
        case K_SITA_GIN:
          SITA_銀(s, m, c, i, j);
          break;
        case K_SITA_NARIHU:
        case K_SITA_NARIKYOU:
        case K_SITA_NARIKEI:
        case K_SITA_NARIGIN:
        case K_SITA_KIN:
          勢力確定自金(s, m, c, i, j);
          break;
        case K_SITA_KAKU:
          勢力確定自角(s, m, i, j);
          break;
        case K_SITA_NARIKAKU:
          if (j > 1) 記録_SITA(s, m, c, i, j, i, j - 1);
          if (j < 9) 記録_SITA(s, m, c, i, j, i, j + 1);
          if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j);
          if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j);
          勢力確定自角(s, m, i, j);
          break;
        case K_SITA_SYA:
          飛車四方(s, m, c, i, j);
          break;
        case K_SITA_NARISYA:
          飛車四方(s, m, c, i, j);
          if (j > 1) {
            if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j - 1);
            if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j - 1);
          }
          if (j < 9) {
            if (i > 1) 記録_SITA(s, m, c, i, j, i - 1, j + 1);
            if (i < 9) 記録_SITA(s, m, c, i, j, i + 1, j + 1);
          }
          break;
        case K_SITA_OU:
          s.SITA_OU_I = i;
          s.SITA_OU_J = j;
          SITA_王(s, m, c, i, j);
          break;

        case K_UE_HU:
          if (j < 9) 記録_UE歩(s, m, c, i, j + 1);
          break;
        case K_UE_KYOU:
          勢力確定下直進(s, m, c, i, j);
          break;
        case K_UE_KEI:
          if (j < 8) {
            if (i > 1) 記録_UE守(s, m, c, i, j, i - 1, j + 2);
            if (i < 9) 記録_UE守(s, m, c, i, j, i + 1, j + 2);
          }
          break;
        case K_UE_GIN:
          if (j < 9) {
            記録_UE守(s, m, c, i, j, i, j + 1);
            if (i > 1) 記録_UE守(s, m, c, i, j, i - 1, j + 1);
            if (i < 9) 記録_UE守(s, m, c, i, j, i + 1, j + 1);
          }
          if (j > 1) {
            if (i > 1) 記録_UE守(s, m, c, i, j, i - 1, j - 1);
            if (i < 9) 記録_UE守(s, m, c, i, j, i + 1, j - 1);
          }
          break;
        case K_UE_NARIHU:
        case K_UE_NARIKYOU:
        case K_UE_NARIKEI:
        case K_UE_NARIGIN:
        case K_UE_KIN:
          勢力確定敵金(s, m, i, j);
          break;
        case K_UE_KAKU:
          勢力確定敵角(s, m, c, i, j);
          break;
        case K_UE_NARIKAKU:
          if (j > 1) 記録_UE数(m, i, j - 1);
          if (j < 9) 記録_UE数(m, i, j + 1);
          if (i > 1) 記録_UE数(m, i - 1, j);
          if (i < 9) 記録_UE数(m, i + 1, j);
          勢力確定敵角(s, m, c, i, j);
          break;
        case K_UE_SYA:
          飛車四方(s, m, c, i, j);
          break;
        case K_UE_NARISYA:
          飛車四方(s, m, c, i, j);
          if (j > 1) {
            if (i > 1) 記録_UE全(s, m, c, i, j, i - 1, j - 1);
            if (i < 9) 記録_UE全(s, m, c, i, j, i + 1, j - 1);
          }
          if (j < 9) {
            if (i > 1) 記録_UE全(s, m, c, i, j, i - 1, j + 1);
            if (i < 9) 記録_UE全(s, m, c, i, j, i + 1, j + 1);
          }
          break;
        case K_UE_OU:
          s.UE_OU_I = i;
          s.UE_OU_J = j;
          if (j > 1) {
            記録_UE王(s, m, c, i, j - 1);
            if (i > 1) 記録_UE王(s, m, c, i - 1, j - 1);
            if (i < 9) 記録_UE王(s, m, c, i + 1, j - 1);
          }
          if (j < 9) {
            記録_UE王(s, m, c, i, j + 1);
            if (i > 1) 記録_UE王(s, m, c, i - 1, j + 1);
            if (i < 9) 記録_UE王(s, m, c, i + 1, j + 1);
          }
          if (i > 1) 記録_UE王(s, m, c, i - 1, j);
          if (i < 9) 記録_UE王(s, m, c, i + 1, j);
          break;

        default:
          // Codes that never stand on the board (±111) bear on nothing.
          break;
      }
    }
  }
}

}  // namespace kazeban
