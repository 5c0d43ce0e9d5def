#include "record/journal.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "interop/kazeban_rule_moves.h"
#include "interop/record_formats.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

// A name of the other side, given the box of the side that moved first.
constexpr const char* あなた = "あなた";
constexpr const char* コンピュータ = "ｺﾝﾋﾟｭｰﾀ";

// How many games of one second get a file of their own ("-2" … "-99").
constexpr int 同じ秒の最大 = 99;

std::string 二桁(int v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

// "2026/12/08 18:14": the date in the game's name.
std::string 日付(const 日時& t) {
  return std::to_string(t.年) + "/" + 二桁(t.月) + "/" + 二桁(t.日) + " " + 二桁(t.時) + ":" +
         二桁(t.分);
}

// True when the board and both hands of `a` and `b` hold the same pieces.
bool 同じ配置(const GameState& a, const GameState& b) {
  return std::memcmp(a.BAN, b.BAN, sizeof a.BAN) == 0 &&
         std::memcmp(a.SITA_MOCHI, b.SITA_MOCHI, sizeof a.SITA_MOCHI) == 0 &&
         std::memcmp(a.UE_MOCHI, b.UE_MOCHI, sizeof a.UE_MOCHI) == 0;
}

// The position before the first move: every recorded move on the board taken back.
GameState 開始局面(const GameState& s) {
  GameState start = s;
  while (start.KIFU_SUU > 0) 棋譜_戻す(start);
  return start;
}

棋譜の手 記録の手(const GameState& s, int n) {
  return {s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
          s.KIFU_NARI[n],   s.KIFU_KOMA[n],   s.KIFU_TORI[n]};
}

// The names a game is written with: those in the boxes, else those typed before it.
記録の名前 名前(const 記録の名前& boxes, const 記録の名前& typed) {
  return {boxes.対局名.empty() ? typed.対局名 : boxes.対局名,
          boxes.先手.empty() ? typed.先手 : boxes.先手,
          boxes.後手.empty() ? typed.後手 : boxes.後手};
}

// What became of a write; a failure is the player's to know, once a game.
void 結果を記す(記録結果& out, const 置換結果& written, bool& told) {
  out.書いた = written.成功;
  if (written.成功) return;
  out.理由 = written.理由;
  out.知らせる = !told;
  told = true;
}

}  // namespace

std::string 記録の名前部分(const 日時& t) {
  return std::to_string(t.年) + "-" + 二桁(t.月) + "-" + 二桁(t.日) + "_" + 二桁(t.時) +
         二桁(t.分) + 二桁(t.秒);
}

日時 実の記録ポート::今() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string 実の記録ポート::フォルダを用意(const std::string& folder) {
  // Each missing folder from the top down; one that exists already is fine.
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
      return "フォルダ「" + part + "」を作れません（" + エラーの説明(errno) + "）";
    }
    if (slash == std::string::npos) break;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) {
    return "フォルダ「" + folder + "」を作れません（" + エラーの説明(errno) + "）";
  }
  if (!S_ISDIR(st.st_mode)) return "「" + folder + "」はフォルダではありません";
  return {};
}

