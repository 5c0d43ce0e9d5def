#include "interop/sfen.h"

#include <cstdio>

#include "interop/standard_rules.h"
#include "rules/pieces.h"

namespace kazeban {
namespace {

// SFEN letters of the kinds 1..7 and of the king, upper case (black).
constexpr char 種類の字[9] = {' ', 'P', 'L', 'N', 'S', 'G', 'B', 'R', 'K'};

// Kind 1..7 of an upper-case letter, 8 for the king, 0 for anything else.
int 字の種類(char c) {
  for (int k = 1; k <= 8; ++k) {
    if (種類の字[k] == c) return k;
  }
  return 0;
}

// The code of kind 1..8 (8: king) for a side, promoted when asked.
int 駒コード(int kind, bool black, bool promoted) {
  int code = kind == 8 ? K_UE_OU : 持駒_UEコード(kind);
  if (promoted) code += 1;
  return black ? -code : code;
}

char 小文字(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char 大文字(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Splits at blanks (spaces, tabs, line ends).
std::vector<std::string_view> 語に分ける(std::string_view t) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < t.size()) {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\r' || t[i] == '\n')) ++i;
    const size_t b = i;
    while (i < t.size() && !(t[i] == ' ' || t[i] == '\t' || t[i] == '\r' || t[i] == '\n')) ++i;
    if (i > b) out.push_back(t.substr(b, i - b));
  }
  return out;
}

// A square "7g": KAZEBAN column and row; false when it is no square.
bool 升目(char file, char rank, int& i, int& j) {
  if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return false;
  i = 10 - (file - '0');
  j = rank - 'a' + 1;
  return true;
}

}  // namespace

bool SFEN_局面解析(std::string_view board, std::string_view side, std::string_view hands,
                   Position& out, std::string& 理由, bool record) {
  GameState s;
  初期設定_状態(s);
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) s.BAN[i][j] = KARA;
  }
  // 1. The board, rank by rank.
  int j = 1;
  int i = 1;
  bool promoted = false;
  for (const char c : board) {
    if (c == '/') {
      if (i != 10 || promoted || j == 9) {
        理由 = "盤の段の升の数が9ではありません";
        return false;
      }
      ++j;
      i = 1;
    } else if (c >= '1' && c <= '9') {
      if (promoted) {
        理由 = "「+」の後に駒がありません";
        return false;
      }
      i += c - '0';
      if (i > 10) {
        理由 = "盤の段の升の数が9を超えています";
        return false;
      }
    } else if (c == '+') {
      if (promoted) {
        理由 = "「+」が続いています";
        return false;
      }
      promoted = true;
    } else {
      const int kind = 字の種類(大文字(c));
      if (kind == 0) {
        理由 = std::string("駒の字ではありません: ") + c;
        return false;
      }
      if (promoted && (kind == 5 || kind == 8)) {
        理由 = std::string("成れない駒です: +") + c;
        return false;
      }
      if (i > 9) {
        理由 = "盤の段の升の数が9を超えています";
        return false;
      }
      s.BAN[i][j] = 駒コード(kind, c == 大文字(c), promoted);
      promoted = false;
      ++i;
    }
  }
  if (j != 9 || i != 10 || promoted) {
    理由 = "盤が9段9筋になっていません";
    return false;
  }
  // 2. The side to move.
  if (side != "b" && side != "w") {
    理由 = "手番は b か w です";
    return false;
  }
  // 3. The hands: "-" or counts and letters.
  if (hands != "-") {
    int n = 0;
    bool digits = false;
    for (const char c : hands) {
      if (c >= '0' && c <= '9') {
        n = n * 10 + (c - '0');
        digits = true;
        if (n > 18) {
          理由 = "持駒の数が多すぎます";
          return false;
        }
        continue;
      }
      const int kind = 字の種類(大文字(c));
      if (kind == 0 || kind == 8 || (digits && n == 0)) {
        理由 = "持駒が読めません";
        return false;
      }
      (c == 大文字(c) ? s.SITA_MOCHI : s.UE_MOCHI)[kind] += digits ? n : 1;
      n = 0;
      digits = false;
    }
    if (digits || hands.empty()) {
      理由 = "持駒が読めません";
      return false;
    }
  }
  out = 局面(s, side == "b" ? Color::Black : Color::White);
  const char* flaw = record ? 開始局面の不備(out) : 局面の不備(out);
  if (*flaw != '\0') {
    理由 = flaw;
    return false;
  }
  return true;
}

