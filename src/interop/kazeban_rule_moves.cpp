#include "interop/kazeban_rule_moves.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "interop/standard_rules.h"
#include "rules/pieces.h"
#include "storage/cp932.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

constexpr std::string_view 印 = "#KAZEBAN-RULE";
constexpr std::string_view 段の印 = "#KAZEBAN-ROW";
constexpr std::string_view 持駒の印 = "#KAZEBAN-HANDS";
constexpr std::string_view 手の印 = "#KAZEBAN-MOVE ";
constexpr const char* 説明 =
    "# この対局は KAZEBAN の規則で指されました。標準の将棋で指せない手まで含めた"
    "対局の全体を、KAZEBAN が読む #KAZEBAN の行に記しています。";
constexpr int 持駒の上限 = 18;

// The whole numbers of a line after its mark, separated by blanks; false for anything
// else.
bool 数を読む(std::string_view rest, std::vector<int>& out) {
  out.clear();
  size_t k = 0;
  while (k < rest.size()) {
    if (rest[k] == ' ' || rest[k] == '\t') {
      ++k;
      continue;
    }
    int v = 0;
    const auto [end, ec] = std::from_chars(rest.data() + k, rest.data() + rest.size(), v);
    if (ec != std::errc() || (end != rest.data() + rest.size() && *end != ' ' && *end != '\t')) {
      return false;
    }
    out.push_back(v);
    k = static_cast<size_t>(end - rest.data());
  }
  return true;
}

対局棋譜読込結果 拒否(int line, const std::string& why) {
  対局棋譜読込結果 r;
  r.理由 = std::to_string(line) + "行目: " + why;
  return r;
}

// The block of `start` and `moves`, lines ended by CR LF, in UTF-8.
std::string 区画(const Position& start, const 棋譜の手* moves, int count, bool turned) {
  std::string out = std::string(印) + " first=" + (start.toMove == Color::Black ? "b" : "w") +
                    " turned=" + (turned ? "1" : "0") + "\r\n" + 説明 + "\r\n";
  for (int j = 1; j <= BAN_SUU; ++j) {
    out += std::string(段の印) + " " + std::to_string(j);
    for (int i = 1; i <= BAN_SUU; ++i) out += " " + std::to_string(start.state.BAN[i][j]);
    out += "\r\n";
  }
  out += 持駒の印;
  for (int k = 1; k <= 7; ++k) out += " " + std::to_string(start.state.SITA_MOCHI[k]);
  for (int k = 1; k <= 7; ++k) out += " " + std::to_string(start.state.UE_MOCHI[k]);
  out += "\r\n";
  for (int n = 0; n < count; ++n) {
    const 棋譜の手& m = moves[n];
    char line[64];
    std::snprintf(line, sizeof line, "%2d%1d%1d%1d%4d%4d%4d", m.MOTO_I, m.MOTO_J, m.SAKI_I,
                  m.SAKI_J, m.NARI, m.KOMA, m.TORI);
    out += std::string(手の印) + line + "\r\n";
  }
  return out;
}

// A KIF header line "key：value"; false for any other line.
bool 見出しを読む(std::string_view line, std::string_view& key, std::string_view& value) {
  constexpr std::string_view colon = "：";
  const size_t at = line.find(colon);
  if (at == std::string_view::npos || at == 0 || line.starts_with("#")) return false;
  key = line.substr(0, at);
  value = line.substr(at + colon.size());
  while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.remove_suffix(1);
  return true;
}

// True when the board and the hands hold no more pieces of a kind than one set has.
bool 一組に収まる(const GameState& s) {
  constexpr int set[8] = {2, 18, 4, 4, 4, 4, 2, 2};  // kings, then P L N S G B R
  int count[8] = {};
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (s.BAN[i][j] != KARA) ++count[駒種類(s.BAN[i][j])];
    }
  }
  for (int k = 1; k <= 7; ++k) count[k] += s.SITA_MOCHI[k] + s.UE_MOCHI[k];
  for (int k = 0; k < 8; ++k) {
    if (count[k] > set[k]) return false;
  }
  return true;
}

}  // namespace

書出結果 KAZEBAN規則のKIF(const 対局棋譜& standard, const Position& start, const 棋譜の手* moves,
                          int count, bool utf8) {
  // 1. The standard part; as it is when it holds the whole game from a start standard
  // shogi accepts.
  書出結果 out = 対局棋譜_書出(standard, utf8 ? 棋譜形式::KIFU : 棋譜形式::KIF);
  if (!out.成功) return out;
  if (static_cast<int>(standard.手.size()) == count && *局面の不備(standard.開始局面) == '\0') {
    return out;
  }

  // 2. Otherwise the block, in the file's encoding, before the headers.
  const bool turned = !同一局面(standard.開始局面, start);
  std::string block = 区画(start, moves, count, turned);
  if (!utf8) block = UTF8文書からCP932(block).バイト列;
  size_t at = 0;
  std::string_view bytes = out.バイト列;
  if (bytes.starts_with("\xEF\xBB\xBF")) at = 3;
  if (bytes.substr(at).starts_with("#KIF")) {
    const size_t end = bytes.find('\n', at);
    at = end == std::string_view::npos ? bytes.size() : end + 1;
  }
  out.バイト列.insert(at, block);
  return out;
}

