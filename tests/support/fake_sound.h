// A stand-in for the sound library's C functions that records every call instead of
// playing anything. Link the static library kazeban_fake_sound into a test (whole, so
// that its functions replace the real library's) and read the calls here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kazeban::testing {

struct SoundCall {
  std::string function;  // "dsInitialize", "dsCreateDSB", "dsPlay", …
  int32_t argument = 0;  // the window, library or buffer handle passed
  int32_t result = 0;    // what the fake returned
};

struct FakeSoundLibrary {
  // Every call, in order.
  std::vector<SoundCall> calls;
  // dsInitialize answers 0 (no audio output) when false.
  bool audio_available = true;
  // The handle dsInitialize returns, and the next buffer handle dsCreateDSB gives.
  int32_t library_handle = 77;
  int32_t next_buffer = 101;
  // Buffers created and not yet freed.
  std::vector<int32_t> live_buffers;
  bool terminated = false;

  // The buffer handles passed to `function`, in order.
  std::vector<int32_t> ArgumentsOf(const std::string& function) const;
  // How many times `function` was called with `argument`.
  int Count(const std::string& function, int32_t argument) const;
  // How many times `function` was called.
  int Count(const std::string& function) const;
};

// The one fake library of the test program; Reset() forgets every call and restores
// the defaults.
FakeSoundLibrary& FakeSound();
void ResetFakeSound();

}  // namespace kazeban::testing
