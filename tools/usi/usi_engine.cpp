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

// A text from the other side, fit for one "info string" line: control bytes become
// '?', and a long text is cut.
std::string 表示用(std::string_view t) {
  constexpr size_t 最長 = 80;
  std::string out;
  for (size_t k = 0; k < t.size() && k < 最長; ++k) {
    const auto b = static_cast<unsigned char>(t[k]);
    out += b < 0x20 || b == 0x7F ? '?' : t[k];
  }
  if (t.size() > 最長) out += "...";
  return out;
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
    position(line, out);
  } else if (cmd == "go") {
    go(rest, out);
  } else if (cmd == "stop" || cmd == "ponderhit") {
    out += 保留_;
    保留_.clear();
  } else if (cmd == "gameover") {
    保留_.clear();
  } else if (cmd == "quit") {
    return false;
  } else {
    情報(out, "unknown command " + 表示用(cmd));
  }
  return true;
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
    情報(out, "position refused: " + 表示用(r.理由));
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
  局面あり_ = true;
}

void USI対話::go(std::string_view args, std::string& out) {
  // 1. What is asked: a move now, a move held back while pondering, or a mate search
  // (not offered).
  bool ponder = false;
  for (std::string_view w = 語(args); !w.empty(); w = 語(args)) {
    if (w == "ponder") ponder = true;
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
    const USI思考結果 r = USI_思考(局面_, level_, kazebanRules_);
    if (!r.指し手あり) {
      answer += "bestmove resign\n";
    } else {
      const std::string mv = USI_指し手(r.手);
      answer += "info depth 1 score cp " + std::to_string(r.点) + " pv " + mv + "\n";
      answer += "bestmove " + mv + "\n";
    }
  }
  if (ponder) {
    保留_ = answer;
  } else {
    out += answer;
  }
}

}  // namespace kazeban
