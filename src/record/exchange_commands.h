// The records of other shogi programs through the window: reading a game (from a file
// or pasted text) into record mode, writing the game on the board to a file, and the
// position shown as SFEN. Reading checks the whole game before anything changes: a
// refused one is reported with the forbidden sound and leaves the board as it was. A
// game read is stepped through with 進 and 戻 as a record file is.
#pragma once

#include <string>
#include <string_view>

#include "play/form.h"

namespace kazeban {

// Reads the file at `path` in any of the formats (KIF, KI2, CSA, SFEN/USI, or a record
// file) and sets it up in record mode. False when it was refused (and reported).
bool 棋譜ファイル_取込(Form1& f, const std::string& path);

// Reads pasted text in any of the formats and sets it up in record mode.
bool 棋譜_貼付け(Form1& f, std::string_view text);

// Writes the game on the board (the moves up to the position shown) to `path` in the
// format its extension names, with the names of the panel's boxes when filled; the
// date of a game not read from a record is `今の日時`. A file is replaced only by a
// complete one. False when nothing was written (and reported).
bool 棋譜_書出(Form1& f, const std::string& path, const std::string& 今の日時);

// The position shown, with the side to move and the move number, as one SFEN line.
std::string 局面_SFEN(Form1& f);

}  // namespace kazeban
