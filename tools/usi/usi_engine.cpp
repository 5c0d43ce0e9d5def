#include "usi_engine.h"

#include <cctype>
#include <cstdio>
#include <utility>

#include "interop/sfen.h"
#include "interop/standard_rules.h"
#include "usi_turn.h"

namespace kazeban {

namespace {

bool 空白(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view 削る(std::string_view t) {
  while (!t.empty() && 空白(t.front())) t.remove_prefix(1);
  while (!t.empty() && 空白(t.back())) t.remove_suffix(1);
  return t;
}

// The first word of `t`, removed from it.
std::string_view 語(std::string_view& t) {
  t = 削る(t);
  size_t n = 0;
  while (n < t.size() && !空白(t[n])) ++n;
  const std::string_view w = t.substr(0, n);
  t.remove_prefix(n);
  t = 削る(t);
  return w;
}

bool 同じ語(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(a[k])) !=
        std::tolower(static_cast<unsigned char>(b[k]))) {
      return false;
    }
  }
  return true;
}

// A text from the other side, fit for one "info string" line of 7-bit ASCII: control
// bytes, bytes above 0x7F and the backslash are written as \xNN, and a long text is cut.
std::string 表示用(std::string_view t) {
  constexpr size_t 最長 = 80;
  std::string out;
  for (size_t k = 0; k < t.size() && k < 最長; ++k) {
    const auto b = static_cast<unsigned char>(t[k]);
    if (b < 0x20 || b >= 0x7F || b == '\\') {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else {
      out += t[k];
    }
  }
  if (t.size() > 最長) out += "...";
  return out;
}

// The SFEN reader's reasons in English, for this interface. A reason that names the
// input keeps that part, escaped; one not known here is given in general words.
std::string 英語の理由(std::string_view why) {
  struct 訳 {
    const char* ja;
    const char* en;
  };
  static constexpr 訳 全文[] = {
      {"局面がありません", "no position given"},
      {"SFENの欄が足りません", "the SFEN has too few fields"},
      {"盤の段の升の数が9ではありません", "a rank of the board does not hold 9 squares"},
      {"盤の段の升の数が9を超えています", "a rank of the board holds more than 9 squares"},
      {"「+」の後に駒がありません", "'+' is not followed by a piece"},
      {"「+」が続いています", "'+' is repeated"},
      {"盤が9段9筋になっていません", "the board is not 9 ranks of 9 files"},
      {"手番は b か w です", "the side to move is b or w"},
      {"持駒の数が多すぎます", "too many pieces in hand"},
      {"持駒が読めません", "the pieces in hand cannot be read"},
      {"盤に駒でないものがあります", "something on the board is not a piece"},
      {"行き所のない駒があります", "a piece stands where it could never move"},
      {"二歩があります", "two unpromoted pawns of a side in a file"},
      {"玉が二枚あります", "more than one king of a side"},
      {"持駒の数が負です", "a negative number of pieces in hand"},
      {"駒の数が一組より多くなっています", "more pieces of a kind than a set holds"},
      {"手番でない側の玉に王手がかかっています", "the side not to move is in check"},
  };
  static constexpr 訳 前置き[] = {
      {"駒の字ではありません: ", "not a piece letter: "},
      {"成れない駒です: ", "a piece that cannot promote: "},
      {"手数が数ではありません: ", "the move number is not a number: "},
      {"余分な語があります: ", "an extra word: "},
  };
  for (const 訳& t : 全文) {
    if (why == t.ja) return t.en;
  }
  for (const 訳& t : 前置き) {
    if (why.starts_with(t.ja)) return t.en + 表示用(why.substr(std::string_view(t.ja).size()));
  }

  // "<n>手目 <move>: <why>", a move of the list that is refused.
  const size_t mark = why.find("手目 ");
  const size_t colon = why.rfind(": ");
  if (mark != std::string_view::npos && colon != std::string_view::npos && mark < colon) {
    const std::string_view number = why.substr(0, mark);
    const std::string_view move = why.substr(mark + std::string_view("手目 ").size(),
                                             colon - mark - std::string_view("手目 ").size());
    const std::string_view what = why.substr(colon + 2);
    std::string en = "the move cannot be read";
    constexpr std::pair<標準判定結果, const char*> 判定[] = {
        {標準判定結果::不正, "that piece cannot move there"},
        {標準判定結果::二歩, "a second unpromoted pawn in a file"},
        {標準判定結果::行き所のない駒, "a piece left where it could never move"},
        {標準判定結果::王手放置, "it leaves the mover's king in check"},
        {標準判定結果::打ち歩詰め, "a pawn drop that mates"},
    };
    for (const auto& [j, text] : 判定) {
      if (what == 標準判定の説明(j)) en = text;
    }
    return "move " + 表示用(number) + " " + 表示用(move) + ": " + en;
  }
  return "the position cannot be read";
}

void 情報(std::string& out, std::string_view text) {
  out += "info string ";
  out += text;
  out += '\n';
}

// The SFEN reader refuses a start with the side not to move in check under every rule
// set: it is read here as the same board with the other side to move, turned back,
// and its moves are replayed under KAZEBAN's rules.
SFEN読込結果 王手のまま読む(std::string_view line) {
  SFEN読込結果 r;
  if (語(line) != "position" || 語(line) != "sfen") return r;
  const std::string_view board = 語(line);
  const std::string_view side = 語(line);
  const std::string_view hands = 語(line);
  if (side != "b" && side != "w") return r;
  if (!SFEN_局面解析(board, side == "b" ? "w" : "b", hands, r.局面, r.理由)) return r;
  r.局面.toMove = side == "b" ? Color::Black : Color::White;
  std::string_view w = 語(line);
  if (!w.empty() && w != "moves") {  // the move number
    for (const char c : w) {
      if (c < '0' || c > '9') return r;
    }
    w = 語(line);
  }
  if (!w.empty() && w != "moves") return r;
  Position p = r.局面;
  for (w = 語(line); !w.empty(); w = 語(line)) {
    棋譜の手 m;
    if (!USI_指し手解析(p, w, m)) return r;
    const 標準判定結果 j = 標準判定(p, m);
    if (j != 標準判定結果::合法 && j != 標準判定結果::王手放置 && j != 標準判定結果::打ち歩詰め) {
      return r;
    }
    r.手.push_back(m);
    指す(p, m);
  }
  r.成功 = true;
  return r;
}

}  // namespace

