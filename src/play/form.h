// The main window's state and the ports it draws, asks and sounds through: one Form1
// lives as long as the program, owns the game state, the selection of the move being
// entered, the drawing target and the sound handles, and every operation of the window
// (start-up, the mouse, the menus, the end of a game) works on it.
//
// Form1 knows nothing of Qt: the window hands it a drawing surface and its controls,
// the tests hand it a recording surface and scripted fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/influence_map.h"
#include "computer/snapshots.h"
#include "display/controls.h"
#include "display/noted_texts.h"
#include "display/screen.h"
#include "display/surface.h"
#include "play/record_origin.h"
#include "play/standard_state.h"
#include "rules/game_state.h"
#include "sound/sound_module.h"

namespace kazeban {

// The kept image covers the client area of the window: 560 × 480 pixels at 96 dpi, which
// holds the board, both hands and every caption beside them.
inline constexpr int FORM_WIDTH_TWIPS = 8400;
inline constexpr int FORM_HEIGHT_TWIPS = 7200;

// The window's place and outer size at start-up, in twips.
inline constexpr int FORM_LEFT = -60;
inline constexpr int FORM_TOP = -60;
inline constexpr int FORM_OUTER_WIDTH = 8500;
inline constexpr int FORM_OUTER_HEIGHT = 8000;

// The move being entered: the square chosen by the first click (a board square, or a
// hand square: column 11 rows 3..9 for SITA, column −1 rows 1..7 for UE), the square
// named by the second, and the code of the chosen piece (for a hand square, the code
// it has once dropped; the promoted code once the move promotes).
struct 選択 {
  int MOTO_I = 0;
  int MOTO_J = 0;
  int SAKI_I = 0;
  int SAKI_J = 0;
  int KOMA = KARA;
};

// Shows the warnings of the sound procedures as a box titled "KAZEBAN.dll".
class 音声警告 : public SoundWarning {
 public:
  explicit 音声警告(Controls& controls) : controls_(controls) {}
  void Show(std::string_view text) override { controls_.MessageOK("KAZEBAN.dll", text); }

 private:
  Controls& controls_;
};

struct Form1;
class エンジン窓口;

// Told of every move made in a game, the person's and the computer's, once it is on
// the board and in the record and before the game can end; the window's journal keeps
// the game with it.
class 指し手の記録先 {
 public:
  // A game under standard rules has ended with `e` (its last move already reported),
  // before the end is announced.
  virtual void 終局した(Form1& /*f*/, const 標準の終局& /*e*/) {}
  virtual ~指し手の記録先() = default;
  virtual void 指した(Form1& f) = 0;
  // Before the end of a game is announced and before the program ends: every move
  // reported so far is kept.
  virtual void 書き終える(Form1& /*f*/) {}
};

// Pauses until the wall clock's second has changed `count` times, sleeping in between.
void 待ち時間(int count);

struct Form1 {
  // `sound_folders` are searched in turn for a sound file after the current directory;
  // `window_handle` is passed to the sound library when it is opened.
  Form1(Surface& surface, Controls& controls, std::vector<std::string> sound_folders,
        int32_t window_handle);
  Form1(Surface& surface, Controls& controls, std::string sound_folder, int32_t window_handle);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  GameState s;
  選択 SENTAKU;
  // Where the record on the board starts and what is printed around the board.
  記録の由来 由来;
  // Every drawing passes through the note of the texts a change of language redraws.
  文字の控え 控え;
  画面 g;
  Controls& controls;

  // The sound library, the five buffers and where their warnings go.
  SoundModule sound;
  SoundHandles handles;
  音声警告 warning;
  int32_t window_handle;
  bool 音声_準備済 = false;  // opened and loaded once; a second start-up keeps them

  // The computer player's influence map and what it keeps aside during its turn. They
  // live as long as the window: some defence records of the map carry over from one
  // survey to the next, and every click during a game surveys the board too.
  勢力図 勢力;
  COM記録 COM;

  // The pause before the end of a game is announced; the tests replace it.
  std::function<void(int)> 待機 = 待ち時間;

  // Standard shogi's rules: whether they are in force.
  標準ルール状態 標準;

  // Where every move made is reported; none when the journal is off.
  指し手の記録先* 記録先 = nullptr;
  // Counts the times the record on the board was set up afresh (start-up, a new game,
  // a record read): moves made after a change belong to another game than the ones
  // before it.
  int 記録の世代 = 0;

  // The window's runner of USI engines, and the name of the engine of the game.
  エンジン窓口* エンジン = nullptr;
  std::string エンジン名;

  bool 終了済 = false;  // the program is ending: no handler runs any more
  bool 処理中 = false;  // a handler is running (one of its modal boxes may be open)
};

// Guards an event handler: refuses to run when the program is ending or another
// handler has not returned yet (a click that reaches the window while a modal box of
// the previous one is open), and marks the handler as running until it returns.
class 処理ガード {
 public:
  explicit 処理ガード(Form1& f) : f_(f), ok_(!f.終了済 && !f.処理中) {
    if (ok_) f_.処理中 = true;
  }
  ~処理ガード() {
    if (ok_) f_.処理中 = false;
  }
  処理ガード(const 処理ガード&) = delete;
  処理ガード& operator=(const 処理ガード&) = delete;
  explicit operator bool() const { return ok_; }

 private:
  Form1& f_;
  bool ok_;
};

// Hides the whole record-file panel, as every menu and every click does before acting.
void パネル_隠す(Form1& f);

// Reports the move just made to 記録先, if any.
void 指し手を記録(Form1& f);

// Waits until 記録先, if any, has kept every move reported.
void 記録を書き終える(Form1& f);

// A refused action: the forbidden sound, then a box saying why.
void 拒否(Form1& f, std::string_view title, std::string_view text);

}  // namespace kazeban
