// Game-record files (".棋譜"): three header lines (the game's name, the name of the
// player at the top, the name of the player at the bottom) and one fixed-width line
// of 17 characters per move, in CP932 with CR LF line ends. Reading checks the whole
// file, a replay of every move from the starting position included, before anything
// of the game is touched, so a damaged or foreign file is refused with a message
// naming its line and never reaches the board.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/game_state.h"

namespace kazeban {

// One move line: from-column, from-row, to-column, to-row, code after the move, code
// before it, captured code (the fields of the move record).
struct 棋譜の手 {
  int MOTO_I = 0;
  int MOTO_J = 0;
  int SAKI_I = 0;
  int SAKI_J = 0;
  int NARI = 0;
  int KOMA = 0;
  int TORI = 0;
};

// A record file's content, names in UTF-8.
struct 棋譜データ {
  std::string 対局名;    // line 1
  std::string 上側の名;  // line 2: the player of the top side (UE)
  std::string 下側の名;  // line 3: the player of the bottom side (SITA)
  std::vector<棋譜の手> 手;
};

struct 棋譜読込結果 {
  bool 成功 = false;
  棋譜データ データ;
  std::string 理由;     // why the file was refused, for the player
  bool 打切り = false;  // the file held more than KIFU_MAX moves; only those were read
};

// Reads and checks a whole file image.
棋譜読込結果 棋譜_解析(std::string_view bytes);

// Opens, reads and checks the file at `path` (UTF-8).
棋譜読込結果 棋譜_読込(const std::string& path);

struct 棋譜書込結果 {
  bool 成功 = false;
  std::string 理由;  // why nothing was written, for the player
};

// Writes the file at `path`: the whole file goes to a new file beside it, which then
// replaces any old one, so a failed write never damages what was there. A name that
// CP932 cannot hold is refused, naming the field, and nothing is written.
棋譜書込結果 棋譜_書込(const std::string& path, const 棋譜データ& data);

// The moves 1..KIFU_SUU of the record, with the given names.
棋譜データ 棋譜_記録から(const GameState& s, std::string 対局名, std::string 上側の名,
                         std::string 下側の名);

// Loads checked moves into the move record: entries 1..n, KIFU_SAIGO = n, KIFU_SUU = 0.
void 棋譜_記録へ(const 棋譜データ& data, GameState& s);

}  // namespace kazeban
