// Reading wave images and converting them to the output format, on images made by hand.
#include <gtest/gtest.h>

#include <memory>

#include "sound/wave_image.h"
#include "wave_builder.h"

namespace kazeban::testing {
namespace {

using sound::ConvertToOutput;
using sound::ParseWave;

std::optional<sound::WaveView> Parse(const Bytes& b) {
  return ParseWave(b.data(), b.size());
}

std::vector<int16_t> Convert(const Bytes& b) {
  const auto w = Parse(b);
  EXPECT_TRUE(w.has_value());
  return w ? ConvertToOutput(*w) : std::vector<int16_t>{};
}

TEST(WaveParse, ReadsTheFormatAndFindsTheSamples) {
  const Bytes b = Wave16(1, 44100, {100, -200, 300});
  const auto w = Parse(b);
  ASSERT_TRUE(w.has_value());
  EXPECT_EQ(w->channels, 1);
  EXPECT_EQ(w->rate, 44100u);
  EXPECT_EQ(w->bits, 16);
  EXPECT_EQ(w->frames, 3u);
  EXPECT_EQ(w->data, b.data() + 44);  // 12 of RIFF header, 8 + 16 of fmt, 8 of data
}

TEST(WaveParse, SkipsOtherChunksPaddingAndOrder) {
  // A LIST chunk of odd length (padded), the data before the format, a second data
  // chunk that is ignored, and a few stray bytes at the end.
  Bytes b = Riff({{"LIST", Bytes{'I', 'N', 'F'}},
                  {"data", Samples16({7, 8})},
                  {"junk", Bytes(10, 0xEE)},
                  {"fmt ", FmtBody(1, 2, 8000, 8)},
                  {"data", Samples16({1, 2, 3, 4, 5})}});
  b.push_back(0);
  b.push_back(0);
  b.push_back(0);
  const auto w = Parse(b);
  ASSERT_TRUE(w.has_value());
  EXPECT_EQ(w->channels, 2);
  EXPECT_EQ(w->bits, 8);
  EXPECT_EQ(w->rate, 8000u);
  EXPECT_EQ(w->frames, 2u);                    // the first data chunk: 4 bytes of 8-bit stereo
  EXPECT_EQ(w->data, b.data() + 12 + 12 + 8);  // after the header and the padded LIST
}

TEST(WaveParse, AcceptsTheExtensibleFormWithPcmOnly) {
  const Bytes pcm =
      Riff({{"fmt ", ExtensibleFmtBody(2, 44100, 16, 1)}, {"data", Samples16({1, 2, 3, 4})}});
  const auto w = Parse(pcm);
  ASSERT_TRUE(w.has_value());
  EXPECT_EQ(w->frames, 2u);
  const Bytes floats =
      Riff({{"fmt ", ExtensibleFmtBody(2, 44100, 16, 3)}, {"data", Samples16({1, 2, 3, 4})}});
  EXPECT_FALSE(Parse(floats).has_value());
}

TEST(WaveParse, RefusesWhatItCannotPlay) {
  const Bytes data = Samples16({1, 2, 3, 4});
  const auto fmt = [](uint16_t tag, uint16_t ch, uint32_t rate, uint16_t bits) {
    return Chunk{"fmt ", FmtBody(tag, ch, rate, bits)};
  };
  const Bytes good = Riff({fmt(1, 1, 44100, 16), {"data", data}});
  ASSERT_TRUE(Parse(good).has_value());

  Bytes bad_riff = good;
  bad_riff[3] = 'X';
  EXPECT_FALSE(Parse(bad_riff).has_value()) << "RIFX";
  Bytes bad_wave = good;
  bad_wave[8] = 'A';
  EXPECT_FALSE(Parse(bad_wave).has_value()) << "AAVE";
  EXPECT_FALSE(Parse(Riff({{"data", data}})).has_value()) << "no fmt";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 44100, 16)})).has_value()) << "no data";
  Bytes short_fmt = FmtBody(1, 1, 44100, 16);
  short_fmt.resize(14);
  EXPECT_FALSE(Parse(Riff({{"fmt ", short_fmt}, {"data", data}})).has_value()) << "fmt 14";
  EXPECT_FALSE(Parse(Riff({fmt(3, 1, 44100, 16), {"data", data}})).has_value()) << "float";
  EXPECT_FALSE(Parse(Riff({fmt(2, 1, 44100, 16), {"data", data}})).has_value()) << "ADPCM";
  EXPECT_FALSE(Parse(Riff({fmt(1, 0, 44100, 16), {"data", data}})).has_value()) << "0 ch";
  EXPECT_FALSE(Parse(Riff({fmt(1, 3, 44100, 16), {"data", data}})).has_value()) << "3 ch";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 44100, 24), {"data", data}})).has_value()) << "24 bit";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 44100, 12), {"data", data}})).has_value()) << "12 bit";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 0, 16), {"data", data}})).has_value()) << "0 Hz";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 3999, 16), {"data", data}})).has_value()) << "3999 Hz";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 192001, 16), {"data", data}})).has_value()) << "192001";
  EXPECT_TRUE(Parse(Riff({fmt(1, 1, 4000, 16), {"data", data}})).has_value()) << "4000 Hz";
  EXPECT_TRUE(Parse(Riff({fmt(1, 1, 192000, 16), {"data", data}})).has_value()) << "192000";
  EXPECT_FALSE(Parse(Riff({{"fmt ", FmtBody(1, 2, 44100, 16, 2)}, {"data", data}})).has_value())
      << "block size of mono in stereo";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 44100, 16), {"data", Bytes{}}})).has_value()) << "empty data";
  EXPECT_FALSE(Parse(Riff({fmt(1, 1, 44100, 16), {"data", Bytes{0x12}}})).has_value())
      << "half a frame";
  EXPECT_FALSE(ParseWave(nullptr, 100).has_value()) << "no image";
}

