#include "storage/record_file.h"

#include <cstdio>
#include <utility>

#include "rules/pieces.h"
#include "storage/cp932.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

constexpr size_t 手の行の長さ = 17;
constexpr int 見出しの行数 = 3;

// The fields of a move line: where each sits and what the player calls it.
struct 欄 {
  const char* 名前;
  size_t 始め;  // 0-based
  size_t 幅;
  int 棋譜の手::*値;
};
constexpr 欄 欄表[] = {
    {"移動元の列", 0, 2, &棋譜の手::MOTO_I},   {"移動元の段", 2, 1, &棋譜の手::MOTO_J},
    {"移動先の列", 3, 1, &棋譜の手::SAKI_I},   {"移動先の段", 4, 1, &棋譜の手::SAKI_J},
    {"動かした後の駒", 5, 4, &棋譜の手::NARI}, {"動かす前の駒", 9, 4, &棋譜の手::KOMA},
    {"取った駒", 13, 4, &棋譜の手::TORI},
};

bool 空白(char c) {
  return c == ' ' || c == '\t';
}

bool 空白だけ(std::string_view line) {
  for (const char c : line) {
    if (!空白(c)) return false;
  }
  return true;
}

// The file's lines one after another; CR LF, a lone CR and a lone LF all end a line,
// and a last line without an end still counts.
class 行読み {
 public:
  explicit 行読み(std::string_view bytes) : rest_(bytes) {}

  bool 次(std::string_view& line) {
    if (rest_.empty()) return false;
    size_t end = 0;
    while (end < rest_.size() && rest_[end] != '\r' && rest_[end] != '\n') ++end;
    line = rest_.substr(0, end);
    size_t skip = end;
    if (skip < rest_.size()) {
      skip += rest_[skip] == '\r' && skip + 1 < rest_.size() && rest_[skip + 1] == '\n' ? 2 : 1;
    }
    rest_.remove_prefix(skip);
    ++番号_;
    return true;
  }

  // The number of the line last read, counted from 1 as an editor counts.
  int 番号() const { return 番号_; }

  // True when no line but empty or blank ones is left.
  bool 残りは空白だけ() {
    std::string_view line;
    while (次(line)) {
      if (!空白だけ(line)) return false;
    }
    return true;
  }

 private:
  std::string_view rest_;
  int 番号_ = 0;
};

// A field as a number: its digits with an optional sign, blanks anywhere ignored.
// False for anything else (empty, a lone sign, a letter, a second sign).
bool 数値として読む(std::string_view field, int& value) {
  std::string text;
  for (const char c : field) {
    if (!空白(c)) text += c;
  }
  size_t k = 0;
  const bool minus = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) k = 1;
  if (k == text.size()) return false;
  int v = 0;
  for (; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    v = v * 10 + (text[k] - '0');  // at most four characters: no overflow
  }
  value = minus ? -v : v;
  return true;
}

std::string 文字目(const 欄& f) {
  if (f.幅 == 1) return std::to_string(f.始め + 1) + "文字目";
  return std::to_string(f.始め + 1) + "～" + std::to_string(f.始め + f.幅) + "文字目";
}

// Reads one move line by its columns; empty when it reads, else why not.
std::string 手の行を読む(std::string_view line, 棋譜の手& m) {
  if (line.size() < 手の行の長さ) {
    return "手の行が短すぎます（" + std::to_string(手の行の長さ) + "文字必要なところ " +
           std::to_string(line.size()) + "文字です）";
  }
  for (const 欄& f : 欄表) {
    if (!数値として読む(line.substr(f.始め, f.幅), m.*(f.値))) {
      return std::string(f.名前) + "（" + 文字目(f) + "）が数字として読めません";
    }
  }
  if (!空白だけ(line.substr(手の行の長さ))) {
    return std::to_string(手の行の長さ) + "文字目より後に余計な文字があります";
  }
  return {};
}

std::string 数(int v) {
  return std::to_string(v);
}

std::string 升(int i, int j) {
  return "列" + 数(i) + "・段" + 数(j);
}

bool 駒台の列(int i) {
  return i == -1 || i == 11;
}

// The promoted code of a code that promotes (pawn, lance, knight, silver, bishop,
// rook, of either side), else KARA.
int 成った駒(int code) {
  const int m = code < 0 ? -code : code;
  const bool promotes = m == 10 || m == 20 || m == 30 || m == 100 || m == 800 || m == 900;
  if (!promotes) return KARA;
  return code < 0 ? code - 1 : code + 1;
}

