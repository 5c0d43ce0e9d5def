#include "display/western_notation.h"

#include "rules/move_check.h"
#include "rules/promotion.h"

namespace kazeban {
namespace {

bool 盤上(int i, int j) {
  return i >= 1 && i <= BAN_SUU && j >= 1 && j <= BAN_SUU;
}

// The letter of a piece code of either side, "+" before a promoted one.
std::string_view 駒の字(int code) {
  switch (code < 0 ? -code : code) {
    case 10:
      return "P";
    case 11:
      return "+P";
    case 20:
      return "L";
    case 21:
      return "+L";
    case 30:
      return "N";
    case 31:
      return "+N";
    case 100:
      return "S";
    case 101:
      return "+S";
    case 110:
      return "G";
    case 800:
      return "B";
    case 801:
      return "+B";
    case 900:
      return "R";
    case 901:
      return "+R";
    case 950:
      return "K";
    default:
      return "?";
  }
}

struct 書き手 {
  西洋式の表記& out;
  void operator()(std::string_view s) {
    for (char c : s) {
      if (out.長さ < out.文字.size()) out.文字[out.長さ++] = c;
    }
  }
  void 升(int i, int j) {
    const char text[2] = {static_cast<char>('0' + (10 - i)), static_cast<char>('a' + j - 1)};
    (*this)(std::string_view(text, 2));
  }
};

}  // namespace

西洋式の表記 西洋式の手(const GameState& after, int n, int toColumn, int toRow, int code) {
  西洋式の表記 result;
  書き手 write{result};
  const bool known = n >= 1 && n <= KIFU_MAX && after.KIFU_SAKI_I[n] == toColumn &&
                     after.KIFU_SAKI_J[n] == toRow && after.KIFU_NARI[n] == code &&
                     盤上(toColumn, toRow);
  if (!known) {
    write(駒の字(code));
    if (盤上(toColumn, toRow)) write.升(toColumn, toRow);
    return result;
  }
  const int fromI = after.KIFU_MOTO_I[n], fromJ = after.KIFU_MOTO_J[n];
  const int before_code = after.KIFU_KOMA[n];
  const bool drop = !盤上(fromI, fromJ);

  // The position before the move: the piece back on its square, the capture back on
  // the destination.
  GameState before = after;
  before.BAN[toColumn][toRow] = after.KIFU_TORI[n];
  if (!drop) before.BAN[fromI][fromJ] = before_code;

  write(駒の字(before_code));
  if (drop) {
    write("*");
    write.升(toColumn, toRow);
    return result;
  }

  // The origin, when another piece of the same code could have gone there too.
  bool ambiguous = false;
  for (int i = 1; i <= BAN_SUU && !ambiguous; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if ((i != fromI || j != fromJ) && before.BAN[i][j] == before_code &&
          移動チェック(before, i, j, toColumn, toRow, before_code) == ON) {
        ambiguous = true;
        break;
      }
    }
  }
  if (ambiguous) write.升(fromI, fromJ);

  write(after.KIFU_TORI[n] != KARA ? "x" : "-");
  write.升(toColumn, toRow);
  if (code != before_code) {
    write("+");
  } else if (調査_駒成(before, fromI, fromJ, toColumn, toRow, before_code) == ON) {
    write("=");
  }
  return result;
}

}  // namespace kazeban