TEST(WaveParse, RefusesChunksReachingBeyondTheDeclaredSize) {
  const Bytes data = Samples16({1, 2, 3, 4});
  const Chunk fmt{"fmt ", FmtBody(1, 1, 44100, 16)};
  // The data chunk claims 100 bytes where 8 follow.
  EXPECT_FALSE(Parse(Riff({fmt, {"data", data, 100}})).has_value());
  // The chunks are whole, but the header declares the image to end inside the data.
  const Bytes whole = Riff({fmt, {"data", data}});
  const auto declared = static_cast<uint32_t>(whole.size() - 8);
  EXPECT_TRUE(Parse(Riff({fmt, {"data", data}}, declared)).has_value());
  EXPECT_FALSE(Parse(Riff({fmt, {"data", data}}, declared - 2)).has_value());
  // A declared size that ends before the data chunk hides it, though it is in memory.
  EXPECT_FALSE(Parse(Riff({fmt, {"data", data}}, 4 + 8 + 16)).has_value());
  // A chunk size near 4 GiB must not wrap round.
  EXPECT_FALSE(Parse(Riff({fmt, {"data", data, 0xFFFFFFF8u}})).has_value());
}

// Every prefix of a good image, with its header declaring exactly that length and held
// in a heap block of exactly that size, so that the sanitizer sees any read past it:
// only the whole image is accepted.
TEST(WaveParse, NeverReadsPastTheDeclaredSize) {
  const Bytes good = Riff({{"LIST", Bytes{'a', 'b', 'c'}},
                           {"fmt ", FmtBody(1, 2, 22050, 16)},
                           {"data", Samples16({1, -1, 2, -2, 3, -3})}});
  for (std::size_t n = 0; n <= good.size(); ++n) {
    auto block = std::make_unique<uint8_t[]>(n == 0 ? 1 : n);
    std::memcpy(block.get(), good.data(), n);
    if (n >= 8) {
      const auto declared = static_cast<uint32_t>(n - 8);
      std::memcpy(block.get() + 4, &declared, 4);  // little-endian machine
    }
    const std::size_t available = n >= 8 ? SIZE_MAX : n;
    const auto w = ParseWave(block.get(), available);
    EXPECT_EQ(w.has_value(), n == good.size()) << "length " << n;
  }
  // A foreign image one byte long: only that byte is looked at.
  auto one = std::make_unique<uint8_t[]>(1);
  one[0] = 'X';
  EXPECT_FALSE(ParseWave(one.get(), SIZE_MAX).has_value());
}

