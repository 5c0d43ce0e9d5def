// Conversion between the UTF-8 text the program works in and CP932 (Shift_JIS as
// Japanese Windows writes it), the code page of the record files' name lines.
// glibc's iconv does the work under the name "CP932": its "SHIFT_JIS" lacks
// characters players type every day (～, ①, 髙).
#pragma once

#include <string>
#include <string_view>

namespace kazeban {

// CP932 bytes as UTF-8. Never fails: a byte that starts no valid character, a lead
// byte without its trail byte, and every control character (a NUL, a tab, an escape)
// each become U+FFFD, so whatever a damaged file holds comes out as printable text.
std::string CP932からUTF8(std::string_view bytes);

struct CP932変換結果 {
  bool 成功 = false;
  std::string バイト列;      // the CP932 bytes, when 成功
  std::string 書けない文字;  // otherwise the first character CP932 cannot hold (UTF-8)
};

// UTF-8 text as CP932 bytes. Fails at the first character CP932 has no code for (an
// emoji, U+FFFD, most characters outside Japanese), at a malformed UTF-8 sequence and
// at a control character, which a name line of the file cannot carry.
CP932変換結果 UTF8からCP932(std::string_view text);

// A whole CP932 text (a record of another program) as UTF-8, as CP932からUTF8 turns
// a line, except that line ends (CR, LF) and tabs are kept as they are.
std::string CP932文書からUTF8(std::string_view bytes);

// A whole UTF-8 text as CP932, as UTF8からCP932 converts a line, except that line
// ends (CR, LF) are allowed; any other control character fails.
CP932変換結果 UTF8文書からCP932(std::string_view text);

}  // namespace kazeban
