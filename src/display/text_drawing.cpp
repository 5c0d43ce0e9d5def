#include "display/text_drawing.h"

#include <algorithm>

#include "display/board_drawing.h"
#include "display/captions.h"
#include "display/noted_texts.h"

namespace kazeban {

namespace {

// The steps shared by both forms of 描画_数値: erase the box, then print `text` at
// the grid point when there is something to print.
void 数値を印字(画面& g, const GameState& s, double x, double y, std::string_view text, int colour,
                int size) {
  描画_四角形(g, x, y, 400, 350, s.BAN_IRO);
  if (!text.empty()) g.surface.DrawText(グリッドX(x), グリッドY(y), text, size, g.太字, colour);
}

}  // namespace

void 描画_数値(画面& g, const GameState& s, double x, double y, int value, int colour, int mode,
               int size) {
  // Mode 0 prints the number itself; any other mode its rank numeral, if it has one.
  if (mode == 0) {
    const 数値の文字 number(value);
    数値を印字(g, s, x, y, number.view(), colour, size);
  } else {
    数値を印字(g, s, x, y, 段の文字(value), colour, size);
  }
}

void 描画_数値(画面& g, const GameState& s, double x, double y, std::string_view text, int colour,
               int mode, int size) {
  // A text is printed unchanged; it has no rank numeral to print in the other mode.
  数値を印字(g, s, x, y, mode == 0 ? text : std::string_view(), colour, size);
}

void 描画_桝_数値(画面& g, const GameState& s) {
  g.太字 = true;
  for (int i = 1; i <= BAN_SUU; ++i) {
    // File 9..1 above the columns from left to right, rank 一..九 right of the rows.
    描画_数値(g, s, i + 0.1, 0.4, 10 - i, IRO_15, 0, 16);
    描画_数値(g, s, 10.1, i + 0.3, i, IRO_15, 1, 12);
  }
}

void 描画_手数(画面& g, const GameState& s, int n) {
  // 1. Erase the old number.
  描画_四角形(g, 11.8, 2.3, 1250, 300, s.BAN_IRO);

  // 2. The number, moved left as it gains digits so that its last digit stays put.
  const double x = n < 10 ? 11.9 : n < 100 ? 11.8 : 11.7;
  描画_数値(g, s, x, 2.3, n, IRO_15, 0, 12);

  // 3. The word "手目" after it, over its own erased box.
  描画_四角形(g, 12.7, 2.1, 2200, 560, s.BAN_IRO);
  描画_文字列(g, 12.7, 2.1, 99, IRO_15, 10);

  // Noted for a change of language, at "手目".
  if (g.控え != nullptr) {
    文字の控え::項目 item;
    item.点x = グリッドX(12.7) + 130;
    item.点y = グリッドY(2.1) + 170;
    item.値 = n;
    g.控え->控える(文字の控え::手数, item);
  }
}

void 描画_レベル(画面& g, const GameState& s, int n) {
  描画_数値(g, s, -1.5, 0.1, "LEVEL", IRO_15, 0, 10);
  描画_数値(g, s, 0, 0, n, IRO_15, 0, 12);
}

void 描画_文字列(画面& g, double x, double y, int code, int colour, int size) {
  const std::string_view text = 固定文字列(code);
  if (text.empty()) return;
  g.surface.DrawText(グリッドX(x) + 120, グリッドY(y) + 160, text, size, g.太字, colour);
}

double Surface::TextWidth(std::string_view text, int size, bool) {
  double width = 0;
  for (size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    const size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // Half-width katakana: U+FF61..U+FF9F, EF BD A1 .. EF BE 9F.
    const bool halfKana = n == 3 && lead == 0xEF && k + 1 < text.size() &&
                          (static_cast<unsigned char>(text[k + 1]) == 0xBD ||
                           static_cast<unsigned char>(text[k + 1]) == 0xBE);
    width += (n == 1 || halfKana ? 10.0 : 20.0) * size;
    k += n;
  }
  return width;
}

std::string 幅に収める(Surface& surface, std::string_view text, int size, bool bold, double width) {
  if (surface.TextWidth(text, size, bold) <= width) return std::string(text);
  // The longest beginning, whole characters only, that leaves room for the "…".
  std::string fitted;
  std::string best = "…";
  for (size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    n = std::min(n, text.size() - k);
    fitted.append(text.substr(k, n));
    k += n;
    if (surface.TextWidth(fitted + "…", size, bold) > width) break;
    best = fitted + "…";
  }
  return best;
}

}  // namespace kazeban
