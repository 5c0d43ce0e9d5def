#include "play/handicap_caption.h"

#include "display/board_drawing.h"
#include "display/text_drawing.h"

namespace kazeban {

void 消去_ハンデレベル(Form1& f) {
  描画_四角形(f.g, 11, 1, 2200, 550, f.s.BAN_IRO);
}

void 描画_ハンデレベル(Form1& f, int grade) {
  消去_ハンデレベル(f);
  描画_文字列(f.g, 11, 1, grade, IRO_15, 10);
  文字の控え::項目 item;
  item.点x = グリッドX(11) + 130;
  item.点y = グリッドY(1) + 170;
  item.値 = grade;
  f.控え.控える(文字の控え::ハンデ, item);
}

}  // namespace kazeban
