#include "sound/wave_image.h"

#include <algorithm>
#include <cstring>

namespace kazeban::sound {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kMinRate = 4000;
constexpr uint32_t kMaxRate = 192000;

// The sub-format that marks plain PCM inside an extensible format chunk.
constexpr uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsTag(const uint8_t* p, const char (&tag)[5]) {
  return std::memcmp(p, tag, 4) == 0;
}

// The one sample of `channel` in `frame`, as a signed 16-bit value.
int32_t SampleAt(const WaveView& w, std::size_t frame, int channel) {
  const std::size_t bytes_per_sample = w.bits / 8;
  const uint8_t* p =
      w.data + (frame * w.channels + static_cast<std::size_t>(channel)) * bytes_per_sample;
  if (w.bits == 8) return (static_cast<int32_t>(p[0]) - 128) * 256;
  return static_cast<int16_t>(ReadU16(p));
}

}  // namespace

std::optional<WaveView> ParseWave(const uint8_t* image, std::size_t available) {
  if (image == nullptr) return std::nullopt;

  // 1. The magic, compared byte by byte so that a foreign image is left at its first
  //    wrong byte, then the declared size, which bounds every later read.
  static constexpr char kRiff[] = "RIFF";
  for (std::size_t i = 0; i < 4; ++i) {
    if (i >= available || image[i] != static_cast<uint8_t>(kRiff[i])) return std::nullopt;
  }
  if (available < 8) return std::nullopt;
  const uint64_t declared = uint64_t{ReadU32(image + 4)} + 8;
  const uint64_t limit = std::min<uint64_t>(declared, available);
  if (limit < 12 || !IsTag(image + 8, "WAVE")) return std::nullopt;

  // 2. Walk the chunks, keeping the first "fmt " and the first "data". A chunk whose
  //    body reaches past the limit makes the image malformed; a missing pad byte or a
  //    few stray bytes after the last chunk do not.
  const uint8_t* fmt = nullptr;
  uint32_t fmt_size = 0;
  const uint8_t* data = nullptr;
  uint32_t data_size = 0;
  uint64_t pos = 12;
  while (pos + 8 <= limit) {
    const uint8_t* header = image + pos;
    const uint32_t size = ReadU32(header + 4);
    const uint64_t body = pos + 8;
    if (size > limit - body) return std::nullopt;
    if (fmt == nullptr && IsTag(header, "fmt ")) {
      fmt = image + body;
      fmt_size = size;
    } else if (data == nullptr && IsTag(header, "data")) {
      data = image + body;
      data_size = size;
    }
    pos = body + size + (size & 1U);
  }
  if (fmt == nullptr || data == nullptr || fmt_size < 16) return std::nullopt;

  // 3. The format: plain PCM, or the extensible form whose sub-format is PCM.
  const uint16_t tag = ReadU16(fmt);
  if (tag == kFormatExtensible) {
    if (fmt_size < 40 || std::memcmp(fmt + 24, kPcmSubFormat, 16) != 0) return std::nullopt;
  } else if (tag != kFormatPcm) {
    return std::nullopt;
  }
  WaveView w;
  w.channels = ReadU16(fmt + 2);
  w.rate = ReadU32(fmt + 4);
  const uint16_t block_align = ReadU16(fmt + 12);
  w.bits = ReadU16(fmt + 14);
  if (w.channels < 1 || w.channels > 2) return std::nullopt;
  if (w.bits != 8 && w.bits != 16) return std::nullopt;
  if (w.rate < kMinRate || w.rate > kMaxRate) return std::nullopt;
  const std::size_t frame_bytes = std::size_t{w.channels} * (w.bits / 8U);
  if (block_align != frame_bytes) return std::nullopt;

  // 4. The samples: whole frames only, at least one, and not too long once converted.
  w.data = data;
  w.frames = data_size / frame_bytes;
  if (w.frames == 0) return std::nullopt;
  const uint64_t out_frames = (uint64_t{w.frames} * kOutputRate + w.rate - 1) / w.rate;
  if (out_frames > kMaxOutputFrames) return std::nullopt;
  return w;
}

std::vector<int16_t> ConvertToOutput(const WaveView& w) {
  const uint64_t out_frames = (uint64_t{w.frames} * kOutputRate + w.rate - 1) / w.rate;
  std::vector<int16_t> out(static_cast<std::size_t>(out_frames) * kOutputChannels);
  for (uint64_t i = 0; i < out_frames; ++i) {
    // Output frame i sits at source position i * rate / kOutputRate; its whole part
    // is always a frame of the wave, and the next frame is clamped to the last one.
    const uint64_t position = i * w.rate;
    const auto frame = static_cast<std::size_t>(position / kOutputRate);
    const auto fraction = static_cast<int64_t>(position % kOutputRate);
    const std::size_t next = std::min(frame + 1, w.frames - 1);
    for (int c = 0; c < kOutputChannels; ++c) {
      const int source_channel = std::min(c, w.channels - 1);
      const int64_t a = SampleAt(w, frame, source_channel);
      const int64_t b = SampleAt(w, next, source_channel);
      const int64_t v = a + (b - a) * fraction / kOutputRate;
      out[static_cast<std::size_t>(i) * kOutputChannels + static_cast<std::size_t>(c)] =
          static_cast<int16_t>(v);
    }
  }
  return out;
}

}  // namespace kazeban::sound
