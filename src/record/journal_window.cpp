#include "record/journal_window.h"

namespace kazeban {

void 窓の対局記録::指した(Form1& f) {
  // Text2 the game's name, Text3 the first player's, Text4 the second player's.
  const 記録の名前 names{f.controls.PanelText(2), f.controls.PanelText(3), f.controls.PanelText(4)};
  const 記録結果 r = journal_.指した(f.s, names);
  if (r.知らせる) {
    f.controls.MessageOK("棋譜保存", "対局を記録できません\n" + r.場所 + "\n" + r.理由 +
                                         "\n対局はこのまま続けられます");
  }
}

}  // namespace kazeban
