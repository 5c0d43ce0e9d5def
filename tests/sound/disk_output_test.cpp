// What the library really sends to the audio device: SDL's disk driver writes every
// frame it is given to a file, at the pace of real time, and the test reads it back.
// The sounds are kept short because the driver takes as long as playing them would.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "audio_env.h"
#include "sound/kazeban_sound.h"
#include "wave_builder.h"

namespace kazeban::testing {
namespace {

namespace fs = std::filesystem;

struct Frame {
  int16_t left, right;
  bool Silent() const { return left == 0 && right == 0; }
};

void Wait(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

class DiskOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    file_ = fs::temp_directory_path() /
            ("kazeban-disk-" + std::to_string(::getpid()) + "-" + info->name() + ".raw");
    UseDiskAudio(file_.string());
    lib_ = dsInitialize(0);
    ASSERT_NE(lib_, 0);
  }
  void TearDown() override {
    dsTerminate(lib_);
    fs::remove(file_);
  }

  // Closes the library (which flushes and closes the file) and reads every frame.
  std::vector<Frame> Output() {
    EXPECT_EQ(dsTerminate(lib_), 1);
    lib_ = 0;
    std::ifstream in(file_, std::ios::binary);
    const std::vector<char> raw((std::istreambuf_iterator<char>(in)), {});
    std::vector<Frame> frames(raw.size() / sizeof(Frame));
    std::memcpy(frames.data(), raw.data(), frames.size() * sizeof(Frame));
    return frames;
  }

  fs::path file_;
  int32_t lib_ = 0;
};

std::size_t FirstSound(const std::vector<Frame>& out) {
  std::size_t k = 0;
  while (k < out.size() && out[k].Silent()) ++k;
  return k;
}

TEST_F(DiskOutput, APlayedSoundReachesTheOutputOnceAndWhole) {
  // 50 ms at a constant level: exactly 2205 frames of it, together, and nothing else.
  const int32_t b = dsCreateDSB(lib_, Wave16(1, 44100, std::vector<int16_t>(2205, 1000)).data(), 3);
  ASSERT_NE(b, 0);
  Wait(30);
  ASSERT_EQ(dsPlay(b), 1);
  Wait(250);
  const std::vector<Frame> out = Output();
  const std::size_t start = FirstSound(out);
  ASSERT_LT(start, out.size()) << "nothing was heard";
  ASSERT_GE(out.size(), start + 2205);
  for (std::size_t k = start; k < start + 2205; ++k) {
    ASSERT_EQ(out[k].left, 1000) << "frame " << k - start;
    ASSERT_EQ(out[k].right, 1000) << "frame " << k - start;
  }
  for (std::size_t k = start + 2205; k < out.size(); ++k) {
    ASSERT_TRUE(out[k].Silent()) << "sound after the end, frame " << k - start;
  }
}

TEST_F(DiskOutput, ALoopRepeatsUntilStoppedAndSilenceFollows) {
  // 10 ms of a ramp 1..441, looped for about 250 ms, then stopped for about 150 ms.
  std::vector<int16_t> ramp(441);
  for (std::size_t k = 0; k < ramp.size(); ++k) ramp[k] = static_cast<int16_t>(k + 1);
  const int32_t b = dsCreateDSB(lib_, Wave16(1, 44100, ramp).data(), 1);
  ASSERT_NE(b, 0);
  ASSERT_EQ(dsPlayLooping(b), 1);
  Wait(250);
  ASSERT_EQ(dsStop(b), 1);
  Wait(150);
  const std::vector<Frame> out = Output();

  // From its first frame on, the output is the ramp over and over with no gap...
  const std::size_t start = FirstSound(out);
  ASSERT_LT(start, out.size()) << "nothing was heard";
  std::size_t k = start;
  for (; k < out.size() && !out[k].Silent(); ++k) {
    const auto expected = static_cast<int16_t>((k - start) % 441 + 1);
    ASSERT_EQ(out[k].left, expected) << "frame " << k - start;
    ASSERT_EQ(out[k].right, expected) << "frame " << k - start;
  }
  const std::size_t played = k - start;
  EXPECT_GE(played, 10u * 441) << "fewer than ten rounds in about 250 ms";
  // ...and after the stop, only silence, for a good part of the 150 ms waited.
  for (; k < out.size(); ++k) ASSERT_TRUE(out[k].Silent()) << "sound after the stop";
  EXPECT_GE(out.size() - start - played, 44100u * 50 / 1000) << "too little silence";
}

TEST_F(DiskOutput, TheClickAssetPlaysAtItsOwnLevel) {
  // The committed click, 16-bit mono at 22050 Hz: doubling the rate keeps every source
  // sample, so the loudest output sample is the file's loudest sample.
  std::ifstream in(fs::path(KAZEBAN_SOUND_ASSETS) / "駒打音.wav", std::ios::binary);
  const Bytes image((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GT(image.size(), 44u);
  int file_peak = 0;
  for (std::size_t k = 44; k + 1 < image.size(); k += 2) {
    const auto v = static_cast<int16_t>(image[k] | (image[k + 1] << 8));
    file_peak = std::max(file_peak, std::abs(static_cast<int>(v)));
  }
  const std::size_t file_frames = (image.size() - 44) / 2;
  const int32_t b = dsCreateDSB(lib_, image.data(), 3);
  ASSERT_NE(b, 0);
  ASSERT_EQ(dsPlay(b), 1);
  Wait(200);
  const std::vector<Frame> out = Output();
  int out_peak = 0;
  std::size_t first = out.size(), last = 0;
  for (std::size_t k = 0; k < out.size(); ++k) {
    if (out[k].Silent()) continue;
    EXPECT_EQ(out[k].left, out[k].right) << "mono feeds both sides alike";
    out_peak = std::max(out_peak, std::abs(static_cast<int>(out[k].left)));
    first = std::min(first, k);
    last = k;
  }
  ASSERT_LT(first, out.size()) << "nothing was heard";
  EXPECT_EQ(out_peak, file_peak);
  EXPECT_LE(last - first + 1, 2 * file_frames);
  EXPECT_GE(last - first + 1, file_frames);
}

}  // namespace
}  // namespace kazeban::testing