// Empty when every field of the move is in its range, else why not. This alone keeps
// every field inside its columns when written and every index inside the board.
std::string 範囲の誤り(const 棋譜の手& m) {
  if (!(駒台の列(m.MOTO_I) || (m.MOTO_I >= 1 && m.MOTO_I <= BAN_SUU))) {
    return "移動元の列が範囲外です（" + 数(m.MOTO_I) + "）";
  }
  const std::pair<const char*, int> squares[] = {
      {"移動元の段", m.MOTO_J}, {"移動先の列", m.SAKI_I}, {"移動先の段", m.SAKI_J}};
  for (const auto& [name, v] : squares) {
    if (v < 1 || v > BAN_SUU) return std::string(name) + "が範囲外です（" + 数(v) + "）";
  }
  if (!盤上の駒コード(m.NARI))
    return "動かした後の駒が駒の番号ではありません（" + 数(m.NARI) + "）";
  if (!盤上の駒コード(m.KOMA)) return "動かす前の駒が駒の番号ではありません（" + 数(m.KOMA) + "）";
  if (m.TORI != KARA && !盤上の駒コード(m.TORI)) {
    return "取った駒が駒の番号ではありません（" + 数(m.TORI) + "）";
  }
  return {};
}

// Empty when the move (its fields in range) can be played on the position `s`,
// else why not.
std::string 局面の誤り(const GameState& s, const 棋譜の手& m) {
  // 1. The piece after the move is the piece before it, or its promoted form.
  if (m.NARI != m.KOMA && m.NARI != 成った駒(m.KOMA)) {
    return "動かした後の駒（" + 数(m.NARI) + "）が動かす前の駒（" + 数(m.KOMA) +
           "）ともその成駒とも違います";
  }
  // 2. A captured piece is the other side's.
  if (m.TORI != KARA && SITAの駒(m.TORI) == SITAの駒(m.KOMA)) {
    return "自分の駒（" + 数(m.TORI) + "）を取っています";
  }

  // 3. A drop: an unpromoted piece other than a king, of the side whose hand the
  // column names, present in that hand, onto an empty square.
  if (駒台の列(m.MOTO_I)) {
    const bool sita = m.MOTO_I == 11;
    if (sita != SITAの駒(m.KOMA)) {
      return std::string("移動元の列 ") + 数(m.MOTO_I) + " は" + (sita ? "下" : "上") +
             "側の持駒ですが、打つ駒（" + 数(m.KOMA) + "）は" + (sita ? "上" : "下") + "側の駒です";
    }
    const int k = 駒種類(m.KOMA);
    if (k == 0) return "王は打てません";
    if (m.KOMA != (sita ? 持駒_SITAコード(k) : 持駒_UEコード(k))) {
      return "成駒は打てません（" + 数(m.KOMA) + "）";
    }
    if (m.NARI != m.KOMA) return "打った駒は成れません（" + 数(m.NARI) + "）";
    if ((sita ? s.SITA_MOCHI[k] : s.UE_MOCHI[k]) < 1) {
      return "打つ駒（" + 数(m.KOMA) + "）が持駒にありません";
    }
    if (m.TORI != KARA) return "駒を打つ手が駒を取っています（" + 数(m.TORI) + "）";
  } else if (s.BAN[m.MOTO_I][m.MOTO_J] != m.KOMA) {
    // 4. A board move leaves a square that holds the piece it names.
    const int there = s.BAN[m.MOTO_I][m.MOTO_J];
    return 升(m.MOTO_I, m.MOTO_J) + "に動かす駒（" + 数(m.KOMA) + "）がありません（" +
           (there == KARA ? std::string("空いています") : "そこにあるのは " + 数(there)) + "）";
  }

  // 5. It lands where the captured code (or nothing) stands.
  const int there = s.BAN[m.SAKI_I][m.SAKI_J];
  if (there != m.TORI) {
    return "移動先（" + 升(m.SAKI_I, m.SAKI_J) + "）にあるのは " + 数(there) + " で、取った駒（" +
           数(m.TORI) + "）と違います";
  }
  return {};
}

棋譜読込結果 拒否(int line, const std::string& why) {
  棋譜読込結果 r;
  r.理由 = 数(line) + "行目: " + why;
  return r;
}

}  // namespace

void 記録に置く(GameState& s, int n, const 棋譜の手& m) {
  s.KIFU_MOTO_I[n] = m.MOTO_I;
  s.KIFU_MOTO_J[n] = m.MOTO_J;
  s.KIFU_SAKI_I[n] = m.SAKI_I;
  s.KIFU_SAKI_J[n] = m.SAKI_J;
  s.KIFU_NARI[n] = m.NARI;
  s.KIFU_KOMA[n] = m.KOMA;
  s.KIFU_TORI[n] = m.TORI;
}

std::string 棋譜の行を調べる(const GameState& s, std::string_view line, 棋譜の手& m) {
  std::string why = 手の行を読む(line, m);
  if (why.empty()) why = 範囲の誤り(m);
  if (why.empty()) why = 局面の誤り(s, m);
  return why;
}

