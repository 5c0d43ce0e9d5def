// What the readers and writers of the record formats share: the text of a file cut
// into lines, the Japanese names of squares and pieces, the end words, and the
// per-format entry points that record_formats.cpp dispatches to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interop/record_formats.h"
#include "interop/standard_rules.h"

namespace kazeban::formats {

// One line of a text, without its line end, and its number from 1.
struct 行 {
  std::string_view 文;
  int 番号 = 0;
};

// Cuts a text at CR LF, lone CR and lone LF.
std::vector<行> 行に分ける(std::string_view text);

// Blanks (ASCII and full-width spaces, tabs) removed from both ends.
std::string_view 空白除去(std::string_view s);

// The next UTF-8 character of s, removed from it; empty when s is.
std::string_view 一字(std::string_view& s);

// At most the first `bytes` bytes of s (cut between characters), with "…" when cut.
inline constexpr size_t 理由の長さ = 120;
std::string 引用(std::string_view s, size_t bytes);

// "5行目: why", why cut to its first 理由の長さ bytes.
std::string 行の理由(int line, std::string_view why);

// What every reader of moves keeps: the result being read, the position the next move
// is played in, and whether the game's end was reached. Not copied: g refers into r.
struct 読み手の土台 {
  読み手の土台() = default;
  読み手の土台(const 読み手の土台&) = delete;
  読み手の土台& operator=(const 読み手の土台&) = delete;

  対局棋譜読込結果 r;
  対局棋譜& g = r.棋譜;
  Position p;
  bool 終わった = false;

  // Refuses the text at `line`; always false.
  bool 拒否(int line, std::string_view why);
  // Checks the move against p, adds it to `moves` and plays it; `text` names it in a
  // refusal. A move no piece can make is refused; a foul (反則か) is kept and sets
  // `foul`, and any move after it is refused. Games of any length are read.
  bool 手を加える(int line, const 棋譜の手& m, std::string_view text, std::vector<棋譜の手>& moves,
                  bool& foul);
  // The same for the main line (g.手, g.最終手反則).
  bool 手を加える(int line, const 棋譜の手& m, std::string_view text);
  // Once a line that ended in a foul is read: its end word 反則勝ち when it gave none,
  // and the game's result from it when the record named none. toMove: the side to
  // move after the foul.
  void 反則の終局(std::string& word, Color toMove);
};

// Kind 1..7 (P L N S G B R), 8 for the king, of a Japanese piece name, with whether
// it is promoted; false for anything else. Names: 歩 香 桂 銀 金 角 飛 玉 王 と 成香
// 杏 成桂 圭 成銀 全 馬 龍 竜.
bool 駒名の種類(std::string_view name, int& kind, bool& promoted);
// The longest piece name at the start of s (two characters before one), removed.
bool 駒名を読む(std::string_view& s, int& kind, bool& promoted);
// The KIF name of a code (歩, 成香, 龍 …) and the one-character form of the diagrams.
const char* 駒の名(int code);
const char* 駒の一字(int code);
// The unpromoted code of kind 1..8 for a side, promoted when asked.
int 駒コード(int kind, bool black, bool promoted);

// Full-width digits １..９ and kanji numerals 一..九 for files and ranks.
extern const char* const 全角数字[10];
extern const char* const 漢数字[10];
// A number written in kanji (一 … 十八) or digits; -1 for anything else.
int 数を読む(std::string_view s);
std::string 漢数字で(int n);

// The result of an end word said by (or to) the side to move.
対局結果 終局の結果(std::string_view word, Color toMove);
bool 終局語か(std::string_view word);

// The position after the game's moves, or the position before move `upTo`; never past
// a foul (最終手反則): the position before it stands for the end of such a game.
Position 局面の後(const 対局棋譜& game, size_t upTo);

// Per-format readers over the text in UTF-8 and writers into UTF-8 text.
対局棋譜読込結果 KIF_読込(std::string_view text);  // KIF and KI2
対局棋譜読込結果 CSA_読込(std::string_view text);
対局棋譜読込結果 USI_読込(std::string_view text);
書出結果 KIF_書出(const 対局棋譜& game, bool utf8);
書出結果 CSA_書出(const 対局棋譜& game);

// Resolves a KI2 move (after its ▲/△ mark) in p; the reason when it cannot.
bool KI2_指し手(const Position& p, std::string_view text, const 棋譜の手* previous, 棋譜の手& out,
                std::string& why);

}  // namespace kazeban::formats
