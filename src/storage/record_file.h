// Game-record files (".棋譜"): three header lines (the game's name, the name of the
// player at the top, the name of the player at the bottom) and one fixed-width line
// of 17 characters per move, in CP932 with CR LF line ends. Reading checks the whole
// file, a replay of every move from the starting position included, before anything
// of the game is touched, so a damaged or foreign file is refused with a message
// naming its line and never reaches the board.
//
// A move line, columns counted from 1, each number right-aligned in its field:
//
//   1-2 from-column (1..9; -1 a drop from the top side's hand, 11 from the bottom's)
//   3   from-row    4 to-column    5 to-row
//   6-9 code after the move   10-13 code before it   14-17 captured code (0: none)
//
// e.g. " 7776 -10 -10   0": the bottom side's pawn from column 7, row 7 to row 6.
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

  bool operator==(const 棋譜の手&) const = default;
};

// A record file's content, names in UTF-8.
struct 棋譜データ {
  std::string 対局名;    // line 1
  std::string 上側の名;  // line 2: the player of the top side (UE)
  std::string 下側の名;  // line 3: the player of the bottom side (SITA)
  std::vector<棋譜の手> 手;
  // Whether the bottom side moved first. The file does not hold it: 棋譜_記録から
  // takes it from the roles, reading from the side of the first move. It only decides
  // whether a refused name is called the first or the second player's.
  bool 下側が先手 = true;
};

struct 棋譜読込結果 {
  bool 成功 = false;
  棋譜データ データ;
  std::string 理由;     // why the file was refused, for the player
  bool 打切り = false;  // the file held more than KIFU_MAX moves; only those were read
};

// Reads and checks a whole file image.
//
// Lines may end in CR LF, a lone CR or a lone LF. The name lines are decoded from
// CP932; bytes that are not CP932 text become U+FFFD, never a refusal. A file of
// fewer than three lines has the names it holds and no moves. A move field is its
// digits with an optional sign, blanks anywhere ignored; after column 17 only blanks
// may follow, since anything more means the columns have shifted. Empty lines at the
// end of the file are ignored. Then every field must be in range and the moves must
// replay from the starting position: each board move leaves a square holding the
// piece it names and lands where its captured code stands (an enemy piece or
// nothing), each drop comes from a non-empty hand of its own side onto an empty
// square, and is neither a king nor promoted, and the code after a move is the code
// before it or its promoted form. The first line that fails refuses the whole file;
// the reason begins with its line number ("5行目: ..."). Only KIFU_MAX moves are read;
// any further move lines set 打切り and are not looked at.
棋譜読込結果 棋譜_解析(std::string_view bytes);

// Puts one move line into entry n of the move record.
void 記録に置く(GameState& s, int n, const 棋譜の手& m);

// Reads one move line as 棋譜_解析 does and checks it against the position of `s`
// (its fields in range, the piece where the move takes it from, a drop from a hand
// that holds it); empty when the move can be played there, else why not.
std::string 棋譜の行を調べる(const GameState& s, std::string_view line, 棋譜の手& m);

// Opens, reads and checks the file at `path` (UTF-8). Every refusal names the file.
棋譜読込結果 棋譜_読込(const std::string& path);

struct 棋譜書込結果 {
  bool 成功 = false;
  std::string 理由;  // why nothing was written, for the player
};

// Writes the file at `path`: the whole file goes to a new file beside it, which then
// replaces any old one, so a failed write never damages what was there. A name that
// CP932 cannot hold is refused, naming the field, and nothing is written.
棋譜書込結果 棋譜_書込(const std::string& path, const 棋譜データ& data);

struct ファイル読込結果 {
  bool 成功 = false;
  std::string バイト列;  // the whole file, when 成功
  std::string 理由;      // otherwise why it cannot be read, naming the file
};

// Reads the whole of the regular file at `path` (UTF-8), as 棋譜_読込 does before it
// checks the content: a missing, unreadable, special or oversized file is refused.
ファイル読込結果 ファイル_読込(const std::string& path);

struct 棋譜バイト列結果 {
  bool 成功 = false;
  std::string バイト列;  // the whole file, when 成功
  std::string 理由;      // otherwise why it cannot be written, for the player
};

// The bytes 棋譜_書込 writes. Refused: a name CP932 cannot hold or holding a line
// break (naming the field as the player knows it: 対局名, 先手, 後手), more than
// KIFU_MAX moves, a move with a field out of its range (its columns would shift).
棋譜バイト列結果 棋譜_バイト列(const 棋譜データ& data);

// The moves 1..KIFU_SUU of the record, with the given names.
棋譜データ 棋譜_記録から(const GameState& s, std::string 対局名, std::string 上側の名,
                         std::string 下側の名);

// Loads checked moves into the move record: entries 1..n, KIFU_SAIGO = n, KIFU_SUU =
// TESUU = 0. The board is not touched: the caller has set up the starting position.
void 棋譜_記録へ(const 棋譜データ& data, GameState& s);

}  // namespace kazeban