棋譜読込結果 棋譜_解析(std::string_view bytes) {
  棋譜読込結果 r;
  行読み lines(bytes);
  std::string_view line;

  // 1. The three name lines, as many as there are.
  std::string* const names[見出しの行数] = {&r.データ.対局名, &r.データ.上側の名,
                                            &r.データ.下側の名};
  for (std::string* name : names) {
    if (!lines.次(line)) {
      r.成功 = true;
      return r;
    }
    *name = CP932からUTF8(line);
  }

  // 2. The moves, each read by its columns, checked and played on a board of its own
  // from the starting position, up to KIFU_MAX of them.
  GameState s;
  初期設定_状態(s);
  while (lines.次(line)) {
    const int number = lines.番号();
    if (s.KIFU_SUU == KIFU_MAX) {
      // The record is full: whatever follows is only noticed, never read.
      r.打切り = !空白だけ(line) || !lines.残りは空白だけ();
      break;
    }
    if (空白だけ(line)) {
      // Empty lines may end the file, but not separate moves.
      if (lines.残りは空白だけ()) break;
      return 拒否(number, "空の行です");
    }
    棋譜の手 m;
    const std::string why = 棋譜の行を調べる(s, line, m);
    if (!why.empty()) return 拒否(number, why);

    const int n = s.KIFU_SUU + 1;
    記録に置く(s, n, m);
    s.KIFU_SAIGO = n;
    棋譜_進める(s);
    r.データ.手.push_back(m);
  }

  // 3. Who moved first follows from the first move.
  if (!r.データ.手.empty()) r.データ.下側が先手 = SITAの駒(r.データ.手.front().KOMA);
  r.成功 = true;
  return r;
}

棋譜バイト列結果 棋譜_バイト列(const 棋譜データ& data) {
  棋譜バイト列結果 r;

  // 1. The name lines in CP932, refused when a name cannot be written.
  const std::pair<const char*, const std::string*> names[見出しの行数] = {
      {"対局名", &data.対局名},
      {data.下側が先手 ? "後手の名前" : "先手の名前", &data.上側の名},
      {data.下側が先手 ? "先手の名前" : "後手の名前", &data.下側の名},
  };
  std::string out;
  for (const auto& [field, name] : names) {
    const CP932変換結果 c = UTF8からCP932(*name);
    if (!c.成功) {
      r.理由 =
          std::string(field) + "に、棋譜ファイルに書けない文字があります（" + c.書けない文字 + "）";
      return r;
    }
    out += c.バイト列;
    out += "\r\n";
  }

  // 2. One line per move, each field right-aligned in its columns.
  if (data.手.size() > static_cast<size_t>(KIFU_MAX)) {
    r.理由 = "手が多すぎます（" + 数(static_cast<int>(data.手.size())) + "手。" + 数(KIFU_MAX) +
             "手までです）";
    return r;
  }
  for (size_t k = 0; k < data.手.size(); ++k) {
    const 棋譜の手& m = data.手[k];
    const std::string why = 範囲の誤り(m);
    if (!why.empty()) {
      r.理由 = 数(static_cast<int>(k + 1)) + "手目の記録が正しくないため書き込めません: " + why;
      return r;
    }
    char line[手の行の長さ + 3];
    std::snprintf(line, sizeof line, "%2d%1d%1d%1d%4d%4d%4d\r\n", m.MOTO_I, m.MOTO_J, m.SAKI_I,
                  m.SAKI_J, m.NARI, m.KOMA, m.TORI);
    out += line;
  }
  r.成功 = true;
  r.バイト列 = std::move(out);
  return r;
}

棋譜データ 棋譜_記録から(const GameState& s, std::string 対局名, std::string 上側の名,
                         std::string 下側の名) {
  棋譜データ d;
  d.対局名 = std::move(対局名);
  d.上側の名 = std::move(上側の名);
  d.下側の名 = std::move(下側の名);
  d.下側が先手 = s.SITA_SENGO == SENTE;
  const int last = s.KIFU_SUU < KIFU_MAX ? s.KIFU_SUU : KIFU_MAX;
  for (int n = 1; n <= last; ++n) {
    d.手.push_back({s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
                    s.KIFU_NARI[n], s.KIFU_KOMA[n], s.KIFU_TORI[n]});
  }
  return d;
}

void 棋譜_記録へ(const 棋譜データ& data, GameState& s) {
  const int count =
      data.手.size() < static_cast<size_t>(KIFU_MAX) ? static_cast<int>(data.手.size()) : KIFU_MAX;
  for (int n = 1; n <= count; ++n) {
    記録に置く(s, n, data.手[static_cast<size_t>(n - 1)]);
  }
  s.KIFU_SAIGO = count;
  s.KIFU_SUU = 0;
  s.TESUU = 0;
}

}  // namespace kazeban
