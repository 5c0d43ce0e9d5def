#include "engine/usi_host.h"

#include <utility>

#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {

namespace {

// The first word of `s` (after blanks) and what follows it.
std::string_view 語(std::string_view& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) {
    s = {};
    return {};
  }
  s.remove_prefix(b);
  const size_t e = s.find_first_of(" \t");
  const std::string_view w = s.substr(0, e);
  s = e == std::string_view::npos ? std::string_view{} : s.substr(e);
  return w;
}

std::string_view 両端を詰める(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// A line no engine writes: control characters other than a tab.
bool 読めない行(std::string_view line) {
  for (const char c : line) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t') || u == 0x7f) return true;
  }
  return false;
}

}  // namespace

bool USIオプション解析(std::string_view line, USIオプション& out) {
  out = {};
  std::string_view rest = line;
  if (語(rest) != "option") return false;
  // Each keyword's value runs to the next keyword: names like "Skill Level" hold spaces.
  std::string* field = nullptr;
  std::string value;
  bool named = false, typed = false;
  auto close = [&] {
    if (field != nullptr) *field = std::string(両端を詰める(value));
    value.clear();
  };
  while (!rest.empty()) {
    const std::string_view w = 語(rest);
    if (w.empty()) break;
    const bool keyword =
        w == "name" || w == "type" || w == "default" || w == "min" || w == "max" || w == "var";
    // A name's words are kept even when one of them reads as a keyword other than
    // "type", as "Clear Hash" keeps its words.
    if (keyword && !(field == &out.名前 && w != "type")) {
      close();
      if (w == "name") {
        field = &out.名前;
        named = true;
      } else if (w == "type") {
        field = &out.型;
        typed = true;
      } else if (w == "default") {
        field = &out.既定値;
      } else if (w == "min") {
        field = &out.最小;
      } else if (w == "max") {
        field = &out.最大;
      } else {
        out.選択肢.emplace_back();
        field = &out.選択肢.back();
      }
      continue;
    }
    if (!value.empty()) value += ' ';
    value += w;
  }
  close();
  if (out.既定値 == "<empty>") out.既定値.clear();
  return named && typed && !out.名前.empty() && !out.型.empty();
}

USIホスト::USIホスト(int64_t wait_ms, int64_t margin_ms)
    : wait_ms_(wait_ms), margin_ms_(margin_ms), start_(平手局面()), now_(start_) {}

void USIホスト::開始(std::vector<std::pair<std::string, std::string>> values, int64_t now) {
  values_ = std::move(values);
  送る("usi");
  stage_ = 段階::識別待ち;
  deadline_ = now + wait_ms_;
  awaited_ = "usi";
}

void USIホスト::新規対局(const Position& start) {
  start_ = start;
  now_ = start;
  moves_.clear();
  if (stage_ == 段階::終了) return;
  送る("usinewgame");
}

void USIホスト::指した(const 棋譜の手& m) {
  kazeban::指す(now_, m);
  moves_.push_back(m);
}

void USIホスト::局面を設定(const Position& start, const std::vector<棋譜の手>& moves) {
  start_ = start;
  now_ = start;
  moves_.clear();
  for (const 棋譜の手& m : moves) 指した(m);
}

std::string USIホスト::局面コマンド() const {
  std::string c =
      同一局面(start_, 平手局面()) ? "position startpos" : "position sfen " + SFEN_局面(start_);
  if (!moves_.empty()) {
    c += " moves";
    for (const 棋譜の手& m : moves_) c += " " + USI_指し手(m);
  }
  return c;
}

void USIホスト::思考(int byoyomi_ms, int64_t now) {
  if (stage_ == 段階::思考中) 停止(now);
  if (stage_ == 段階::停止待ち) {
    next_byoyomi_ = byoyomi_ms;
    return;
  }
  if (stage_ != 段階::待機) return;
  送る(局面コマンド());
  送る("go btime 0 wtime 0 byoyomi " + std::to_string(byoyomi_ms));
  stage_ = 段階::思考中;
  deadline_ = now + byoyomi_ms + margin_ms_;
  awaited_ = "go";
}

void USIホスト::停止(int64_t now) {
  if (stage_ != 段階::思考中) return;
  送る("stop");
  stage_ = 段階::停止待ち;
  deadline_ = now + margin_ms_;
  awaited_ = "stop";
}

void USIホスト::終局(結果 r) {
  if (stage_ == 段階::終了 || stage_ == 段階::開始前) return;
  if (stage_ == 段階::思考中) 送る("stop");
  next_byoyomi_ = -1;
  送る(r == 結果::勝ち ? "gameover win" : r == 結果::負け ? "gameover lose" : "gameover draw");
  stage_ = 段階::待機;
  deadline_ = -1;
}

