// The name lines' code page: known CP932 bytes both ways, the characters that need
// CP932 rather than plain Shift_JIS, and damaged bytes read without harm.
#include "storage/cp932.h"

#include <gtest/gtest.h>

namespace kazeban {
namespace {

const std::string kFFFD = "\xEF\xBF\xBD";

TEST(CP932, KnownNamesEncodeToTheirCodePageBytes) {
  const struct {
    std::string text, bytes;
  } cases[] = {
      {"対局", "\x91\xCE\x8B\xC7"},
      {"先手", "\x90\xE6\x8E\xE8"},
      {"あなた", "\x82\xA0\x82\xC8\x82\xBD"},
      {"ｺﾝﾋﾟｭｰﾀ", "\xBA\xDD\xCB\xDF\xAD\xB0\xC0"},  // half-width: one byte each
      {"山田 太郎 2", "\x8E\x52\x93\x63 \x91\xBE\x98\x59 2"},
      {"\\~", "\\~"},  // ASCII is itself
      {"", ""},
  };
  for (const auto& c : cases) {
    const CP932変換結果 r = UTF8からCP932(c.text);
    ASSERT_TRUE(r.成功) << c.text;
    EXPECT_EQ(r.バイト列, c.bytes) << c.text;
    EXPECT_EQ(CP932からUTF8(c.bytes), c.text);
  }
}

TEST(CP932, HoldsTheCharactersPlainShiftJisLacks) {
  // The wave dash, a circled digit and a variant kanji are everyday in Japanese names.
  for (const std::string text : {"～", "①", "髙", "髙橋①～"}) {
    const CP932変換結果 r = UTF8からCP932(text);
    ASSERT_TRUE(r.成功) << text;
    EXPECT_EQ(CP932からUTF8(r.バイト列), text);
  }
  EXPECT_EQ(UTF8からCP932("～").バイト列, "\x81\x60");
  EXPECT_EQ(UTF8からCP932("①").バイト列, "\x87\x40");
  // Both codes other programs use for 髙 read as 髙.
  EXPECT_EQ(CP932からUTF8("\xFB\xFC"), "髙");
  EXPECT_EQ(CP932からUTF8("\xEE\xE0"), "髙");
}

TEST(CP932, RefusesWhatItCannotHoldAndNamesTheCharacter) {
  const struct {
    std::string text, named;
  } cases[] = {
      {"名人😀", "😀"},
      {"Zoë", "ë"},
      {"a\xEF\xBF\xBD", kFFFD},  // U+FFFD itself has no code
      {"一\r\n二", "改行"},
      {"一\n二", "改行"},
      {"a\tb", "タブ"},
      {std::string("a\0b", 3), "制御文字"},
      {"ab\xE3\x81", "UTF-8 として正しくない文字"},  // a cut sequence
      {"\xFF", "UTF-8 として正しくない文字"},
  };
  for (const auto& c : cases) {
    const CP932変換結果 r = UTF8からCP932(c.text);
    EXPECT_FALSE(r.成功) << c.text;
    EXPECT_TRUE(r.バイト列.empty());
    EXPECT_EQ(r.書けない文字, c.named);
  }
}

TEST(CP932, DamagedBytesBecomeReplacementCharactersAndNothingElseIsLost) {
  // Bytes that start no character.
  EXPECT_EQ(CP932からUTF8("\x80"), kFFFD);
  EXPECT_EQ(CP932からUTF8("a\xA0z"), "a" + kFFFD + "z");
  EXPECT_EQ(CP932からUTF8("\xFD\xFE\xFF"), kFFFD + kFFFD + kFFFD);
  // A lead byte with no trail byte, at the end or before an ASCII byte, which is kept.
  EXPECT_EQ(CP932からUTF8("\x82\xA0\x82"), "あ" + kFFFD);
  EXPECT_EQ(CP932からUTF8("\x82"
                          "A"),
            kFFFD + "A");
  EXPECT_EQ(CP932からUTF8("\x82 \x82\xA0"), kFFFD + " あ");
  // Control characters never reach the screen.
  EXPECT_EQ(CP932からUTF8(std::string("a\0b\x1B\x7F", 5)), "a" + kFFFD + "b" + kFFFD + kFFFD);
  EXPECT_EQ(CP932からUTF8("\x82\tA"), kFFFD + kFFFD + "A");
}

}  // namespace
}  // namespace kazeban
