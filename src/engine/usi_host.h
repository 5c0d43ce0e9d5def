// The host's side of USI, the protocol of shogi engines: what KAZEBAN says to an
// engine and how it reads the answers. Pure protocol, no process and no clock of its
// own: the caller hands in each line the engine wrote and the time it arrived, sends
// the lines the host queues, and asks at its deadlines whether the engine is late.
//
// The game is held in the engine's orientation: the start position with black (the
// first mover) as the engine sees it, and the moves since. The engine's moves are
// checked against the standard rules before they are reported; anything else it
// writes (a move it cannot make, a move standard shogi forbids, unreadable output,
// silence beyond its time) is a fault, after which the host says nothing more.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interop/position.h"
#include "storage/record_file.h"

namespace kazeban {

// One option the engine declared in its "option" lines.
struct USIオプション {
  std::string 名前;
  std::string 型;  // check, spin, combo, button, string, filename
  std::string 既定値;
  std::string 最小;
  std::string 最大;
  std::vector<std::string> 選択肢;  // combo's vars
};

// Reads an "option name … type … [default …] [min …] [max …] [var …]*" line; false
// when it has no name or no type. A name or a value may hold spaces.
bool USIオプション解析(std::string_view line, USIオプション& out);

// What became of the engine, as the host read it.
struct USI事象 {
  enum class 種類 {
    準備完了,  // usiok and readyok arrived: the engine takes a game
    指し手,    // a move allowed by the standard rules, already added to the game
    投了,      // "bestmove resign"
    勝ち宣言,  // "bestmove win": the engine claims the win by entering kings
    故障,      // the engine failed; 理由 says how
  };
  種類 kind = 種類::故障;
  棋譜の手 手{};
  std::string usi;   // the move as the engine wrote it
  std::string 理由;  // a fault, in words for a box
};

class USIホスト {
 public:
  enum class 段階 { 開始前, 識別待ち, 準備待ち, 待機, 思考中, 停止待ち, 終了 };

  // `wait_ms`: how long usiok and readyok may take; `margin_ms`: how long past its
  // time per move an engine may stay silent before it counts as hung.
  explicit USIホスト(int64_t wait_ms = 15000, int64_t margin_ms = 10000);

  // "usi", then the option values (name, value) the player chose and "isready" once
  // usiok has come. An empty value with a button option presses it.
  void 開始(std::vector<std::pair<std::string, std::string>> values, int64_t now);

  // "usinewgame"; the game starts from `start`, black to move in it as the engine sees.
  void 新規対局(const Position& start);

  // A move made by the other side; the caller has judged it.
  void 指した(const 棋譜の手& m);

  // The game as it now stands, when it went another way (moves taken back, a game
  // resumed): nothing is said to the engine until it is asked to think.
  void 局面を設定(const Position& start, const std::vector<棋譜の手>& moves);

  // "position …" and "go btime 0 wtime 0 byoyomi N" for the side to move. While the
  // engine still thinks about another position, it is stopped first and asked once its
  // answer, thrown away, has come.
  void 思考(int byoyomi_ms, int64_t now);

  // "stop": the engine's answer is then read and thrown away.
  void 停止(int64_t now);

  // "gameover win|lose|draw" from the engine's side, then "quit".
  enum class 結果 { 勝ち, 負け, 引分 };
  void 終局(結果 r);
  void 終了();

  // Reads one line the engine wrote (without its line end).
  std::vector<USI事象> 受信(std::string_view line, int64_t now);

  // True, with the fault, when the engine has let its deadline pass.
  bool 遅延(int64_t now, USI事象& fault);

  // The engine's process ended (or could not be written to).
  USI事象 途絶(std::string_view detail);

  // The lines queued for the engine since the last call, in order.
  std::vector<std::string> 送信分();

  段階 今の段階() const { return stage_; }
  // When the engine must have answered, or -1 when nothing is awaited.
  int64_t 期限() const { return deadline_; }
  const std::string& 名前() const { return name_; }
  const std::string& 作者() const { return author_; }
  const std::vector<USIオプション>& オプション() const { return options_; }
  const Position& 局面() const { return now_; }
  const std::vector<棋譜の手>& 手順() const { return moves_; }

 private:
  USI事象 故障(std::string reason);
  void 送る(std::string line) { out_.push_back(std::move(line)); }
  std::string 局面コマンド() const;
  void 指し手を読む(std::string_view rest, std::vector<USI事象>& events);

  int64_t wait_ms_;
  int64_t margin_ms_;
  段階 stage_ = 段階::開始前;
  int64_t deadline_ = -1;
  std::string awaited_;    // what the deadline waits for, for the fault's words
  int next_byoyomi_ = -1;  // a go to send once the stopped search has answered
  std::vector<std::pair<std::string, std::string>> values_;
  std::string name_;
  std::string author_;
  std::vector<USIオプション> options_;
  Position start_;
  Position now_;
  std::vector<棋譜の手> moves_;
  std::vector<std::string> out_;
};

}  // namespace kazeban
