// Games under standard shogi's rules in the window. With ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ checked (or in
// a game that always uses them, an engine game), every kind of game follows standard
// shogi: a move that leaves or puts the mover's own king in check, or a pawn drop that
// mates, is refused with a box naming the rule (KAZEBAN's own move test refuses the
// rest); a check does not end the game; a side with no legal move is mated; the same
// position for the fourth time is a draw, or a loss for the side whose every move since
// its first appearance gave check; and the side to move may resign.
//
// A game's flow under these rules, for the person's moves, the computer's and an
// engine's alike:
//   1. before a move is recorded: 標準_反則なら拒否 (the person's) or 標準_指し手判定;
//   2. once it is recorded, made and reported: 標準_手の後, which either hands the game
//      on or ends it through the usual end (the pause, the closing sound, a box
//      naming the winner or the draw, then the question of another game);
//   3. resigning: 標準_投了.
// The positions for the repetition rule are those of the move record on the board,
// replayed from its start, so stepping back and resuming keeps them right.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interop/standard_rules.h"
#include "play/form.h"

namespace kazeban {

// True when the game on the board follows standard shogi's rules.
bool 標準ルールか(const Form1& f);

// The side whose turn it is in the game in progress (the bottom side is black).
Color 手番の色(const GameState& s);

// Judges a move of the side that owns m.KOMA before it is recorded. The fields are the
// record line's, with the code after the move in NARI (promoted when it promotes) and
// the code on the destination in TORI; a drop comes from column 11 (the bottom hand)
// or -1 (the top hand) with either the hand row or the kind as its row.
標準判定結果 標準_指し手判定(const GameState& s, const 棋譜の手& m);

// The box text of a refused move: "王手を放置する手は指せません", "打ち歩詰めは反則です" …
// (`s` before the move, to tell a king left in check from one put in check).
std::string 反則の説明(const GameState& s, const 棋譜の手& m, 標準判定結果 r);

// Under standard rules, refuses a move standard shogi forbids with the forbidden sound
// and a box titled "反則" naming the rule, and returns true; otherwise returns false.
bool 標準_反則なら拒否(Form1& f, const 棋譜の手& m);

// After move KIFU_SUU of `s`: the end it brings (mate, or the fourth repetition), or
// none when the game goes on.
std::optional<標準の終局> 標準_終局判定(const GameState& s);

// The name the boxes give a side: "先手" and "後手" between people, "あなた" and
// "ｺﾝﾋﾟｭｰﾀ" against the computer.
std::string 対局者の名(const GameState& s, Color side);

// Ends the game with `e`: tells the journal, then the usual end with a box naming
// the winner ("先手の勝ちです", "あなたが投了しました\nｺﾝﾋﾟｭｰﾀの勝ちです",
// "千日手で引き分けです" …) and the question of another game. Returns false when the
// program is ending: the caller returns at once without touching the window.
[[nodiscard]] bool 標準_終局(Form1& f, const 標準の終局& e, std::string_view 黒の名,
                             std::string_view 白の名);
[[nodiscard]] bool 標準_終局(Form1& f, const 標準の終局& e);

// After a move under standard rules, recorded, made and reported (the turn not yet
// handed on): true when the game goes on; false when it ended (through 標準_終局, with
// 対局者の名 for the names), and the caller returns at once.
[[nodiscard]] bool 標準_手の後(Form1& f);

// The side to move resigns: the other side wins, through 標準_終局. Returns as
// 標準_終局 does.
[[nodiscard]] bool 標準_投了(Form1& f);

// ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ: the rules on or off, with the check mark; they count from the
// next move.
void HYOUJUN_Click(Form1& f);

// 対局 → 投了: in a game under standard rules, asks "投了しますか？" and the side to move
// resigns on はい; refused with a box when no game is in progress or the game follows
// KAZEBAN's own rule.
void TOURYOU_Click(Form1& f);

}  // namespace kazeban
