// A game as the record formats of the shogi world hold it: a starting position (the
// even one, a standard handicap or any board diagram), the moves from it with their
// comments and times, the variations, the headers as written, the names, the date and
// how the game ended. Every format of this folder reads into a game and writes from
// one (対局棋譜), keeping whatever the other format can hold; the window's record mode
// and the journal use it too. A game has any length: only the window's own record
// stops at KIFU_MAX moves.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "interop/position.h"
#include "storage/record_file.h"

namespace kazeban {

enum class 対局結果 {
  不明,      // no end word, or one that names no winner (中断 …)
  先手勝ち,  // black (the bottom side) won
  後手勝ち,  // white (the top side) won
  引き分け,  // 千日手, 持将棋
};

// What a record says of one move beside the move itself. Times are whole seconds; a
// move whose record gave no time has none (never a made-up 0:00).
struct 手の注記 {
  std::string コメント;  // the move's comment lines joined by '\n', without * or '
  int 消費秒 = -1;       // the time the move took (KIF's first figure, CSA's T); -1: none
  int 累計秒 = -1;       // the mover's total so far (KIF's second figure); -1: none
  std::string しおり;    // KIF's bookmark ("&" line), without the &

  bool 空か() const { return コメント.empty() && 消費秒 < 0 && 累計秒 < 0 && しおり.empty(); }
  bool operator==(const 手の注記&) const = default;
};

// A line of play that branches from another: its first move replaces the move at index
// 分岐 of the line it hangs from (0 = that line's first move; 手.size() of that line =
// an alternative to its end). Its moves are played from the position before that
// move, so its first move is move number (start of the parent line) + 分岐, the main
// line starting at move 1. Variations of a variation hang from it in turn, never with
// 分岐 0 (an alternative to a variation's first move hangs beside it). The variations
// of one line are kept as KIF lists them: from its last move back to its first (分岐
// descending), those that replace the same move in the record's order.
struct 変化手順 {
  size_t 分岐 = 0;
  std::vector<棋譜の手> 手;
  std::vector<手の注記> 注記;  // parallel to 手; may be shorter (missing = none)
  std::vector<変化手順> 変化;
  std::string 終局;         // the line's end word, as for the main line; may be empty
  手の注記 終局注記;        // the end line's time and the comment after it
  bool 最終手反則 = false;  // as for the main line

  bool operator==(const 変化手順&) const = default;
};

struct 対局棋譜 {
  Position 開始局面;         // black to move from the even start
  std::string 手合割;        // "平手", "香落ち" … as written; empty for a diagram
  std::vector<棋譜の手> 手;  // the main line, each move checked against its position
  std::string 棋戦;          // the game's name (KAZEBAN's 対局名)
  std::string 先手名;        // black's name (下手 in a handicap game)
  std::string 後手名;        // white's name (上手 in a handicap game)
  std::string 開始日時;      // as written, e.g. "2026/12/08 18:14:03"
  std::string 終局;          // the end word as read or to be written: 投了, 中断, 詰み …
  対局結果 結果 = 対局結果::不明;
  std::string 終局コメント;  // a closing comment: why the record stops where it does

  // Kept so that nothing a record holds is lost in a conversion.
  std::vector<手の注記> 注記;  // parallel to 手; may be shorter (missing = none)
  std::string 開始コメント;    // the comment before the first move
  std::string 開始しおり;      // the bookmark of the start
  手の注記 終局注記;  // the end line's time and bookmark (its comment is 終局コメント)
  std::vector<変化手順> 変化;  // variations of the main line, ordered as in 変化手順
  // Every header line as written (key, value), in order, the ones with fields above
  // included, so that a KIF is written back with all of them. Keys are KIF's names (棋戦,
  // 場所, 持ち時間 …): a reader of another format puts what it maps there under them.
  // On writing, the fields above win over the values kept here.
  std::vector<std::pair<std::string, std::string>> 見出し;
  // The last move of 手 is a foul (二歩, 打ち歩詰め, 王手放置, 行き所のない駒; see 反則か):
  // the pieces can make it, standard shogi forbids it, and it lost the game. Its end
  // word is 反則勝ち (said by the side to move after the foul, as KIF writes it) and
  // 結果 names the other side of the one that fouled. A replay stops before it.
  bool 最終手反則 = false;
  // Played under KAZEBAN's own rule (a move that attacks the king wins): the moves are
  // checked by KAZEBAN's move test, not standard shogi's, and a record written from the
  // game keeps every one of them (the standard ones as usual, the rest in a form
  // KAZEBAN reads back and other programs skip).
  bool KAZEBANルール = false;
};

}  // namespace kazeban
