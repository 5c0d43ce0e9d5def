// The level-3 rules of the evaluation, one block per kind of piece now standing on
// the candidate's destination. They hold opening and defensive knowledge about
// particular squares of the computer's camp. A rule that "ends with X" returns X at
// once; the others adjust S and go on. The promoted lance, knight, silver and the
// promoted bishop have no rules.
#include "computer/evaluation.h"
#include "rules/move_check.h"

namespace kazeban {
namespace {

// Everything the rules read, gathered once.
struct 局面 {
  const GameState& s;
  const 勢力図& m;
  const COM記録& r;
  int cap, pc, fx, fy, tx, ty;

  int B(int x, int y) const { return s.BAN[x][y]; }
  int SS(int x, int y) const { return m.SEIRYOKU_SITA[x][y]; }
  int SU(int x, int y) const { return m.SEIRYOKU_UE[x][y]; }
  int 前SS(int x, int y) const { return r.MAE_SEIRYOKU_SITA[x][y]; }
  int 前SU(int x, int y) const { return r.MAE_SEIRYOKU_UE[x][y]; }
  int 狙い(int x, int y) const { return m.SITA_NERAI[x][y]; }
  bool 人の王が(int x, int y) const { return s.SITA_OU_I == x && s.SITA_OU_J == y; }
};

int 歩(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty, fx = p.fx, fy = p.fy;

  // P1. What stands behind the pawn.
  if (ty < 9) {
    if (p.B(tx, ty + 1) == K_UE_KIN) {
      S += 5;
    } else if (p.B(tx, ty + 1) == K_UE_SYA) {
      S -= 10;
    }
  }

  // P2. A pawn beside the computer's rook.
  if (p.SU(tx, ty) > 0 && 1 < tx && tx < 9) {
    if (p.B(tx + 1, ty) == K_UE_SYA || p.B(tx - 1, ty) == K_UE_SYA) S -= 10;
  }

  if (fx < 0) {
    // P3. A dropped pawn: before the person's bishop at home, or blocking a lance or
    // rook that attacks it from below on its column.
    if (p.B(2, 8) == K_SITA_KAKU && tx == 2 && ty == 7) {
      if (!(p.SS(2, 7) > 0 && p.SU(2, 7) == 0)) S += 300;
    }
    const int ax = p.m.SITA_NERAI_I[tx][ty];
    const int ay = p.m.SITA_NERAI_J[tx][ty];
    if (!(p.前SU(ax, ay) > 0 && p.SS(ax, ay) == 0)) {
      if (p.SU(tx, ty) > 0 && ax == tx &&
          (p.狙い(tx, ty) == K_SITA_KYOU || p.狙い(tx, ty) == K_SITA_SYA) && ty < ay) {
        return S + 1200;
      }
    }
    return S;
  }

  // P4. A pawn moved on the board.
  S -= 1;
  const int 守 = p.m.UE_MAMORI[tx][ty];
  if (守 == K_UE_KIN || 守 == K_UE_GIN) S += 6;
  if (ty >= 8) return S;

  if (ty == 4) {
    if (tx == 3) {
      if (p.B(3, 5) == K_SITA_KAKU) S -= 100;
    } else if (tx == 7) {
      if (p.SU(8, 2) == 0 && p.SS(8, 2) > 0) S -= 100;
    } else if (tx == 9) {
      if (p.人の王が(5, 8) && p.B(8, 2) == K_UE_KAKU) S += 100;
      if (p.cap == K_SITA_HU) S += 100;
    }
  }

  if (守 == K_UE_KYOU) {
    S += 10;
  } else if (守 == K_UE_SYA && p.m.UE_MAMORI_I[tx][ty] == tx && p.SU(tx, ty) >= p.SS(tx, ty) &&
             p.m.UE_MAMORI_J[tx][ty] < ty) {
    S += 20;
  }

  if (p.SS(tx, ty + 1) == 0 && p.B(tx, ty + 2) <= K_SITA_KEI) S += 10;

  if (ty < 7) {
    if (p.B(tx, ty + 1) == K_SITA_HU && p.SS(tx, ty + 1) > 0) S -= 50;
    if (tx < 9 && p.B(tx + 1, ty) == K_UE_KAKU) {
      S += 5;
      if (p.B(tx + 1, ty + 2) == K_SITA_HU) S += 50;
    }
    if (tx > 1) {
      if (tx == 7 && ty == 4 && p.B(8, 2) == K_UE_KAKU) S += 100;
      if (p.B(tx - 1, ty) == K_UE_KAKU) {
        S += 5;
        if (p.B(tx - 1, ty + 2) == K_SITA_HU) S += 50;
      }
    }
  }

  // A capture by a pawn that only one computer piece bore on before it left.
  if (p.cap <= K_SITA_HU && p.SU(fx, fy) == 1) {
    if (ty > 2 && p.狙い(tx, ty) == K_SITA_KYOU && p.B(tx, ty - 2) == K_UE_KAKU) {
      S -= 50;
    } else {
      S += 50;
    }
    if (p.cap == K_SITA_HU && (p.狙い(tx, ty) == K_SITA_KYOU || p.狙い(tx, ty) == K_SITA_SYA)) {
      S += 500;
    }
  }

  // Facing a piece of the person.
  const int 前方 = p.B(tx, ty + 1);
  if (前方 <= K_SITA_HU) {
    if (p.SU(tx, ty) > p.SS(tx, ty)) return S + 10;
    if (前方 == K_SITA_HU) return S - 50;
    if (p.SU(tx, ty) > 0) {
      if (p.前SU(tx, ty + 1) > 0 && p.前SS(tx, ty + 1) == 0) return S - 10;
      if (p.SU(tx, ty) >= p.SS(tx, ty)) return S + 50;
    } else if (p.SS(tx, ty) == 0) {
      return S + 10;
    }
  }
  return S;
}

int と金(const 局面& p, int S) {
  if (p.SU(p.tx, p.ty) >= p.SS(p.tx, p.ty)) S += 10;
  return S;
}

int 香(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty;
  if (p.fx != -1 || ty >= 8) return S;
  if (p.s.SITA_MOCHI[1] > 0) {
    if (p.SS(tx, ty + 1) > 0 && p.SS(tx, ty) == 0) S -= 100;
  }
  // Skewer: the piece before the lance shields another piece of the person.
  if (p.B(tx, ty + 1) <= K_SITA_KYOU && (p.SU(tx, ty) >= p.SS(tx, ty) || p.SS(tx, ty) == 0)) {
    for (int y = ty + 2; y <= BAN_SUU; ++y) {
      if (p.B(tx, y) == KARA) continue;
      if (移動チェック(p.s, tx, ty + 1, tx, y, K_UE_KYOU) == ON && p.B(tx, y) < K_SITA_KYOU) {
        return S + 100;
      }
      break;
    }
  }
  return S;
}

int 桂(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty;
  S -= 1;
  // An unpromoted knight never stands below row 7, so row ty + 1 is on the board.
  if (ty < 9 && p.SS(tx, ty + 1) > 0) S -= 10;
  if (ty < 8 && 1 < tx && tx < 9 && p.SS(tx - 1, ty + 2) > 0 && p.SS(tx + 1, ty + 2) > 0) {
    return S - 10;
  }
  return S;
}

int 銀(const 局面& p, int S) {
  if (p.ty == 2 && p.B(5, 1) == K_UE_OU) {
    if (p.tx == 6) {
      if (p.狙い(7, 3) == K_SITA_KAKU) return S + 300;
    } else if (p.tx == 4) {
      if (p.狙い(3, 3) == K_SITA_KAKU) return S + 300;
    }
  }
  return S;
}

int 金(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty, fx = p.fx, fy = p.fy;
  if (fy == 1 && (fx == 4 || fx == 6)) S -= 50;
  // A diagonal step forward. A drop passes here with fy the kind (5) and fx -1.
  if (ty > fy && tx != fx) S -= 5;
  if (ty == 4) {
    if (p.SS(6, 4) > 0 && p.B(6, 4) == K_UE_KAKU) return S - 50;
  } else if (ty == 2) {
    if (p.B(8, 3) == K_UE_HU && p.B(8, 6) == K_SITA_HU && tx == 7 &&
        p.m.SITA_MAMORI[8][6] == K_SITA_SYA) {
      S += 100;
    }
    if (p.s.SITA_MOCHI[6] > 0 && p.前SU(tx, ty + 1) == 0 && p.B(tx, ty + 1) >= K_UE_HU) {
      S += 20;
      if (p.前SU(tx, ty + 2) == 1 && p.B(tx, ty + 2) == K_UE_KAKU) return S + 1250;
    }
  }
  return S;
}

int 角(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty, fx = p.fx, fy = p.fy;
  if (ty >= 9) return S;
  if (ty == 3) {
    if (tx == 9) {
      if (p.人の王が(5, 8) && 移動チェック(p.s, 9, 3, 5, 7, K_UE_KAKU) == ON) S += 100;
    } else if (tx == 7) {
      if (p.B(8, 5) == K_SITA_HU && p.m.SITA_MAMORI[8][5] == K_SITA_SYA) S += 90;
    }
  } else if (ty == 5 && tx == 5 && p.SS(5, 5) == 0) {
    if (p.人の王が(6, 8)) S += 100;
    if (p.人の王が(5, 9) && p.B(6, 8) == KARA) S += 100;
  }
  // Back home from an attacked square, with the way back still open.
  if (fx > 0 && p.SS(fx, fy) > 0 && tx == 8 && ty == 2 && p.SS(8, 2) == 0) {
    if (移動チェック(p.s, 8, 2, fx, fy, K_UE_KAKU) == ON) S += 2000;
  }
  if (p.SS(tx, ty + 1) > 0 && ty < 8 && p.B(tx, ty + 2) == K_SITA_HU) return S - 10;
  return S;
}

int 飛(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty, fx = p.fx, fy = p.fy;
  if (fx == -1) {
    if (ty == 9 && p.B(tx, 8) == K_SITA_GIN && 1 < tx && tx < 9) {
      if ((p.B(tx + 1, 8) == K_SITA_KIN && p.B(tx - 1, 9) != KARA) ||
          (p.B(tx - 1, 8) == K_SITA_KIN && p.B(tx + 1, 9) != KARA)) {
        return S - 10;
      }
    }
  } else if (ty < 8) {
    if (p.SS(tx, ty + 1) > 0) {
      S -= 10;
      if (p.B(tx, ty + 2) == K_SITA_HU && ty == fy) S -= 50;
    }
    if (p.SS(fx, fy) == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3) return S - 10;
  }
  return S;
}

int 竜(const 局面& p, int S) {
  const int tx = p.tx, ty = p.ty;
  if (p.B(tx, ty - 1) == K_SITA_GIN && 1 < tx && tx < 9) {
    if ((p.B(tx + 1, ty - 1) == K_SITA_KIN && p.B(tx - 1, ty) != KARA) ||
        (p.B(tx - 1, ty - 1) == K_SITA_KIN && p.B(tx + 1, ty) != KARA)) {
      S -= 100;
    }
  }
  const int hx = p.s.SITA_OU_I;
  const int hy = p.s.SITA_OU_J;
  if (p.SS(tx, ty) == 0 || (p.SU(tx, ty) > 0 && p.狙い(tx, ty) == K_SITA_OU)) {
    const int dx = tx - hx < 0 ? hx - tx : tx - hx;
    const int dy = ty - hy < 0 ? hy - ty : ty - hy;
    if ((tx == hx || ty == hy) && dx < 3 && dy < 3) return S + 1000;
  }
  return S;
}

int 王(const 局面& p, int S) {
  if (p.ty > 1) {
    if (p.fx == 4 && p.fy == 2 && p.tx == 5 && p.ty == 2 && p.狙い(3, 3) == K_SITA_KAKU) S += 500;
    S -= 120;
  }
  if (p.SU(p.tx, p.ty) > p.前SU(p.tx, p.ty)) return S + 10;
  return S;
}

}  // namespace

int 盤評価_駒別(const GameState& s, const 勢力図& m, const COM記録& r, int S, int cap, int pc,
                int fx, int fy, int tx, int ty) {
  const 局面 p{s, m, r, cap, pc, fx, fy, tx, ty};
  switch (pc) {
    case K_UE_HU:
      return 歩(p, S);
    case K_UE_NARIHU:
      return と金(p, S);
    case K_UE_KYOU:
      return 香(p, S);
    case K_UE_KEI:
      return 桂(p, S);
    case K_UE_GIN:
      return 銀(p, S);
    case K_UE_KIN:
      return 金(p, S);
    case K_UE_KAKU:
      return 角(p, S);
    case K_UE_SYA:
      return 飛(p, S);
    case K_UE_NARISYA:
      return 竜(p, S);
    case K_UE_OU:
      return 王(p, S);
    default:
      return S;
  }
}

}  // namespace kazeban
