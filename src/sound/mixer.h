// The library's mixer: the buffers created so far, each with at most one voice, and the
// sum of every playing voice into the output. Samples are interleaved stereo signed
// 16-bit frames at the output rate (see wave_image.h). The mixer does no locking: the
// library calls it only while it holds the audio device's lock, so the API and the
// audio callback never see it half-changed. Mixing allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kazeban::sound {

// One buffer: its samples and the state of its one voice.
struct Buffer {
  int32_t handle = 0;
  std::vector<int16_t> samples;  // interleaved stereo, an even count
  std::size_t position = 0;      // next sample to play
  bool playing = false;
  bool looping = false;
};

class Mixer {
 public:
  // Keeps `samples` as the buffer `handle` (a handle not yet in use), silent.
  void Add(int32_t handle, std::vector<int16_t> samples);

  // Takes the buffer out of the mixer and hands it back, so that the caller can free
  // its memory after releasing the audio lock; null for an unknown handle.
  std::unique_ptr<Buffer> Remove(int32_t handle);

  // Takes every buffer out, as Remove does.
  std::vector<std::unique_ptr<Buffer>> RemoveAll();

  // Starts the buffer's voice from its first frame, once or over and over; a voice
  // already playing starts again. False for an unknown handle.
  bool Play(int32_t handle, bool loop);

  // Silences the buffer's voice and rewinds it. False for an unknown handle.
  bool Stop(int32_t handle);

  // Whether the buffer's voice is playing; false for an unknown handle.
  bool IsPlaying(int32_t handle) const;

  std::size_t BufferCount() const { return buffers_.size(); }

  // Writes `frames` stereo frames to `out`: silence, plus every playing voice, the sum
  // clipped to the 16-bit range. A voice that reaches its end stops, or starts again
  // at once when it loops, so a loop has no gap.
  void Mix(int16_t* out, std::size_t frames);

 private:
  Buffer* Find(int32_t handle) const;

  std::vector<std::unique_ptr<Buffer>> buffers_;
};

}  // namespace kazeban::sound