TEST(WaveParse, RefusesMoreThanTenMinutesOfOutput) {
  // 8-bit mono at 4000 Hz: ten minutes are 2,400,000 frames, 26,460,000 once converted.
  const auto image = [](uint32_t frames) {
    return Riff({{"fmt ", FmtBody(1, 1, 4000, 8)}, {"data", Bytes(frames, 128)}});
  };
  EXPECT_TRUE(Parse(image(2'400'000)).has_value());
  EXPECT_FALSE(Parse(image(2'400'001)).has_value());
}

TEST(WaveConvert, SixteenBitAtTheOutputRateIsCopiedMonoToBothSides) {
  EXPECT_EQ(Convert(Wave16(1, 44100, {100, -200, 300, -32768, 32767})),
            (std::vector<int16_t>{100, 100, -200, -200, 300, 300, -32768, -32768, 32767, 32767}));
  EXPECT_EQ(Convert(Wave16(2, 44100, {1, -1, 2, -2})), (std::vector<int16_t>{1, -1, 2, -2}));
}

TEST(WaveConvert, EightBitIsCentredAndScaled) {
  const Bytes b = Riff({{"fmt ", FmtBody(1, 1, 44100, 8)}, {"data", Bytes{128, 255, 0, 129}}});
  EXPECT_EQ(Convert(b), (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768, 256, 256}));
}

TEST(WaveConvert, HalfTheRateDoublesTheFramesWithMidpoints) {
  // Frames at 0, 1/2, 1, 3/2 of the source; the last frame has no successor.
  EXPECT_EQ(Convert(Wave16(1, 22050, {0, 1000})),
            (std::vector<int16_t>{0, 0, 500, 500, 1000, 1000, 1000, 1000}));
  EXPECT_EQ(Convert(Wave16(2, 22050, {0, 0, -1000, 2000})),
            (std::vector<int16_t>{0, 0, -500, 1000, -1000, 2000, -1000, 2000}));
}

TEST(WaveConvert, FortyEightKilohertzInterpolatesBetweenFrames) {
  // 48 frames of a ramp 0, 100, 200, ...: 44.1 output frames, so 45. Output frame 1 lies
  // at source position 48000 / 44100 = 1 + 3900/44100: 100 + 100 * 3900 / 44100 = 108.
  std::vector<int16_t> ramp;
  for (int k = 0; k < 48; ++k) ramp.push_back(static_cast<int16_t>(100 * k));
  const std::vector<int16_t> out = Convert(Wave16(1, 48000, ramp));
  ASSERT_EQ(out.size(), 45u * 2);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[2], 108);
  EXPECT_EQ(out[3], 108);
  // Output frame 44 lies at 44 * 48000 / 44100 = 47 + 131/147, between the last frame
  // and nothing: it holds the last value.
  EXPECT_EQ(out[88], 4700);
  // A constant stays constant whatever the rate.
  const std::vector<int16_t> flat = Convert(Wave16(1, 11025, std::vector<int16_t>(7, -1234)));
  ASSERT_EQ(flat.size(), 28u * 2);
  for (int16_t v : flat) EXPECT_EQ(v, -1234);
}

}  // namespace
}  // namespace kazeban::testing