SFEN読込結果 USI_局面読込(std::string_view line, bool kazebanRules) {
  SFEN読込結果 r = SFEN_解析(line, kazebanRules);
  if (!r.成功 && kazebanRules) {
    SFEN読込結果 again = 王手のまま読む(line);
    if (again.成功) r = std::move(again);
  }
  return r;
}

bool USI対話::行(std::string_view line, std::string& out) {
  std::string_view rest = line;
  const std::string_view cmd = 語(rest);
  if (cmd.empty()) return true;
  if (cmd == "usi") {
    out += std::string("id name ") + USI_名 + " " + KAZEBAN_VERSION + "\n";
    out += std::string("id author ") + USI_作者 + "\n";
    out += "option name Level type spin default 3 min 1 max 3\n";
    out += "option name KazebanRules type check default false\n";
    out += "usiok\n";
  } else if (cmd == "isready") {
    out += "readyok\n";
  } else if (cmd == "setoption") {
    setoption(rest, out);
  } else if (cmd == "usinewgame") {
    保留_.clear();
  } else if (cmd == "position") {
    保留_.clear();
    position(line, out);
  } else if (cmd == "go") {
    保留_.clear();
    go(rest, out);
  } else if (cmd == "stop" || (cmd == "ponderhit" && !止めるまで_)) {
    out += 保留_;
    保留_.clear();
  } else if (cmd == "ponderhit") {
    // After "go ponder infinite" the search goes on until stop.
  } else if (cmd == "gameover") {
    保留_.clear();
  } else if (cmd == "quit") {
    return false;
  } else {
    情報(out, "unknown command " + 表示用(cmd));
  }
  return true;
}

