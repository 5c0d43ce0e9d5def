// The end of a game: the pause, the closing sound, the winner's box, and the choice
// between a new game and the end of the program.
#pragma once

#include <string_view>

#include "play/form.h"

namespace kazeban {

// Announces `name` ("あなた", "先手", "後手", "ｺﾝﾋﾟｭｰﾀ") as the winner and asks
// "続けますか？". Yes sets up the starting position with no game in progress and
// returns true. No releases the sounds and ends the program and returns false: the
// caller must then return at once without touching the window or the state. A game
// that ends otherwise than by KAZEBAN's own rule gives the box's `text` instead of
// "<name>の勝ちです" (a draw names no winner).
[[nodiscard]] bool 終了(Form1& f, std::string_view name, std::string_view text = {});

}  // namespace kazeban
