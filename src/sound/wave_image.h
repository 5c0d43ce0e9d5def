// A RIFF/WAVE image as the sound library reads it: the format and the samples found in
// the image's chunks, and their conversion into the library's single output format
// (44.1 kHz, two channels, signed 16-bit), done once when a buffer is created so that
// the mixer only ever adds samples of one kind. Plain C++, no audio service.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kazeban::sound {

inline constexpr uint32_t kOutputRate = 44100;
inline constexpr int kOutputChannels = 2;

// The longest sound a buffer may hold once converted: ten minutes of output. A header
// that asks for more is refused rather than allowed to exhaust memory.
inline constexpr uint64_t kMaxOutputFrames = uint64_t{10} * 60 * kOutputRate;

// The playable part of a wave image: its PCM format and where its samples lie. `data`
// points into the image, which must outlive the view.
struct WaveView {
  uint16_t channels = 0;  // 1 or 2
  uint32_t rate = 0;      // frames per second
  uint16_t bits = 0;      // 8 (unsigned) or 16 (signed, little-endian)
  const uint8_t* data = nullptr;
  std::size_t frames = 0;  // whole frames in the data chunk, at least 1
};

// Finds the format and samples of the image at `image`. Reads no byte at or beyond the
// smaller of `available` and the size the RIFF header declares (its size field + 8),
// and never past the first mismatching byte of the "RIFF" magic. Returns nothing for an
// image the library cannot play: a bad RIFF or WAVE magic, a missing "fmt " or "data"
// chunk, a chunk that reaches beyond the declared size, a format other than 8- or
// 16-bit PCM in one or two channels at 4000 to 192000 Hz, a block size that does not
// match the format, no whole frame of data, or more than kMaxOutputFrames once
// converted.
std::optional<WaveView> ParseWave(const uint8_t* image, std::size_t available);

// The wave's samples as interleaved stereo signed 16-bit frames at kOutputRate: 8-bit
// samples are centred and scaled, a mono channel feeds both sides, and other rates are
// resampled by linear interpolation (a rate of kOutputRate is copied exactly).
std::vector<int16_t> ConvertToOutput(const WaveView& wave);

}  // namespace kazeban::sound