void USI対話::飛ばした行(std::string_view head, std::string& out) {
  情報(out, "a line longer than 1 MiB was skipped");
  if (語(head) != "position") return;
  保留_.clear();
  局面文_.clear();
  局面文あり_ = true;
  読込規則_ = kazebanRules_;
  局面あり_ = false;
}

void USI対話::setoption(std::string_view args, std::string& out) {
  // setoption name <id> [value <x>]; the id is one word for every option here.
  if (語(args) != "name") {
    情報(out, "setoption needs: name <id> [value <x>]");
    return;
  }
  const std::string_view name = 語(args);
  std::string_view value;
  if (語(args) == "value") value = 語(args);
  if (同じ語(name, "Level")) {
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '3') {
      level_ = value[0] - '0';
    } else {
      情報(out, "Level takes 1, 2 or 3; it stays " + std::to_string(level_));
    }
  } else if (同じ語(name, "KazebanRules")) {
    if (同じ語(value, "true")) {
      kazebanRules_ = true;
    } else if (同じ語(value, "false")) {
      kazebanRules_ = false;
    } else {
      情報(out, std::string("KazebanRules takes true or false; it stays ") +
                    (kazebanRules_ ? "true" : "false"));
    }
  } else if (name.substr(0, 4) == "USI_") {
    // USI_Hash, USI_Ponder and the like: sent by every program, nothing to set here.
  } else {
    情報(out, "unknown option " + 表示用(name));
  }
}

void USI対話::position(std::string_view line, std::string& out) {
  局面文_.assign(line.data(), line.size());
  局面文あり_ = true;
  読込規則_ = kazebanRules_;
  局面あり_ = false;
  const SFEN読込結果 r = USI_局面読込(局面文_, 読込規則_);
  if (!r.成功) {
    情報(out, "position refused: " + 英語の理由(r.理由));
    return;
  }
  Position p = r.局面;
  for (const 棋譜の手& m : r.手) 指す(p, m);
  const std::string why = USI_局面の問題(p, 読込規則_);
  if (!why.empty()) {
    情報(out, "position refused: " + why);
    return;
  }
  局面_ = p;
  経過_ = USI_経過(r.局面, r.手);
  局面あり_ = true;
}

void USI対話::go(std::string_view args, std::string& out) {
  // 1. What is asked: a move now, a move held back while pondering, or a mate search
  // (not offered).
  bool ponder = false;
  bool infinite = false;
  for (std::string_view w = 語(args); !w.empty(); w = 語(args)) {
    if (w == "ponder") ponder = true;
    if (w == "infinite") infinite = true;
    if (w == "mate") {
      out += "checkmate notimplemented\n";
      return;
    }
  }

  // 2. The position, read again when the rules changed since it was given.
  if (局面文あり_ && 読込規則_ != kazebanRules_) {
    std::string ignored;
    const std::string text = 局面文_;
    position(text, ignored);
  }

  // 3. The move, or resignation.
  std::string answer;
  if (!局面あり_) {
    情報(answer, 局面文あり_ ? "no position to play from: the last one was refused"
                             : "no position to play from: send position first");
    answer += "bestmove resign\n";
  } else {
    const USI思考結果 r = USI_思考(局面_, level_, kazebanRules_, 経過_);
    if (!r.指し手あり) {
      answer += "bestmove resign\n";
    } else {
      const std::string mv = USI_指し手(r.手);
      const std::string score = r.詰み ? "mate 1" : "cp " + std::to_string(r.評価値);
      answer += "info depth 1 score " + score + " pv " + mv + "\n";
      answer += "bestmove " + mv + "\n";
    }
  }
  if (ponder || infinite) {
    保留_ = answer;
    止めるまで_ = infinite;
  } else {
    out += answer;
  }
}

}  // namespace kazeban
