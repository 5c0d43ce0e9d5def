#include "fake_sound.h"

#include <algorithm>

#include "sound/kazeban_sound.h"

namespace kazeban::testing {

FakeSoundLibrary& FakeSound() {
  static FakeSoundLibrary library;
  return library;
}

void ResetFakeSound() {
  FakeSound() = FakeSoundLibrary{};
}

std::vector<int32_t> FakeSoundLibrary::ArgumentsOf(const std::string& function) const {
  std::vector<int32_t> out;
  for (const SoundCall& c : calls) {
    if (c.function == function) out.push_back(c.argument);
  }
  return out;
}

int FakeSoundLibrary::Count(const std::string& function, int32_t argument) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const SoundCall& c) {
    return c.function == function && c.argument == argument;
  }));
}

int FakeSoundLibrary::Count(const std::string& function) const {
  return static_cast<int>(std::count_if(
      calls.begin(), calls.end(), [&](const SoundCall& c) { return c.function == function; }));
}

namespace {

int32_t Record(const char* function, int32_t argument, int32_t result) {
  FakeSound().calls.push_back({function, argument, result});
  return result;
}

}  // namespace

}  // namespace kazeban::testing

using kazeban::testing::FakeSound;

extern "C" {

int32_t dsInitialize(int32_t window) {
  FakeSound().terminated = false;
  return kazeban::testing::Record("dsInitialize", window,
                                  FakeSound().audio_available ? FakeSound().library_handle : 0);
}

int32_t dsCreateDSB(int32_t library, const void* image, int32_t /*options*/) {
  int32_t handle = 0;
  if (library != 0 && library == FakeSound().library_handle && image != nullptr) {
    handle = FakeSound().next_buffer++;
    FakeSound().live_buffers.push_back(handle);
  }
  return kazeban::testing::Record("dsCreateDSB", library, handle);
}

int32_t dsPlay(int32_t buffer) {
  return kazeban::testing::Record("dsPlay", buffer, 0);
}

int32_t dsPlayLooping(int32_t buffer) {
  return kazeban::testing::Record("dsPlayLooping", buffer, 0);
}

int32_t dsStop(int32_t buffer) {
  return kazeban::testing::Record("dsStop", buffer, 0);
}

int32_t dsFree(int32_t buffer) {
  auto& live = FakeSound().live_buffers;
  live.erase(std::remove(live.begin(), live.end(), buffer), live.end());
  return kazeban::testing::Record("dsFree", buffer, 0);
}

int32_t dsTerminate(int32_t library) {
  if (library == FakeSound().library_handle) FakeSound().terminated = true;
  return kazeban::testing::Record("dsTerminate", library, 0);
}

}  // extern "C"