bool KAZEBAN規則の棋譜か(std::string_view text) {
  size_t k = 0;
  while (k < text.size()) {
    const size_t end = text.find('\n', k);
    const std::string_view line = text.substr(k, end == std::string_view::npos ? end : end - k);
    if (line.starts_with(印)) return true;
    if (end == std::string_view::npos) break;
    k = end + 1;
  }
  return false;
}

対局棋譜読込結果 KAZEBAN規則の棋譜_読込(std::string_view text) {
  対局棋譜読込結果 r;
  r.形式 = 棋譜形式::KIF;
  対局棋譜& g = r.棋譜;
  g.KAZEBANルール = true;

  GameState s;
  初期設定_状態(s);
  bool marked = false, turned = false, hands = false;
  Color first = Color::Black;
  int rows = 0;
  std::string sente, gote;
  std::vector<int> v;

  // 1. Line by line: the headers for the names, the block for the game.
  int number = 0;
  for (size_t k = 0; k <= text.size();) {
    ++number;
    const size_t end = text.find('\n', k);
    std::string_view line = text.substr(k, end == std::string_view::npos ? end : end - k);
    k = end == std::string_view::npos ? text.size() + 1 : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::string_view key, value;
    if (line.starts_with(印)) {
      marked = true;
      const std::string_view rest = line.substr(印.size());
      first = rest.find("first=w") != std::string_view::npos ? Color::White : Color::Black;
      turned = rest.find("turned=1") != std::string_view::npos;
    } else if (line.starts_with(段の印)) {
      if (rows == BAN_SUU || !数を読む(line.substr(段の印.size()), v) || v.size() != 10 ||
          v[0] != rows + 1) {
        return 拒否(number, "KAZEBAN の盤の段が読めません");
      }
      ++rows;
      for (int i = 1; i <= BAN_SUU; ++i) {
        const int code = v[static_cast<size_t>(i)];
        if (code != KARA && !盤上の駒コード(code)) {
          return 拒否(number,
                      "KAZEBAN の盤に駒でない番号があります（" + std::to_string(code) + "）");
        }
        s.BAN[i][rows] = code;
      }
    } else if (line.starts_with(持駒の印)) {
      if (!数を読む(line.substr(持駒の印.size()), v) || v.size() != 14) {
        return 拒否(number, "KAZEBAN の持駒が読めません");
      }
      for (int n = 0; n < 14; ++n) {
        if (v[static_cast<size_t>(n)] < 0 || v[static_cast<size_t>(n)] > 持駒の上限) {
          return 拒否(number, "KAZEBAN の持駒の数が範囲外です");
        }
      }
      for (int kind = 1; kind <= 7; ++kind) {
        s.SITA_MOCHI[kind] = v[static_cast<size_t>(kind - 1)];
        s.UE_MOCHI[kind] = v[static_cast<size_t>(kind + 6)];
      }
      hands = true;
    } else if (line.starts_with(手の印)) {
      // 2. A move only once the whole start is known; checked and played as a record
      // file's move.
      if (rows != BAN_SUU || !hands) return 拒否(number, "KAZEBAN の局面より前に手があります");
      if (static_cast<int>(g.手.size()) == KIFU_MAX) {
        r.打切り = true;
        continue;
      }
      if (g.手.empty()) g.開始局面 = 局面(s, first);
      棋譜の手 m;
      const std::string why = 棋譜の行を調べる(s, line.substr(手の印.size()), m);
      if (!why.empty()) return 拒否(number, why);
      const int n = s.KIFU_SUU + 1;
      記録に置く(s, n, m);
      s.KIFU_SAIGO = n;
      棋譜_進める(s);
      g.手.push_back(m);
    } else if (見出しを読む(line, key, value)) {
      if (key == "棋戦") g.棋戦 = value;
      if (key == "開始日時") g.開始日時 = value;
      if (key == "先手" || key == "下手") sente = value;
      if (key == "後手" || key == "上手") gote = value;
    }
  }

  // 3. The whole start, and the names as KAZEBAN's board has them.
  if (!marked) return 拒否(1, "KAZEBAN の規則の印がありません");
  if (rows != BAN_SUU || !hands) return 拒否(number, "KAZEBAN の局面が足りません");
  if (g.手.empty()) g.開始局面 = 局面(s, first);
  if (!一組に収まる(g.開始局面.state))
    return 拒否(number, "KAZEBAN の局面の駒が一組より多くあります");
  g.先手名 = turned ? gote : sente;
  g.後手名 = turned ? sente : gote;
  r.成功 = true;
  return r;
}

}  // namespace kazeban