void USIホスト::終了() {
  if (stage_ != 段階::終了 && stage_ != 段階::開始前) 送る("quit");
  stage_ = 段階::終了;
  deadline_ = -1;
}

USI事象 USIホスト::故障(std::string reason) {
  stage_ = 段階::終了;
  deadline_ = -1;
  USI事象 e;
  e.kind = USI事象::種類::故障;
  e.理由 = std::move(reason);
  return e;
}

void USIホスト::指し手を読む(std::string_view rest, std::vector<USI事象>& events) {
  const std::string move(語(rest));
  USI事象 e;
  e.usi = move;
  if (move == "resign" || move == "win") {
    e.kind = move == "resign" ? USI事象::種類::投了 : USI事象::種類::勝ち宣言;
    stage_ = 段階::待機;
    deadline_ = -1;
    events.push_back(std::move(e));
    return;
  }
  棋譜の手 m;
  if (move.empty() || !USI_指し手解析(now_, move, m)) {
    events.push_back(故障("ｴﾝｼﾞﾝの指し手が読めません: " + (move.empty() ? "(なし)" : move)));
    return;
  }
  const 標準判定結果 r = 標準判定(now_, m);
  if (r != 標準判定結果::合法) {
    events.push_back(故障("ｴﾝｼﾞﾝが反則の手を指しました: " + move + " (" + 標準判定の説明(r) + ")"));
    return;
  }
  指した(m);
  stage_ = 段階::待機;
  deadline_ = -1;
  e.kind = USI事象::種類::指し手;
  e.手 = m;
  events.push_back(std::move(e));
}

std::vector<USI事象> USIホスト::受信(std::string_view line, int64_t now) {
  std::vector<USI事象> events;
  if (stage_ == 段階::終了 || stage_ == 段階::開始前) return events;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (読めない行(line)) {
    events.push_back(故障("ｴﾝｼﾞﾝの出力が読めません"));
    return events;
  }
  std::string_view rest = line;
  const std::string_view w = 語(rest);

  // Other words (info, a banner, a comment) are for people and are passed over.
  switch (stage_) {
    case 段階::識別待ち:
      if (w == "id") {
        const std::string_view what = 語(rest);
        if (what == "name") name_ = std::string(両端を詰める(rest));
        if (what == "author") author_ = std::string(両端を詰める(rest));
      } else if (w == "option") {
        USIオプション o;
        if (USIオプション解析(line, o)) options_.push_back(std::move(o));
      } else if (w == "usiok") {
        for (const auto& [name, value] : values_) {
          // A line break in a value would start a command of its own.
          std::string command = value.empty() ? "setoption name " + name
                                              : "setoption name " + name + " value " + value;
          for (char& c : command) {
            if (c == '\n' || c == '\r') c = ' ';
          }
          送る(std::move(command));
        }
        送る("isready");
        stage_ = 段階::準備待ち;
        deadline_ = now + wait_ms_;
        awaited_ = "isready";
      }
      break;
    case 段階::準備待ち:
      if (w == "readyok") {
        stage_ = 段階::待機;
        deadline_ = -1;
        USI事象 e;
        e.kind = USI事象::種類::準備完了;
        events.push_back(std::move(e));
      }
      break;
    case 段階::思考中:
      if (w == "bestmove") 指し手を読む(rest, events);
      break;
    case 段階::停止待ち:
      if (w == "bestmove") {
        stage_ = 段階::待機;
        deadline_ = -1;
        if (next_byoyomi_ >= 0) 思考(std::exchange(next_byoyomi_, -1), now);
      }
      break;
    default:
      break;
  }
  return events;
}

bool USIホスト::遅延(int64_t now, USI事象& fault) {
  if (deadline_ < 0 || now < deadline_) return false;
  fault = 故障(awaited_ == "go"     ? "ｴﾝｼﾞﾝが時間内に指しません"
               : awaited_ == "stop" ? "ｴﾝｼﾞﾝが止まりません"
                                    : "ｴﾝｼﾞﾝが " + awaited_ + " に答えません");
  return true;
}

USI事象 USIホスト::途絶(std::string_view detail) {
  std::string reason = "ｴﾝｼﾞﾝが終了しました";
  if (!detail.empty()) reason += " (" + std::string(detail) + ")";
  return 故障(std::move(reason));
}

std::vector<std::string> USIホスト::送信分() {
  std::vector<std::string> out;
  out.swap(out_);
  return out;
}

}  // namespace kazeban
