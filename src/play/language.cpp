#include "play/language.h"

#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "play/computer_turn.h"
#include "play/handicap_caption.h"

namespace kazeban {

void 言語_切替(Form1& f, 表示言語 language) {
  f.g.言語 = language;
  // Copies: drawing again notes each text anew.
  const 文字の控え::項目 ue = f.控え[文字の控え::上の手];
  const 文字の控え::項目 sita = f.控え[文字の控え::下の手];
  const 文字の控え::項目 thinking = f.控え[文字の控え::思考中];
  const 文字の控え::項目 grade = f.控え[文字の控え::ハンデ];
  const 文字の控え::項目 number = f.控え[文字の控え::手数];

  for (const 文字の控え::項目* move : {&ue, &sita}) {
    if (move->表示中) {
      描画_移動結果(f.g, f.s.BAN_IRO, move->x, move->y, move->列, move->段, move->駒, move->色,
                    move->西洋式);
    }
  }
  if (thinking.表示中) 思考中_描画(f);
  if (grade.表示中) 描画_ハンデレベル(f, grade.値);
  // Last: the right-hand caption's box reaches into the top of the number.
  if (number.表示中) 描画_手数(f.g, f.s, number.値);
  f.g.surface.Refresh();
}

}  // namespace kazeban
