// The person's moves: every press of a mouse button on the window. A move takes two
// clicks, the first on a piece on the board or in a hand, the second on its
// destination; the right button on the second click promotes where promotion is
// possible. Against the computer, it replies at once within the same click. Outside a
// game a click explains what to do or resumes a stopped game.
#pragma once

#include "play/form.h"

namespace kazeban {

// Mouse buttons as the window reports them.
inline constexpr int BUTTON_LEFT = 1;
inline constexpr int BUTTON_RIGHT = 2;
inline constexpr int BUTTON_MIDDLE = 4;

// A button pressed at (x, y) twips of the client area. The middle button (and any
// other) acts as the left one. `shift` is not used.
void Form_MouseDown(Form1& f, int button, int shift, double x, double y);

}  // namespace kazeban
