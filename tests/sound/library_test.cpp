// The library through its C interface with SDL's dummy driver: opening and closing,
// buffers, handles that are 0 or unknown, and images it must refuse.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <memory>
#include <thread>

#include "audio_env.h"
#include "sound/kazeban_sound.h"
#include "wave_builder.h"

namespace kazeban::testing {
namespace {

class Library : public ::testing::Test {
 protected:
  void SetUp() override {
    UseAudioDriver("dummy");
    lib_ = dsInitialize(0);
    ASSERT_NE(lib_, 0);
  }
  void TearDown() override { dsTerminate(lib_); }

  int32_t Create(const Bytes& image) { return dsCreateDSB(lib_, image.data(), 3); }

  int32_t lib_ = 0;
};

const Bytes kShort = Wave16(1, 44100, {1000, 2000, 3000});

// Every buffer function, one after the other, with `h`; the sum of their results.
int32_t CallEveryBufferFunction(int32_t h) {
  return dsPlay(h) + dsPlayLooping(h) + dsStop(h) + dsPlay(h) + dsFree(h);
}

TEST_F(Library, OpensOnceAndClosesOnce) {
  EXPECT_EQ(dsInitialize(0), lib_) << "a second opening returns the same library";
  EXPECT_EQ(dsTerminate(lib_ + 1), 0) << "not our handle";
  EXPECT_EQ(dsTerminate(0), 0);
  EXPECT_NE(Create(kShort), 0) << "still open after the wrong handles";
  EXPECT_EQ(dsTerminate(lib_), 1);
  EXPECT_EQ(dsTerminate(lib_), 0) << "already closed";
  EXPECT_EQ(Create(kShort), 0) << "closed";
  const int32_t again = dsInitialize(0);
  ASSERT_NE(again, 0);
  EXPECT_NE(again, lib_) << "a new opening, a new handle";
  EXPECT_EQ(dsCreateDSB(lib_, kShort.data(), 3), 0) << "the old library handle";
  EXPECT_NE(dsCreateDSB(again, kShort.data(), 3), 0);
  lib_ = again;
}

TEST_F(Library, BuffersAreCreatedPlayedAndFreedByHandle) {
  const int32_t a = Create(kShort);
  const int32_t b = Create(kShort);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(dsPlay(a), 1);
  EXPECT_EQ(dsPlayLooping(b), 1);
  EXPECT_EQ(dsStop(b), 1);
  EXPECT_EQ(dsStop(b), 1) << "stopping a silent buffer is fine";
  EXPECT_EQ(dsFree(a), 1);
  EXPECT_EQ(dsFree(a), 0) << "freed twice";
  EXPECT_EQ(dsPlay(a), 0) << "played after freeing";
  EXPECT_EQ(dsPlay(b), 1) << "the other buffer is untouched";
  const int32_t c = Create(kShort);
  EXPECT_NE(c, a) << "a freed handle is not given out again";
  EXPECT_NE(c, b);
}

TEST_F(Library, FreeingAPlayingLoopAndClosingWithBuffersLeftAreSafe) {
  std::vector<int16_t> tone(44100);
  for (std::size_t k = 0; k < tone.size(); ++k) tone[k] = static_cast<int16_t>(k % 200 * 100);
  const Bytes image = Wave16(1, 44100, tone);
  int32_t loop = Create(image);
  const int32_t once = Create(image);
  ASSERT_NE(loop, 0);
  ASSERT_NE(once, 0);
  EXPECT_EQ(dsPlayLooping(loop), 1);
  EXPECT_EQ(dsPlay(once), 1);
  // Free a playing loop and start another, many times, while the callback runs.
  for (int k = 0; k < 20; ++k) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_EQ(dsFree(loop), 1);
    loop = Create(image);
    ASSERT_NE(loop, 0);
    EXPECT_EQ(dsPlayLooping(loop), 1);
  }
  EXPECT_EQ(dsTerminate(lib_), 1) << "closes with a loop and a sound still playing";
  EXPECT_EQ(dsPlay(once), 0) << "the buffers went with the library";
  EXPECT_EQ(dsFree(loop), 0);
  lib_ = dsInitialize(0);
}

TEST_F(Library, HandleZeroAndUnknownHandlesAreHarmless) {
  const int32_t real = Create(kShort);
  ASSERT_NE(real, 0);
  for (int32_t h : {0, -1, real + 1000, lib_}) {
    EXPECT_EQ(CallEveryBufferFunction(h), 0) << "handle " << h;
  }
  EXPECT_EQ(dsPlay(real), 1) << "the real buffer survives";
  EXPECT_EQ(dsCreateDSB(0, kShort.data(), 3), 0) << "no library";
  EXPECT_EQ(dsCreateDSB(lib_, nullptr, 3), 0) << "no image";
  // With the library closed, every function still accepts every handle.
  ASSERT_EQ(dsTerminate(lib_), 1);
  for (int32_t h : {0, real, lib_}) EXPECT_EQ(CallEveryBufferFunction(h), 0) << "closed " << h;
  EXPECT_EQ(dsTerminate(0), 0);
  lib_ = dsInitialize(0);
}

TEST_F(Library, HandlesFromAnEarlierOpeningNameNothing) {
  const int32_t old = Create(kShort);
  ASSERT_NE(old, 0);
  ASSERT_EQ(dsTerminate(lib_), 1);
  lib_ = dsInitialize(0);
  ASSERT_NE(lib_, 0);
  const int32_t fresh = Create(kShort);
  ASSERT_NE(fresh, 0);
  EXPECT_NE(fresh, old);
  EXPECT_EQ(dsPlay(old), 0);
  EXPECT_EQ(dsFree(old), 0);
  EXPECT_EQ(dsPlay(fresh), 1);
}

TEST_F(Library, RefusesMalformedAndTruncatedImages) {
  const Chunk fmt{"fmt ", FmtBody(1, 1, 44100, 16)};
  const Bytes data = Samples16({1, 2, 3, 4});
  Bytes bad_magic = kShort;
  bad_magic[0] = 'r';
  EXPECT_EQ(Create(bad_magic), 0) << "bad magic";
  EXPECT_EQ(Create(Riff({{"data", data}})), 0) << "no format";
  EXPECT_EQ(Create(Riff({fmt})), 0) << "no data";
  EXPECT_EQ(Create(Riff({fmt, {"data", Bytes{}}})), 0) << "empty data";
  EXPECT_EQ(Create(Riff({{"fmt ", FmtBody(3, 1, 44100, 32)}, {"data", data}})), 0) << "float";
  EXPECT_EQ(Create(Riff({fmt, {"data", data, 1000}})), 0) << "data beyond the declared end";
  // A header that declares less than the chunks need, in a block of exactly the
  // declared size: refused, and nothing past the block is read.
  const Bytes whole = Riff({fmt, {"data", data}});
  const std::size_t n = whole.size() - 4;
  auto block = std::make_unique<uint8_t[]>(n);
  std::memcpy(block.get(), whole.data(), n);
  const auto declared = static_cast<uint32_t>(n - 8);
  std::memcpy(block.get() + 4, &declared, 4);
  EXPECT_EQ(dsCreateDSB(lib_, block.get(), 3), 0) << "cut short";
  EXPECT_NE(Create(whole), 0) << "the same image whole";
}

TEST(LibraryOpening, FailsWithoutADriverAndLeavesNothingOpen) {
  UseAudioDriver("no-such-driver");
  EXPECT_EQ(dsInitialize(0), 0);
  EXPECT_EQ(CallEveryBufferFunction(0), 0);
  EXPECT_EQ(dsCreateDSB(0, kShort.data(), 3), 0);
  EXPECT_EQ(dsTerminate(0), 0);
}

TEST(LibraryOpening, FailsWhenTheDeviceCannotOpenAndReleasesTheSubsystem) {
  // The disk driver starts, but its device cannot open a file in a missing folder.
  UseDiskAudio("/nonexistent-folder-for-kazeban/out.raw");
  EXPECT_EQ(dsInitialize(0), 0);
  // Had the audio subsystem been left running, its disk driver would be used again.
  UseAudioDriver("dummy");
  const int32_t lib = dsInitialize(0);
  EXPECT_NE(lib, 0);
  EXPECT_EQ(dsTerminate(lib), 1);
}

// SDL takes a signal only while the program leaves it at its default action: then it
// would turn Ctrl-C and `kill` into events that nobody reads.
TEST(LibraryOpening, LeavesTheProgramsSignalsAlone) {
  struct sigaction default_action = {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  struct sigaction old_term = {}, old_int = {};
  ASSERT_EQ(sigaction(SIGTERM, &default_action, &old_term), 0);
  ASSERT_EQ(sigaction(SIGINT, &default_action, &old_int), 0);
  UseAudioDriver("dummy");
  const int32_t lib = dsInitialize(0);
  ASSERT_NE(lib, 0);
  struct sigaction now = {};
  sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL) << "SIGTERM taken by the library";
  sigaction(SIGINT, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL) << "SIGINT taken by the library";
  dsTerminate(lib);
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGINT, &old_int, nullptr);
}

}  // namespace
}  // namespace kazeban::testing
