// The game journal: every game played in the window is kept in a file of its own, from
// its first move, and the file is replaced by a complete new one after every move of
// either side, so that a game survives the end of the program, a crash or a power loss
// with every move up to the last (or the one before).
//
// A game begins with its first recorded move and goes on while each move extends the
// moves already kept: a move made after stepping back rewrites the file to the new line
// of play, while a record that starts again (a new setup, a turned board, a record
// read and played on) begins a new file. A file is only ever written by the game that
// made it, in this run of the program. The file is named by the time of
// the game's first move, "2026-12-08_181403.棋譜", with "-2", "-3" … when the name is
// taken (by an earlier game of the same second or another program running at once:
// the name is created exclusively). A game from the even starting position is written
// as a record file; a game from any other position cannot be, and goes to a ".kif".
//
// The journal reaches the disk and the clock only through its port, so the tests run
// it against a fake; a write that fails leaves the game as it is and is reported once
// per game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interop/standard_end.h"
#include "rules/game_state.h"
#include "storage/atomic_file.h"
#include "storage/record_file.h"

namespace kazeban {

// A local date and time, to the second.
struct 日時 {
  int 年 = 0, 月 = 0, 日 = 0, 時 = 0, 分 = 0, 秒 = 0;
};

// What the journal needs of the system: the clock and its files.
class 記録ポート {
 public:
  virtual ~記録ポート() = default;
  virtual 日時 今() = 0;
  // Makes the folder and any missing parents; "" when it is there, else why not.
  virtual std::string フォルダを用意(const std::string& folder) = 0;
  // Whether something of that name is there already (a link included).
  virtual bool 名前がある(const std::string& path) = 0;
  // As ファイル_新規作成 and ファイル_置換.
  virtual 置換結果 新規作成(const std::string& path, std::string_view bytes) = 0;
  virtual 置換結果 置換(const std::string& path, std::string_view bytes) = 0;
  // Returns once every write handed over is on the disk, with the failure of one that
  // was not reported yet, if any; a port that writes at once has nothing to wait for.
  virtual 置換結果 書き終える() { return {true, false, {}}; }
};

// The program's port: the local clock and the files of record_file.h.
class 実の記録ポート : public 記録ポート {
 public:
  日時 今() override;
  std::string フォルダを用意(const std::string& folder) override;
  bool 名前がある(const std::string& path) override;
  置換結果 新規作成(const std::string& path, std::string_view bytes) override;
  置換結果 置換(const std::string& path, std::string_view bytes) override;
};

// The names typed in the record panel's boxes, "" for an empty box.
struct 記録の名前 {
  std::string 対局名;
  std::string 先手;
  std::string 後手;
};

struct 記録結果 {
  bool 書いた = false;
  std::string 場所;       // the game's file, or the folder when no file could be named
  std::string 理由;       // why nothing was written
  bool 知らせる = false;  // the first failure of this game: the player is to be told
};

class 対局記録 {
 public:
  // `folder`: where the games go, made when the first game needs it.
  対局記録(記録ポート& port, std::string folder);

  // After a move was made and recorded (entry KIFU_SUU of `s`): the game's file holds
  // the moves 1..KIFU_SUU. Names: the boxes' where filled, otherwise "あなた" and
  // "ｺﾝﾋﾟｭｰﾀ" against the computer, "先手" and "後手" between two people; the game's
  // name carries the date.
  記録結果 指した(const GameState& s, const 記録の名前& names);

  // Names typed in the record panel's boxes, which the window empties whenever the
  // panel hides: they name the game on the board from its next move on, or, typed
  // before any move of it (KIFU_SUU 0 in `s`), the game about to begin. A box filled
  // when a move is made takes precedence.
  void 名前を入力(const 記録の名前& names, const GameState& s);

  // The record on the board was set up afresh (a new game, a record read): the game
  // kept is over, and its file is never written again; the next move begins a new
  // file holding the record's moves up to it.
  void 新しい記録() { in_game_ = false; }

  // Returns once every file written so far is on the disk; a write that failed
  // meanwhile is reported as 指した reports one.
  記録結果 書き終える();

  const std::string& フォルダ() const { return folder_; }
  // The file of the game in progress, "" before one was named.
  const std::string& ファイル() const { return path_; }

  // Under standard rules a game is kept as a KIF file from any start, the even one
  // included, so that its end can be written with it. Read at each game's first move.
  void 標準ルールにする(bool on) { standard_ = on; }

  // A game under standard rules has ended after move KIFU_SUU of `s`, already kept: its
  // file is written again with the end. `手番側の勝ち`: the side to move after that
  // move won (a mate or a resignation is always the side to move's loss).
  記録結果 終局した(const GameState& s, const 記録の名前& names, 標準終局理由 理由,
                    bool 手番側の勝ち);

 private:
  // True when `s` continues the game kept: the same start, and its moves before the
  // last one are moves kept.
  bool 続きか(const GameState& s, const GameState& start) const;
  // The whole file of the game on the board, or why it cannot be made.
  置換結果 中身(const GameState& s, const 記録の名前& names, std::string& bytes) const;
  // Names a new file for the game and writes it.
  置換結果 新しいファイル(std::string_view bytes);

  記録ポート& port_;
  std::string folder_;
  bool in_game_ = false;
  GameState start_;             // the position before the first move
  bool even_ = true;            // start_ is the even starting position
  std::vector<棋譜の手> kept_;  // the moves last written
  日時 began_;
  std::string path_;
  bool told_ = false;
  記録の名前 typed_;
  bool typed_for_next_ = false;  // typed before the game began: not the last game's
  bool standard_ = false;        // the next game follows standard rules
};

// "2026-12-08_181403": the stem of a game's file name.
std::string 記録の名前部分(const 日時& t);

}  // namespace kazeban
