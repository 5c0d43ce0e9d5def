#include "play/game_end.h"

#include <string>

#include "play/start_up.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

bool 終了(Form1& f, std::string_view name, std::string_view text) {
  // 1. A pause of up to a second after the winning move.
  f.待機(1);

  // 2-3. The closing sound, then the winner.
  dsPlay(f.handles.SND_SYUUKYOKU);
  f.controls.MessageOK("終了", text.empty() ? std::string(name) + "の勝ちです" : std::string(text));

  // 4-5. Another game: the starting position, no game in progress.
  if (f.controls.MessageYesNo("再ゲーム", "続けますか？")) {
    初期設定(f);
    dsPlay(f.handles.SND_KOMAUTI);
    return true;
  }

  // 6. No: the program ends here.
  プログラム終了(f);
  return false;
}

}  // namespace kazeban
