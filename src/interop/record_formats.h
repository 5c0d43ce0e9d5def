// Reading and writing whole games in the record formats of the rest of the shogi
// world: KIF (CP932 ".kif", UTF-8 ".kifu"), KI2 (read only), CSA, SFEN/USI, and
// KAZEBAN's own ".棋譜" through its reader and writer. The format is told from the
// content (the file name only as a hint); every move read is checked against the
// position it is played in, and a file that fails is refused with the line it fails
// on, as the ".棋譜" reader does.
#pragma once

#include <string>
#include <string_view>

#include "interop/game.h"

namespace kazeban {

enum class 棋譜形式 { 棋譜ファイル, KIF, KIFU, KI2, CSA, SFEN, USI };

struct 対局棋譜読込結果 {
  bool 成功 = false;
  対局棋譜 棋譜;
  棋譜形式 形式 = 棋譜形式::KIF;
  std::string 理由;     // why it was refused: "5行目: ..."
  bool 打切り = false;  // a .棋譜 file of more than KIFU_MAX moves: only those were read
};

// Detects the format from the content (the file name only as a hint) and reads it;
// a refusal's 理由 begins with the line number ("5行目: ...") as the .棋譜 reader's does.
対局棋譜読込結果 対局棋譜_解析(std::string_view bytes, std::string_view fileName = {});

struct 書出結果 {
  bool 成功 = false;
  std::string バイト列;
  std::string 理由;
};

// Writes the game: KIF (CP932, CR LF), KIFU (UTF-8, CR LF), CSA (CP932, CR LF), SFEN
// (the last position, one line), USI ("position ... moves ...", one line) or the
// ".棋譜" file (only from the even start with black to move).
書出結果 対局棋譜_書出(const 対局棋譜& game, 棋譜形式 format);

// A KAZEBAN game as the other programs expect it: start is KAZEBAN's starting
// position with the side that moved first to move, moves the record lines played,
// names as shown on the board (top, bottom), 対局名 and the date. Turns an even
// game whose top player moved first round, names a standard handicap, otherwise
// keeps a board diagram; stops before the first move standard shogi forbids and
// says why in 終局コメント; sets the result of a game KAZEBAN's own rule ended.
対局棋譜 KAZEBAN対局から(const Position& start, const 棋譜の手* moves, int count,
                         std::string 上側の名, std::string 下側の名, std::string 対局名,
                         std::string 開始日時, bool 終局した);

// Whether the last of the moves ended a KAZEBAN game, as far as the moves tell: it
// took a king, or left the other side's king attacked (the game ends on the first
// attack on a king). A record file does not say; the converter and the window's
// export both decide by this, so they write the same file for the same game.
bool KAZEBAN終局か(const Position& start, const 棋譜の手* moves, int count);

// The name of a standard handicap whose starting position this is (white, the
// stronger player, to move), "平手" for the even start with black to move, or an
// empty text.
std::string 手合割の名(const Position& p);

// The starting position of a standard handicap named as KIF files name it ("平手",
// "香落ち", "二枚落ち" …); false for any other name.
bool 手合割の局面(std::string_view name, Position& out);

// The format's usual name for messages and the command line: "KIF", "CSA" …
const char* 形式の名(棋譜形式 f);

}  // namespace kazeban
