// KIF files of games played under KAZEBAN's own rule. Such a game may hold moves that
// standard shogi forbids (a king left attacked or taken, a pawn drop that mates) or
// start from a position it refuses (the side not to move in check). Its KIF is the
// standard one, which other programs read as far as standard shogi allows, plus a block
// of comment lines that they skip and KAZEBAN reads: the starting position as KAZEBAN
// holds it and every move as a record-file line, replayed by the record file's own
// checks.
//
//   #KAZEBAN-RULE first=b turned=0
//   # この対局は KAZEBAN の規則で指されました。…
//   #KAZEBAN-ROW 1 20 30 100 110 950 110 100 30 20      (row 1, columns 1..9)
//   … rows 2..9 …
//   #KAZEBAN-HANDS 0 0 0 0 0 0 0 0 0 0 0 0 0 0        (the bottom's kinds 1..7, the top's)
//   #KAZEBAN-MOVE  7776 -10 -10   0
//
// The block goes first, after a "#KIF" line if there is one. `first` is the side that
// moves first (b the bottom, w the top); `turned` is 1 when the standard part shows
// the game turned round (an even game that the top side began), so its 先手 is the top
// side's name.
#pragma once

#include <string_view>

#include "interop/game.h"
#include "interop/record_formats.h"

namespace kazeban {

// The KIF (`utf8`: KIFU) of a KAZEBAN game: `standard` is the game as other programs
// are given it (KAZEBAN対局から), `start` KAZEBAN's own start with the first mover to
// move, `moves` every move played. The KAZEBAN block is added only when the standard
// part alone would not read back to the whole game.
書出結果 KAZEBAN規則のKIF(const 対局棋譜& standard, const Position& start, const 棋譜の手* moves,
                          int count, bool utf8);

// True when a record's text (UTF-8) holds the block's first line.
bool KAZEBAN規則の棋譜か(std::string_view text);

// Reads a record holding the block: names, game name and date from the KIF headers,
// the start and the moves from the block, every move checked as a record file's.
// A refusal names the line at fault ("5行目: ...").
対局棋譜読込結果 KAZEBAN規則の棋譜_読込(std::string_view text);

}  // namespace kazeban
