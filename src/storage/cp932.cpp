#include "storage/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace kazeban {
namespace {

constexpr std::string_view 置換文字 = "\xEF\xBF\xBD";  // U+FFFD

bool 制御文字(unsigned char b) {
  return b < 0x20 || b == 0x7F;
}

// One iconv conversion descriptor, closed when the scope ends.
class 変換器 {
 public:
  変換器(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~変換器() {
    if (開いた()) iconv_close(cd_);
  }
  変換器(const 変換器&) = delete;
  変換器& operator=(const 変換器&) = delete;

  bool 開いた() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `in` as it can, appending to `out`. Returns 0 when all of
  // it was converted, otherwise the errno that stopped it (EILSEQ or EINVAL) with
  // `in` advanced to the offending byte.
  int 変換(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* ip = const_cast<char*>(in.data());
      size_t il = in.size();
      char* op = buffer;
      size_t ol = sizeof buffer;
      const size_t r = iconv(cd_, &ip, &il, &op, &ol);
      const int err = r == static_cast<size_t>(-1) ? errno : 0;
      out.append(buffer, static_cast<size_t>(op - buffer));
      in.remove_prefix(in.size() - il);
      if (err == E2BIG) continue;  // the buffer was full: go on with what is left
      if (err != 0) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return err;
      }
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

// The length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
size_t UTF8の長さ(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// How the refusal names the character at the start of `rest`.
std::string 文字の説明(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  if (lead == '\r' || lead == '\n') return "改行";
  if (lead == '\t') return "タブ";
  if (制御文字(lead)) return "制御文字";
  const size_t n = UTF8の長さ(lead);
  if (n == 0 || n > rest.size()) return "UTF-8 として正しくない文字";
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(rest[k]) & 0xC0) != 0x80) return "UTF-8 として正しくない文字";
  }
  return std::string(rest.substr(0, n));
}

std::string CP932変換(std::string_view bytes, bool 文書);
CP932変換結果 UTF8変換(std::string_view text, bool 文書);

// Line ends (and, on reading, tabs) that a whole text keeps.
bool 改行(unsigned char b) {
  return b == '\r' || b == '\n';
}

}  // namespace

std::string CP932からUTF8(std::string_view bytes) {
  return CP932変換(bytes, false);
}

std::string CP932文書からUTF8(std::string_view bytes) {
  return CP932変換(bytes, true);
}

CP932変換結果 UTF8からCP932(std::string_view text) {
  return UTF8変換(text, false);
}

CP932変換結果 UTF8文書からCP932(std::string_view text) {
  return UTF8変換(text, true);
}

namespace {

std::string CP932変換(std::string_view bytes, bool 文書) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  変換器 cd("UTF-8", "CP932");
  while (!bytes.empty()) {
    // 1. A control byte is never part of a CP932 character: replace it on its own.
    if (制御文字(static_cast<unsigned char>(bytes.front()))) {
      const auto b = static_cast<unsigned char>(bytes.front());
      if (文書 && (改行(b) || b == '\t')) {
        out += static_cast<char>(b);
      } else {
        out += 置換文字;
      }
      bytes.remove_prefix(1);
      continue;
    }
    // 2. Convert the run of bytes up to the next control byte.
    size_t run = 0;
    while (run < bytes.size() && !制御文字(static_cast<unsigned char>(bytes[run]))) ++run;
    std::string_view part = bytes.substr(0, run);
    bytes.remove_prefix(run);
    while (!part.empty()) {
      if (!cd.開いた()) {
        // Without the converter only plain ASCII can be trusted.
        const auto b = static_cast<unsigned char>(part.front());
        if (b < 0x80) {
          out += static_cast<char>(b);
        } else {
          out += 置換文字;
        }
        part.remove_prefix(1);
        continue;
      }
      // 3. A byte that starts no character, or a lead byte whose trail byte is
      // missing or wrong, becomes U+FFFD alone; the next byte starts afresh, so an
      // ASCII byte after a stray lead byte is kept.
      if (cd.変換(part, out) != 0) {
        out += 置換文字;
        part.remove_prefix(1);
      }
    }
  }
  return out;
}

CP932変換結果 UTF8変換(std::string_view text, bool 文書) {
  CP932変換結果 r;
  // 1. A control character (a line break above all) would break the file's lines.
  for (size_t k = 0; k < text.size(); ++k) {
    const auto b = static_cast<unsigned char>(text[k]);
    if (制御文字(b) && !(文書 && 改行(b))) {
      r.書けない文字 = 文字の説明(text.substr(k));
      return r;
    }
  }
  // 2. ASCII is the same in CP932 (the backslash and the tilde included).
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    r.成功 = true;
    r.バイト列 = text;
    return r;
  }
  // 3. Everything else goes through iconv, which stops at the first character CP932
  // cannot hold or at malformed UTF-8.
  変換器 cd("CP932", "UTF-8");
  if (!cd.開いた()) {
    r.書けない文字 = "文字コード CP932 への変換が使えません";
    return r;
  }
  std::string_view rest = text;
  if (cd.変換(rest, r.バイト列) != 0) {
    r.書けない文字 = 文字の説明(rest);
    r.バイト列.clear();
    return r;
  }
  r.成功 = true;
  return r;
}

}  // namespace
}  // namespace kazeban
