// The texts the drawing prints: the tokens of a move caption (file digit, rank
// numeral, piece name), the fixed texts beside the board, and a number printed the
// way the window prints numbers (a place for the sign before it, a blank after it).
#pragma once

#include <array>
#include <charconv>
#include <string_view>

#include "display/translatable.h"

namespace kazeban {

// The full-width file digits "１".."９" for 1..9; empty otherwise.
constexpr std::string_view 筋の文字(int file) {
  constexpr std::array<std::string_view, 10> digits = {"",   "１", "２", "３", "４",
                                                       "５", "６", "７", "８", "９"};
  return file >= 1 && file <= 9 ? digits[file] : std::string_view();
}

// The rank numerals "一".."九" for 1..9; empty otherwise.
constexpr std::string_view 段の文字(int rank) {
  constexpr std::array<std::string_view, 10> numerals = {"",   "一", "二", "三", "四",
                                                         "五", "六", "七", "八", "九"};
  return rank >= 1 && rank <= 9 ? numerals[rank] : std::string_view();
}

// The name of a piece code of either side as a move caption shows it; empty for an
// empty square, the never-placed promoted golds and any other value.
constexpr std::string_view 駒の名前(int code) {
  switch (code < 0 ? -code : code) {
    case 10:
      return "歩";
    case 11:
      return "と";
    case 20:
      return "香";
    case 21:
      return "香成";
    case 30:
      return "桂";
    case 31:
      return "桂成";
    case 100:
      return "銀";
    case 101:
      return "銀成";
    case 110:
      return "金";
    case 800:
      return "角";
    case 801:
      return "角成";
    case 900:
      return "飛";
    case 901:
      return "飛成";
    case 950:
      return "王";
    default:
      return {};
  }
}

// One token of a move caption: 1..9 the file digit, 1001..1009 the rank numeral, a
// piece code its name; empty for anything else.
constexpr std::string_view 移動駒種類の文字(int token) {
  if (token >= 1 && token <= 9) return 筋の文字(token);
  if (token >= 1001 && token <= 1009) return 段の文字(token - 1000);
  return 駒の名前(token);
}

// The fixed texts: the handicap captions for the grades −10..10 and "手目" for 99;
// empty for any other code.
constexpr std::string_view 固定文字列(int code) {
  constexpr std::array<std::string_view, 21> handicaps = {
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"),
      KZ_TR("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級")};
  if (code >= -10 && code <= 10) return handicaps[static_cast<std::size_t>(code + 10)];
  if (code == 99) return KZ_TR("Board", "手目");
  return {};
}

// A number as the window prints it: a blank in the place of the sign of a number that
// is not negative ("-" for a negative one), the digits, then one blank: " 5 ", " 12 ",
// "-3 ".
struct 数値の文字 {
  explicit 数値の文字(int value) {
    char* p = buffer.data();
    if (value >= 0) *p++ = ' ';
    p = std::to_chars(p, buffer.data() + buffer.size() - 1, value).ptr;
    *p++ = ' ';
    length = static_cast<std::size_t>(p - buffer.data());
  }
  std::string_view view() const { return {buffer.data(), length}; }

  std::array<char, 16> buffer{};
  std::size_t length = 0;
};

}  // namespace kazeban
