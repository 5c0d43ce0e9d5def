// The five committed sounds, read as the library reads them: each is a wave it plays,
// of a sensible length and level, with no clipping and no offset, and the tune
// repeats without a click where it loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "sound/wave_image.h"
#include "wave_builder.h"

namespace kazeban::testing {
namespace {

namespace fs = std::filesystem;

struct Asset {
  const char* name;
  double shortest, longest;  // seconds
};

const Asset kAssets[] = {
    {"駒打音.wav", 0.02, 0.15}, {"禁止.wav", 0.1, 0.5},  {"その他.wav", 0.3, 2.0},
    {"終局.wav", 1.0, 3.0},     {"BGM.wav", 15.0, 30.0},
};

struct Loaded {
  Bytes bytes;
  std::vector<int16_t> samples;  // the file's own samples, mono
  double seconds = 0;
};

Loaded Load(const char* name) {
  Loaded l;
  std::ifstream in(fs::path(KAZEBAN_SOUND_ASSETS) / name, std::ios::binary);
  l.bytes.assign(std::istreambuf_iterator<char>(in), {});
  const auto w = sound::ParseWave(l.bytes.data(), l.bytes.size());
  EXPECT_TRUE(w.has_value()) << name;
  if (!w) return l;
  EXPECT_EQ(w->channels, 1) << name;
  EXPECT_EQ(w->bits, 16) << name;
  EXPECT_EQ(w->rate, 22050u) << name;
  for (std::size_t k = 0; k < w->frames; ++k) {
    l.samples.push_back(static_cast<int16_t>(w->data[2 * k] | (w->data[2 * k + 1] << 8)));
  }
  l.seconds = static_cast<double>(w->frames) / w->rate;
  return l;
}

TEST(SoundAssets, EachIsAPlayableWaveOfSensibleLengthAndLevel) {
  for (const Asset& a : kAssets) {
    const Loaded l = Load(a.name);
    ASSERT_FALSE(l.samples.empty()) << a.name;
    EXPECT_GE(l.seconds, a.shortest) << a.name;
    EXPECT_LE(l.seconds, a.longest) << a.name;
    int peak = 0;
    double sum = 0;
    for (int16_t v : l.samples) {
      peak = std::max(peak, std::abs(static_cast<int>(v)));
      sum += v;
    }
    EXPECT_GE(peak, 32768 * 3 / 10) << a.name << ": too quiet";
    EXPECT_LE(peak, 32768 * 9 / 10) << a.name << ": at or near clipping";
    EXPECT_LT(std::abs(sum / static_cast<double>(l.samples.size())), 32768 * 0.002)
        << a.name << ": offset from zero";
  }
}

TEST(SoundAssets, EffectsEndInSilence) {
  for (const Asset& a : kAssets) {
    if (std::string(a.name) == "BGM.wav") continue;
    const Loaded l = Load(a.name);
    ASSERT_GT(l.samples.size(), 10u);
    // A sound cut off mid-wave clicks when it stops.
    EXPECT_LE(std::abs(static_cast<int>(l.samples.back())), 16) << a.name;
  }
}

TEST(SoundAssets, TheTuneLoopsWithoutAClick) {
  const Loaded l = Load("BGM.wav");
  ASSERT_GT(l.samples.size(), 2u);
  EXPECT_LT(l.bytes.size(), 1'500'000u);
  // The step from the last sample back to the first is no larger than the tune's usual
  // steps between neighbours; a seam where the wave or its notes were cut would jump.
  double mean_step = 0;
  for (std::size_t k = 1; k < l.samples.size(); ++k) {
    mean_step += std::abs(l.samples[k] - l.samples[k - 1]);
  }
  mean_step /= static_cast<double>(l.samples.size() - 1);
  const int seam = std::abs(l.samples.front() - l.samples.back());
  EXPECT_LE(seam, 2 * mean_step) << "first " << l.samples.front() << ", last " << l.samples.back();
  // The loop carries the ringing of the last notes into the first: the tune is not
  // silent where it starts again.
  int start_peak = 0;
  for (std::size_t k = 0; k < 2205; ++k) {
    start_peak = std::max(start_peak, std::abs(static_cast<int>(l.samples[k])));
  }
  EXPECT_GT(start_peak, 32768 / 100);
}

}  // namespace
}  // namespace kazeban::testing
