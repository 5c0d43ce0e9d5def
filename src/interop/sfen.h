// SFEN positions and USI moves: the one-line notation every engine and most websites
// use. A position is "<board> <b|w> <hands|-> <n>": the board rank by rank from rank
// a (KAZEBAN row 1), each rank from file 9 (KAZEBAN column 1), upper case for black,
// "+" before a promoted piece, digits for empty squares. A move is "7g7f" (from, to),
// "8h2b+" (promoting) or "P*5e" (a drop).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interop/position.h"
#include "storage/record_file.h"

namespace kazeban {

struct SFEN読込結果 {
  bool 成功 = false;
  Position 局面;
  std::vector<棋譜の手> 手;
  std::string 理由;
};

// "startpos" or "sfen <board> <b|w> <hands|-> <n>" or a bare SFEN, optionally
// preceded by "position" and followed by "moves m1 m2 ...". Every move is checked
// with 標準判定 against its position: anything but 合法 is refused naming the move.
// When `kazebanRules` is true, moves that only KAZEBAN allows (王手放置, 打ち歩詰め)
// are accepted too; 不正, 二歩 and 行き所のない駒 are always refused. A record's start
// (`record`) may be any position play can go on from, as problems have them (a piece
// that could never move, nine pawns in a column).
SFEN読込結果 SFEN_解析(std::string_view text, bool kazebanRules = false, bool record = false);

// The SFEN of the position with the given move number: "lnsgkgsnl/... b - 1".
std::string SFEN_局面(const Position& p, int moveNumber = 1);

// The USI form of a move: "7g7f", "P*5e", "8h2b+".
std::string USI_指し手(const 棋譜の手& m);

// Reads one USI move for the side to move of p; false when it is malformed or names
// no piece that could make it (legality beyond that: 標準判定).
bool USI_指し手解析(const Position& p, std::string_view text, 棋譜の手& out);

// Reads only the position part (no "moves"); the reason names what is wrong. A record's
// start (`record`) is checked as SFEN_解析 checks it.
bool SFEN_局面解析(std::string_view board, std::string_view side, std::string_view hands,
                   Position& out, std::string& 理由, bool record = false);

}  // namespace kazeban
