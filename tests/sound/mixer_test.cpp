// The mixer: what each voice contributes to the output, frame by frame.
#include <gtest/gtest.h>

#include "sound/mixer.h"

namespace kazeban::testing {
namespace {

using sound::Mixer;

// Stereo frames with the same value on both sides.
std::vector<int16_t> Frames(std::initializer_list<int> values) {
  std::vector<int16_t> out;
  for (int v : values) {
    out.push_back(static_cast<int16_t>(v));
    out.push_back(static_cast<int16_t>(v));
  }
  return out;
}

std::vector<int16_t> Mix(Mixer& m, std::size_t frames) {
  std::vector<int16_t> out(frames * 2, 0x5A5A);  // garbage the mixer must overwrite
  m.Mix(out.data(), frames);
  return out;
}

TEST(Mixer, WritesSilenceWhenNothingPlays) {
  Mixer m;
  EXPECT_EQ(Mix(m, 3), Frames({0, 0, 0}));
  m.Add(1, Frames({5, 6}));
  EXPECT_EQ(Mix(m, 3), Frames({0, 0, 0})) << "added but not played";
}

TEST(Mixer, PlaysOnceAcrossCallsThenFallsSilent) {
  Mixer m;
  m.Add(7, Frames({1, 2, 3}));
  ASSERT_TRUE(m.Play(7, false));
  EXPECT_TRUE(m.IsPlaying(7));
  EXPECT_EQ(Mix(m, 2), Frames({1, 2}));
  EXPECT_EQ(Mix(m, 3), Frames({3, 0, 0}));
  EXPECT_FALSE(m.IsPlaying(7));
  EXPECT_EQ(Mix(m, 2), Frames({0, 0}));
}

TEST(Mixer, PlayRestartsFromTheStart) {
  Mixer m;
  m.Add(1, Frames({1, 2, 3, 4}));
  m.Play(1, false);
  EXPECT_EQ(Mix(m, 2), Frames({1, 2}));
  m.Play(1, false);
  EXPECT_EQ(Mix(m, 5), Frames({1, 2, 3, 4, 0}));
}

TEST(Mixer, LoopRepeatsWithoutAGapUntilStopped) {
  Mixer m;
  m.Add(3, Frames({1, 2, 3}));
  m.Play(3, true);
  EXPECT_EQ(Mix(m, 8), Frames({1, 2, 3, 1, 2, 3, 1, 2}));
  EXPECT_EQ(Mix(m, 2), Frames({3, 1}));
  EXPECT_TRUE(m.IsPlaying(3));
  ASSERT_TRUE(m.Stop(3));
  EXPECT_FALSE(m.IsPlaying(3));
  EXPECT_EQ(Mix(m, 4), Frames({0, 0, 0, 0}));
  // Playing once after a loop does not loop.
  m.Play(3, false);
  EXPECT_EQ(Mix(m, 5), Frames({1, 2, 3, 0, 0}));
}

TEST(Mixer, LongLoopStaysInStepAcrossItsInnerChunks) {
  // 700 frames (1400 samples) against an inner chunk of 1024 samples, both sides
  // different, over 2000 frames.
  std::vector<int16_t> ramp;
  for (int k = 0; k < 700; ++k) {
    ramp.push_back(static_cast<int16_t>(k + 1));
    ramp.push_back(static_cast<int16_t>(-k - 1));
  }
  Mixer m;
  m.Add(9, ramp);
  m.Play(9, true);
  const std::vector<int16_t> out = Mix(m, 2000);
  for (std::size_t k = 0; k < 2000; ++k) {
    ASSERT_EQ(out[2 * k], static_cast<int16_t>(k % 700 + 1)) << "frame " << k;
    ASSERT_EQ(out[2 * k + 1], static_cast<int16_t>(-static_cast<int>(k % 700) - 1))
        << "frame " << k;
  }
}

TEST(Mixer, VoicesAddAndTheSumIsClipped) {
  Mixer m;
  m.Add(1, Frames({1000, 20000, -20000, 30000}));
  m.Add(2, Frames({-300, 20000, -20000, 2767}));
  m.Play(1, false);
  m.Play(2, false);
  EXPECT_EQ(Mix(m, 4), Frames({700, 32767, -32768, 32767}));
  // Left and right are summed and clipped apart.
  Mixer lr;
  lr.Add(1, {30000, -30000});
  lr.Add(2, {10000, 10000});
  lr.Play(1, false);
  lr.Play(2, false);
  EXPECT_EQ(Mix(lr, 1), (std::vector<int16_t>{32767, -20000}));
}

TEST(Mixer, RemovingAPlayingBufferSilencesItAndLeavesTheOthers) {
  Mixer m;
  m.Add(1, Frames({10, 10, 10, 10}));
  m.Add(2, Frames({1, 1, 1, 1}));
  m.Play(1, true);
  m.Play(2, true);
  EXPECT_EQ(Mix(m, 1), Frames({11}));
  const auto taken = m.Remove(1);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->handle, 1);
  EXPECT_EQ(m.BufferCount(), 1u);
  EXPECT_EQ(Mix(m, 2), Frames({1, 1}));
  EXPECT_EQ(m.Remove(1), nullptr) << "already gone";
  EXPECT_EQ(m.RemoveAll().size(), 1u);
  EXPECT_EQ(Mix(m, 1), Frames({0}));
}

TEST(Mixer, UnknownHandlesDoNothing) {
  Mixer m;
  m.Add(4, Frames({9}));
  for (int32_t h : {0, -1, 5}) {
    EXPECT_FALSE(m.Play(h, false));
    EXPECT_FALSE(m.Play(h, true));
    EXPECT_FALSE(m.Stop(h));
    EXPECT_FALSE(m.IsPlaying(h));
    EXPECT_EQ(m.Remove(h), nullptr);
  }
  EXPECT_EQ(m.BufferCount(), 1u);
  EXPECT_EQ(Mix(m, 1), Frames({0}));
}

}  // namespace
}  // namespace kazeban::testing
