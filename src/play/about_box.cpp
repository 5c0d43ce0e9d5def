#include "play/about_box.h"

#include "sound/kazeban_sound.h"

#ifndef KAZEBAN_VERSION
#error "KAZEBAN_VERSION must be defined by the build"
#endif

namespace kazeban {

std::string 版情報() {
  return std::string("KAZEBAN Version ") + KAZEBAN_VERSION +
         "\n\nHomePage  https://www.example.org/kazeban/\nE-Mail  kazeban@example.org";
}

void VER_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  パネル_隠す(f);
  dsPlay(f.handles.SND_SONOTA);
  f.controls.MessageOK(ABOUT_TITLE, 版情報());
}

}  // namespace kazeban
