// Games of the other record formats in the window's state. A game read sets up its
// starting position (the even one, a handicap or any board diagram, black at the
// bottom) and fills the move record, ready to be stepped through as a record file's
// moves are. The game on the board, for an export, is the moves up to the position
// shown, from the position the record starts from, with the names the player typed or
// sees. Plain functions of the state: the window's commands add the boxes, the sounds
// and the drawing.
#pragma once

#include <string>
#include <string_view>

#include "interop/game.h"
#include "interop/record_formats.h"
#include "play/record_origin.h"
#include "rules/game_state.h"

namespace kazeban {

// Sets up `g` in `s`: its starting position on the board and in the hands, its first
// KIFU_MAX moves in the record, none of them on the board. Returns true when the game
// has more moves than the record holds. Nothing else of `s` changes.
bool 対局棋譜_記録へ(const 対局棋譜& g, GameState& s);

// Where `g`, set up in `s` by 対局棋譜_記録へ, comes from: its start with its record,
// who moves first, its names, date and end (kept only when every move was read).
記録の由来 対局棋譜の由来(const 対局棋譜& g, const GameState& s, bool 打切り);

// The position the record on the board starts from: every move on the board taken
// back. The board and the hands only are meaningful.
GameState 記録の開始局面(const GameState& s);

// Whose turn it is on the board shown: in a game, the side to move; otherwise the side
// of the next recorded move, or the side that did not make the last one, or the side
// that moves first from the record's start.
Color 盤の手番(const GameState& s, const 記録の由来& o);

// What the panel's boxes hold: the game's name, the first player's, the second's.
struct 書出の名前 {
  std::string 対局名;
  std::string 先手;
  std::string 後手;
};

// The game on the board for an export: the moves 1..KIFU_SUU from the position the
// record starts from. Each name is the box's when filled, else the one printed around
// the board, else, in a game against the computer, "あなた" at the bottom and
// "ｺﾝﾋﾟｭｰﾀ" at the top. While the moves are those of the game read, its date is kept,
// and so is its end once all of them are on the board; otherwise the date is
// `今の日時`. A game under standard rules (`標準`) is not ended by a check, as a game
// under KAZEBAN's own rule is.
対局棋譜 書出用の対局(const GameState& s, const 記録の由来& o, const 書出の名前& boxes,
                      const std::string& 今の日時, bool 標準 = false);

// The format a file's name asks for by its extension (any case): .kif KIF in
// Shift_JIS, .kifu KIF in UTF-8, .csa, .sfen, .usi. False for any other name.
bool 書出形式(std::string_view fileName, 棋譜形式& format);

}  // namespace kazeban