bool 実の記録ポート::名前がある(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

置換結果 実の記録ポート::新規作成(const std::string& path, std::string_view bytes) {
  return ファイル_新規作成(path, bytes);
}

置換結果 実の記録ポート::置換(const std::string& path, std::string_view bytes) {
  return ファイル_置換(path, bytes);
}

対局記録::対局記録(記録ポート& port, std::string folder)
    : port_(port), folder_(std::move(folder)) {}

bool 対局記録::続きか(const GameState& s, const GameState& start) const {
  const int n = s.KIFU_SUU;
  if (!in_game_ || n <= 1 || n - 1 > static_cast<int>(kept_.size())) return false;
  if (!同じ配置(start, start_)) return false;
  for (int k = 1; k < n; ++k) {
    if (!(記録の手(s, k) == kept_[static_cast<size_t>(k - 1)])) return false;
  }
  return true;
}

置換結果 対局記録::中身(const GameState& s, const 記録の名前& names, std::string& bytes) const {
  置換結果 r;

  // 1. The side that moved first, and the names of both sides.
  const bool sita_first = s.KIFU_KOMA[1] < 0;
  const bool com = s.TAIKYOKU_SYU == TAI_COM;
  const std::string first_default = com ? (sita_first ? あなた : コンピュータ) : "先手";
  const std::string second_default = com ? (sita_first ? コンピュータ : あなた) : "後手";
  const std::string& first = names.先手.empty() ? first_default : names.先手;
  const std::string& second = names.後手.empty() ? second_default : names.後手;
  const std::string title =
      (names.対局名.empty() ? std::string("対局") : names.対局名) + " " + 日付(began_);
  const std::string& upper = sita_first ? second : first;
  const std::string& lower = sita_first ? first : second;

  // 2a. From any other start, a KIF file with the position as it was, every move kept
  // (past the first one standard shogi forbids, in KAZEBAN's own lines).
  if (!even_) {
    const std::vector<棋譜の手>& moves = kept_;
    const int count = static_cast<int>(moves.size());
    const Position start = 局面(start_, sita_first ? Color::Black : Color::White);
    書出結果 file =
        KAZEBAN規則のKIF(KAZEBAN対局から(start, moves.data(), count, upper, lower, title,
                                         日付(began_) + ":" + 二桁(began_.秒), false),
                         start, moves.data(), count, false);
    if (!file.成功) {
      // A name the file cannot hold: the game is kept under the usual names instead.
      file = KAZEBAN規則のKIF(
          KAZEBAN対局から(start, moves.data(), count, sita_first ? second_default : first_default,
                          sita_first ? first_default : second_default, "対局 " + 日付(began_),
                          日付(began_) + ":" + 二桁(began_.秒), false),
          start, moves.data(), count, false);
    }
    r.成功 = file.成功;
    r.理由 = file.理由;
    if (file.成功) bytes = std::move(file.バイト列);
    return r;
  }

  // 2b. From the even start, a record file.
  棋譜バイト列結果 file = 棋譜_バイト列(棋譜_記録から(s, title, upper, lower));
  if (!file.成功) {
    file = 棋譜_バイト列(棋譜_記録から(s, "対局 " + 日付(began_),
                                       sita_first ? second_default : first_default,
                                       sita_first ? first_default : second_default));
  }
  r.成功 = file.成功;
  r.理由 = file.理由;
  if (file.成功) bytes = std::move(file.バイト列);
  return r;
}

置換結果 対局記録::新しいファイル(std::string_view bytes) {
  置換結果 r;
  const std::string stem = folder_ + "/" + 記録の名前部分(began_);
  const char* extension = even_ ? ".棋譜" : ".kif";
  for (int k = 1; k <= 同じ秒の最大; ++k) {
    const std::string path = stem + (k == 1 ? "" : "-" + std::to_string(k)) + extension;
    r = port_.新規作成(path, bytes);
    if (r.成功) {
      path_ = path;
      return r;
    }
    if (!r.使用中) return r;
  }
  r.使用中 = false;
  r.理由 = "同じ時刻の記録が多すぎます";
  return r;
}

記録結果 対局記録::書き終える() {
  記録結果 out;
  const 置換結果 written = port_.書き終える();
  out.場所 = path_.empty() ? folder_ : path_;
  結果を記す(out, written, told_);
  return out;
}

void 対局記録::名前を入力(const 記録の名前& names, const GameState& s) {
  typed_ = names;
  typed_for_next_ = s.KIFU_SUU == 0 || !in_game_;
}

記録結果 対局記録::指した(const GameState& s, const 記録の名前& boxes) {
  記録結果 out;
  if (s.KIFU_SUU < 1) return out;

  // 1. A new game, or the game kept going on (perhaps on a new line of play).
  const GameState start = 開始局面(s);
  if (!続きか(s, start)) {
    in_game_ = true;
    start_ = start;
    GameState even;
    初期設定_状態(even);
    even_ = 同じ配置(start, even) && !standard_;
    began_ = port_.今();
    path_.clear();
    told_ = false;
    if (!typed_for_next_) typed_ = {};
  }
  typed_for_next_ = false;
  const 記録の名前 names = 名前(boxes, typed_);
  kept_.clear();
  for (int k = 1; k <= s.KIFU_SUU; ++k) kept_.push_back(記録の手(s, k));

  // 2. The whole file, then its place: a new name for the game's first file.
  std::string bytes;
  置換結果 written = 中身(s, names, bytes);
  out.場所 = path_.empty() ? folder_ : path_;
  if (written.成功 && path_.empty()) {
    const std::string made = port_.フォルダを用意(folder_);
    if (made.empty()) {
      written = 新しいファイル(bytes);
      if (!path_.empty()) out.場所 = path_;
    } else {
      written.成功 = false;
      written.理由 = made;
    }
  } else if (written.成功) {
    written = port_.置換(path_, bytes);
  }

  // 3. What became of it: a failure is the player's to know, once a game.
  結果を記す(out, written, told_);
  return out;
}

記録結果 対局記録::終局した(const GameState& s, const 記録の名前& boxes, 標準終局理由 理由,
                            bool 手番側の勝ち) {
  記録結果 out;
  out.場所 = path_;
  // Only a game whose KIF file was written holds the moves the end follows.
  if (!in_game_ || even_ || path_.empty() || s.KIFU_SUU != static_cast<int>(kept_.size())) {
    return out;
  }

  // The file as the last move left it, read back and written again with its end.
  const 記録の名前 names = 名前(boxes, typed_);
  std::string bytes;
  置換結果 written = 中身(s, names, bytes);
  if (written.成功) {
    対局棋譜読込結果 game = 対局棋譜_解析(bytes, path_);
    if (!game.成功 || game.棋譜.手.size() != kept_.size()) return out;
    標準の終局を記す(game.棋譜, 理由, 手番側の勝ち);
    const 書出結果 file = 対局棋譜_書出(game.棋譜, 棋譜形式::KIF);
    written.成功 = file.成功;
    written.理由 = file.理由;
    if (file.成功) written = port_.置換(path_, file.バイト列);
  }
  結果を記す(out, written, told_);
  return out;
}

}  // namespace kazeban
