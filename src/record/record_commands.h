// The record file in the window: the 棋譜 menu's 読込 and 書込 and the controls of the
// record-file panel over the upper left of the board (the drive, directory and file
// lists, the four name boxes and "RETURN"). Writing saves the moves up to the position
// on the board with the names typed; reading checks the whole file first and only then
// sets up the starting position with the file's moves in the record, ready to be
// stepped through with 進 (record mode). A file that is refused leaves the game as it
// was; a file that cannot be written is reported and never reported as written.
#pragma once

#include <string>
#include <string_view>

#include "play/form.h"
#include "storage/record_file.h"

namespace kazeban {

// 読込: the drive, directory and file lists show; the name part hides.
void KIFU_READ_Click(Form1& f);

// 書込: refused after 反転 or a handicap setting; otherwise the drive and directory
// lists, the name boxes with their labels and "RETURN" show, the file list hides.
void KIFU_WRITE_Click(Form1& f);

// A volume was chosen in Drive1: Dir1 and File1 move to its root, or "ﾃﾞﾊﾞｲｽが準備できて
// いません" when it cannot be read (the lists then stay where they were).
void Drive1_Change(Form1& f);

// A directory was chosen in Dir1: File1 lists it.
void Dir1_Change(Form1& f);

// "RETURN": writes the moves 1..KIFU_SUU with the names of the boxes to Dir1's
// directory as Text1 + ".棋譜", replacing a file of that name only by a complete one.
void Command1_Click(Form1& f);

// A file was chosen in File1: it is read and checked; a good one is loaded in record
// mode, a refused one is reported with its line and changes nothing.
void File1_Click(Form1& f);

// The reading half of File1_Click, for a file named by its path (also the one given on
// the command line): read and checked; a good one is loaded in record mode with its
// names and the boxes saying so, a refused one gets the forbidden sound and a box
// naming the fault, and the game stays as it was. The caller holds the handler guard.
void 棋譜ファイル_読込(Form1& f, const std::string& path);

// Sets up a record file that was read and checked, as File1_Click does: start-up
// again, record mode, the names, the moves, and what was read.
void 棋譜_記録モードへ(Form1& f, const 棋譜読込結果& read);

// The names of a record in white around the board, as reading a record file prints
// them: the game's name under the board on the left, the top player's above the
// board, the bottom player's under it. An empty name is not drawn.
void 名前_描画(Form1& f, const std::string& 対局名, const std::string& 上側の名,
               const std::string& 下側の名);

// The names of a game read from another program's record, in the same places, each
// shortened with "…" where it would reach the next text (the game's name, the bottom
// player's) or the window's edge; the game keeps them whole.
void 読んだ名前_描画(Form1& f, const std::string& 対局名, const std::string& 上側の名,
                     const std::string& 下側の名);

// `directory` and `name` joined by one separator (`name` alone for no directory).
std::string パス_結合(std::string_view directory, std::string_view name);

}  // namespace kazeban
