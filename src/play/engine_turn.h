// Games against a USI engine, as operations of the window. The engine runs in another
// process and answers some time later, so its turn is split: the person's move hands
// the turn to the engine through the window's 窓口 (with "思考中" shown) and returns at
// once; the window calls back with the engine's move, its resignation or its fault.
// These games always follow standard shogi (standard_game.h): the person's moves are
// judged by its rules, and mate and repetition end the game.
#pragma once

#include <optional>
#include <string>

#include "interop/position.h"
#include "play/computer_turn.h"
#include "play/form.h"
#include "storage/record_file.h"

namespace kazeban {

// The window's side of an engine game: it runs the engine.
class エンジン窓口 {
 public:
  virtual ~エンジン窓口() = default;
  // The engine is to move in the game on the board (the record's moves 1..KIFU_SUU).
  virtual void 考えて(Form1& f) = 0;
  // The game against the engine is over, won by `winner` (black: the person at the
  // bottom; none: a draw): the engine is told and let go.
  virtual void 終わった(Form1& f, std::optional<Color> winner) = 0;
};

// 先手 (the person moves first, at the bottom) or 後手 (the engine moves first) of
// 対局(ｴﾝｼﾞﾝ): a board with moves on it is set up afresh, a handicap board is played
// from; `engine_name` names the top side.
void エンジン対局_開始(Form1& f, bool 人が先手, const std::string& engine_name);

// True in a game against the engine.
bool エンジン対局中(const Form1& f);

// After the person's move is on the board: the game ends by mate or repetition, or
// "思考中" is shown and the engine is asked.
void エンジン対局_人が指した(Form1& f);

// The engine's move (on KAZEBAN's board, a drop from column -1 with its kind), allowed
// by the standard rules: recorded, made, outlined, captioned and sounded as the
// computer's; then the game ends by mate or repetition, or the person is to move.
COM手番結果 エンジンの手(Form1& f, const 棋譜の手& m);

// The engine resigned (`engine_won` false) or claimed the win.
void エンジン対局_終局(Form1& f, bool engine_won);

// The person resigns (対局 → 投了), whoever is to move.
void エンジン対局_人の投了(Form1& f);

// The engine's answer came for a game stopped meanwhile (stepped back): "思考中" goes.
void エンジンの答えを捨てる(Form1& f);

// The engine failed: the box says why; the game on the board stays and stops, to be
// stepped through, saved or resumed.
void エンジン故障(Form1& f, const std::string& reason);

}  // namespace kazeban
