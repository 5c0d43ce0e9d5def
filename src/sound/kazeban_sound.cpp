// The sound library over SDL2's audio: one output device opened by dsInitialize, whose
// callback runs the mixer, and buffers made from wave images. The API holds its own
// mutex for the library state and the device's lock while it touches the mixer, which
// the callback reads under that same lock.
#include "sound/kazeban_sound.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <climits>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>

#include "sound/mixer.h"
#include "sound/wave_image.h"

namespace {

using kazeban::sound::Buffer;
using kazeban::sound::Mixer;

// Frames per callback: about 12 ms at 44.1 kHz, short enough for a click to sound at
// once after the move that caused it.
constexpr Uint16 kDeviceFrames = 512;

struct OpenLibrary {
  SDL_AudioDeviceID device = 0;
  int32_t handle = 0;
  Mixer mixer;
};

// The one instance of the library. Library and buffer handles come from one count
// that goes on across dsTerminate and a later dsInitialize, so no handle ever names two
// things: not a library and a buffer, nor a buffer of an earlier opening and a new one.
struct LibraryState {
  std::mutex api;
  std::unique_ptr<OpenLibrary> open;
  int32_t last_handle = 0;
};

// Never destroyed: the audio thread of a library the program did not close may still
// run while the process exits, and must not find the state gone.
LibraryState& State() {
  static LibraryState* state = new LibraryState;
  return *state;
}

int32_t NextHandle(int32_t& last) {
  last = last == INT32_MAX ? 1 : last + 1;
  return last;
}

// Holds the device's lock for a scope, so the callback sees the mixer whole.
class AudioLock {
 public:
  explicit AudioLock(SDL_AudioDeviceID device) : device_(device) { SDL_LockAudioDevice(device_); }
  ~AudioLock() { SDL_UnlockAudioDevice(device_); }
  AudioLock(const AudioLock&) = delete;
  AudioLock& operator=(const AudioLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

// The device's callback, run by SDL with the device locked: silence first, then every
// playing voice.
void Fill(void* userdata, Uint8* stream, int len) {
  auto* lib = static_cast<OpenLibrary*>(userdata);
  std::memset(stream, 0, static_cast<std::size_t>(len));
  const std::size_t frames = static_cast<std::size_t>(len) / (sizeof(int16_t) * 2);
  lib->mixer.Mix(reinterpret_cast<int16_t*>(stream), frames);
}

// Runs `act` on the mixer of the open library under both locks; 0 when the library is
// closed, else 1 or 0 as `act` answers.
template <typename Act>
int32_t WithMixer(Act act) {
  LibraryState& s = State();
  std::lock_guard guard(s.api);
  if (!s.open) return 0;
  AudioLock lock(s.open->device);
  return act(s.open->mixer) ? 1 : 0;
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t /*window*/) {
  try {
    LibraryState& s = State();
    std::lock_guard guard(s.api);
    if (s.open) return s.open->handle;
    auto lib = std::make_unique<OpenLibrary>();

    // 1. The audio subsystem: fails when no driver can start (or the one named by
    //    SDL_AUDIODRIVER does not exist). Starting it starts SDL's events too, which
    //    would take SIGINT and SIGTERM from the program: they stay the program's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;

    // 2. The device, in the library's fixed format; SDL converts for the hardware when
    //    it differs. The default device can still fail here (ALSA without a card).
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = static_cast<int>(kazeban::sound::kOutputRate);
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(kazeban::sound::kOutputChannels);
    want.samples = kDeviceFrames;
    want.callback = Fill;
    want.userdata = lib.get();
    SDL_AudioSpec have;
    lib->device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (lib->device == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return 0;
    }

    // 3. Start the callback: silence until something plays.
    lib->handle = NextHandle(s.last_handle);
    SDL_PauseAudioDevice(lib->device, 0);
    s.open = std::move(lib);
    return s.open->handle;
  } catch (...) {
    return 0;
  }
}

int32_t dsCreateDSB(int32_t library, const void* image, int32_t /*options*/) {
  try {
    LibraryState& s = State();
    std::lock_guard guard(s.api);
    if (!s.open || library != s.open->handle || image == nullptr) return 0;
    // The size bound is the image's own header: the caller vouches for it.
    const auto wave = kazeban::sound::ParseWave(static_cast<const uint8_t*>(image), SIZE_MAX);
    if (!wave) return 0;
    std::vector<int16_t> samples = kazeban::sound::ConvertToOutput(*wave);
    const int32_t handle = NextHandle(s.last_handle);
    AudioLock lock(s.open->device);
    s.open->mixer.Add(handle, std::move(samples));
    return handle;
  } catch (...) {
    return 0;
  }
}

int32_t dsPlay(int32_t buffer) {
  return WithMixer([buffer](Mixer& m) { return m.Play(buffer, false); });
}

int32_t dsPlayLooping(int32_t buffer) {
  return WithMixer([buffer](Mixer& m) { return m.Play(buffer, true); });
}

int32_t dsStop(int32_t buffer) {
  return WithMixer([buffer](Mixer& m) { return m.Stop(buffer); });
}

int32_t dsFree(int32_t buffer) {
  LibraryState& s = State();
  std::lock_guard guard(s.api);
  if (!s.open) return 0;
  std::unique_ptr<Buffer> taken;
  {
    AudioLock lock(s.open->device);
    taken = s.open->mixer.Remove(buffer);
  }
  // The samples are freed here, after the callback may run again.
  return taken ? 1 : 0;
}

int32_t dsTerminate(int32_t library) {
  LibraryState& s = State();
  std::lock_guard guard(s.api);
  if (!s.open || library != s.open->handle) return 0;
  // Closing waits for a running callback to finish; after it the mixer is ours alone.
  SDL_CloseAudioDevice(s.open->device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  s.open.reset();
  return 1;
}

}  // extern "C"