SFEN読込結果 SFEN_解析(std::string_view text, bool kazebanRules, bool record) {
  SFEN読込結果 r;
  const std::vector<std::string_view> w = 語に分ける(text);
  size_t n = 0;
  if (n < w.size() && w[n] == "position") ++n;
  if (n >= w.size()) {
    r.理由 = "局面がありません";
    return r;
  }
  if (w[n] == "startpos") {
    r.局面 = 平手局面();
    ++n;
  } else {
    if (w[n] == "sfen") ++n;
    if (n + 3 > w.size()) {
      r.理由 = "SFENの欄が足りません";
      return r;
    }
    if (!SFEN_局面解析(w[n], w[n + 1], w[n + 2], r.局面, r.理由, record)) return r;
    n += 3;
    // The move number is optional.
    if (n < w.size() && w[n] != "moves") {
      for (const char c : w[n]) {
        if (c < '0' || c > '9') {
          r.理由 = "手数が数ではありません: " + std::string(w[n]);
          return r;
        }
      }
      ++n;
    }
  }
  if (n < w.size()) {
    if (w[n] != "moves") {
      r.理由 = "余分な語があります: " + std::string(w[n]);
      return r;
    }
    ++n;
  }
  Position p = r.局面;
  for (; n < w.size(); ++n) {
    const int number = static_cast<int>(r.手.size()) + 1;
    棋譜の手 m;
    if (!USI_指し手解析(p, w[n], m)) {
      r.理由 = std::to_string(number) + "手目 " + std::string(w[n]) + ": 指し手が読めません";
      return r;
    }
    const 標準判定結果 j = 標準判定(p, m);
    const bool kazebanOnly = j == 標準判定結果::王手放置 || j == 標準判定結果::打ち歩詰め;
    if (j != 標準判定結果::合法 && !(kazebanRules && kazebanOnly)) {
      r.理由 = std::to_string(number) + "手目 " + std::string(w[n]) + ": " + 標準判定の説明(j);
      return r;
    }
    r.手.push_back(m);
    指す(p, m);
  }
  r.成功 = true;
  return r;
}

std::string SFEN_局面(const Position& p, int moveNumber) {
  const GameState& s = p.state;
  std::string out;
  out.reserve(96);
  for (int j = 1; j <= BAN_SUU; ++j) {
    if (j > 1) out += '/';
    int empty = 0;
    for (int i = 1; i <= BAN_SUU; ++i) {
      const int c = s.BAN[i][j];
      if (c == KARA) {
        ++empty;
        continue;
      }
      if (empty > 0) out += static_cast<char>('0' + empty);
      empty = 0;
      const int m = c < 0 ? -c : c;
      const int kind = m == K_UE_OU ? 8 : 駒種類(c);
      if (kind != 8 && m != (kind == 0 ? 0 : 持駒_UEコード(kind))) out += '+';
      const char letter = 種類の字[kind];
      out += c < 0 ? letter : 小文字(letter);
    }
    if (empty > 0) out += static_cast<char>('0' + empty);
  }
  out += p.toMove == Color::Black ? " b " : " w ";
  // Hands in the usual order: rook, bishop, gold, silver, knight, lance, pawn.
  bool any = false;
  for (const int* hand : {s.SITA_MOCHI, s.UE_MOCHI}) {
    for (int k = 7; k >= 1; --k) {
      const int n = hand[k];
      if (n <= 0) continue;
      if (n > 1) out += std::to_string(n);
      out += hand == s.SITA_MOCHI ? 種類の字[k] : 小文字(種類の字[k]);
      any = true;
    }
  }
  if (!any) out += '-';
  out += ' ';
  out += std::to_string(moveNumber);
  return out;
}

std::string USI_指し手(const 棋譜の手& m) {
  std::string out;
  const auto 升 = [&](int i, int j) {
    out += static_cast<char>('0' + 10 - i);
    out += static_cast<char>('a' + j - 1);
  };
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    const int kind = m.MOTO_I == 11 ? m.MOTO_J - 2 : m.MOTO_J;
    out += kind >= 1 && kind <= 7 ? 種類の字[kind] : '?';
    out += '*';
    升(m.SAKI_I, m.SAKI_J);
    return out;
  }
  升(m.MOTO_I, m.MOTO_J);
  升(m.SAKI_I, m.SAKI_J);
  if (m.NARI != m.KOMA) out += '+';
  return out;
}

bool USI_指し手解析(const Position& p, std::string_view t, 棋譜の手& out) {
  const bool black = p.toMove == Color::Black;
  int ti = 0;
  int tj = 0;
  if (t.size() == 4 && t[1] == '*') {
    const int kind = 字の種類(t[0]);
    if (kind < 1 || kind > 7 || !升目(t[2], t[3], ti, tj)) return false;
    if ((black ? p.state.SITA_MOCHI : p.state.UE_MOCHI)[kind] <= 0) return false;
    out = 打つ手(p, kind, ti, tj);
    return true;
  }
  if (t.size() != 4 && !(t.size() == 5 && t[4] == '+')) return false;
  int fi = 0;
  int fj = 0;
  if (!升目(t[0], t[1], fi, fj) || !升目(t[2], t[3], ti, tj)) return false;
  const int code = p.state.BAN[fi][fj];
  if (black ? !SITAの駒(code) : !UEの駒(code)) return false;
  const bool promote = t.size() == 5;
  out = 盤上の手(p, fi, fj, ti, tj, promote);
  return !promote || out.NARI != out.KOMA;
}

}  // namespace kazeban
