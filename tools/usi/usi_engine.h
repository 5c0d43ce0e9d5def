// The USI command reader: one line of the shogi program in, the engine's answer lines
// out. It holds the options and the last position; the program around it only moves
// lines between the streams.
//
// Commands: usi, isready, setoption, usinewgame, position, go (any arguments; the
// answer comes at once, at stop or ponderhit after "go ponder", at stop after "go
// infinite"), stop, ponderhit, gameover, quit. Anything else is answered with an
// "info string" line and otherwise ignored; so is a position that cannot be read or
// played from, after which go answers "bestmove resign". Every line written is 7-bit
// ASCII: bytes of the input that are not are written escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interop/position.h"
#include "interop/sfen.h"
#include "usi_turn.h"

namespace kazeban {

// Reads a position command ("position startpos|sfen … [moves …]") as SFEN_解析 does.
// Under KAZEBAN's rules, which let a king be left attacked, a position whose side not
// to move is in check is read too, as long as the side to move is not in check as well.
SFEN読込結果 USI_局面読込(std::string_view line, bool kazebanRules);

inline constexpr const char* USI_名 = "KAZEBAN";
inline constexpr const char* USI_作者 = "the KAZEBAN developers";

class USI対話 {
 public:
  // Handles one command line (its line end removed) and appends the answer, each line
  // ending in '\n', to `out`. False once the line was quit.
  bool 行(std::string_view line, std::string& out);

  // A line too long to be read, of which `head` is the start: reported, and when it
  // was a position command, the position is forgotten as if it had been refused.
  void 飛ばした行(std::string_view head, std::string& out);

  int level() const { return level_; }
  bool kazebanRules() const { return kazebanRules_; }

 private:
  void setoption(std::string_view args, std::string& out);
  void position(std::string_view line, std::string& out);
  void go(std::string_view args, std::string& out);

  int level_ = 3;
  bool kazebanRules_ = false;

  // The last position command, read under the rules in force then; read again at go
  // when the rules changed since.
  std::string 局面文_;
  bool 局面文あり_ = false;
  bool 読込規則_ = false;
  bool 局面あり_ = false;  // the text read into a position the engine can play from
  Position 局面_;
  std::vector<USI局面記録> 経過_;  // the game's positions through 局面_

  // The answer held back during "go ponder" until stop or ponderhit, or during "go
  // infinite" until stop; dropped by a new position, go or usinewgame.
  std::string 保留_;
  bool 止めるまで_ = false;
};

}  // namespace kazeban
