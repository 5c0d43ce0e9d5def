// Any bytes as a wave image, read the two ways the library can be handed one: bounded by
// the bytes there are, and (when the header claims no more than that) trusting the
// header alone, in a heap block of exactly the declared size. Whatever is accepted is
// converted and played through the mixer once and in a loop.
#include <cstdint>
#include <cstring>
#include <memory>

#include "sound/mixer.h"
#include "sound/wave_image.h"

namespace {

void PlayBriefly(const kazeban::sound::WaveView& w) {
  kazeban::sound::Mixer mixer;
  mixer.Add(1, kazeban::sound::ConvertToOutput(w));
  int16_t out[2 * 300];
  mixer.Play(1, true);
  mixer.Mix(out, 300);
  mixer.Play(1, false);
  mixer.Mix(out, 300);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // Keep each run quick: long conversions say nothing new about the reader.
  const auto bounded = kazeban::sound::ParseWave(data, size);
  if (bounded && bounded->frames < 100000) PlayBriefly(*bounded);

  if (size >= 8) {
    uint32_t declared = 0;
    std::memcpy(&declared, data + 4, 4);
    if (uint64_t{declared} + 8 <= size) {
      const std::size_t n = declared + std::size_t{8};
      auto block = std::make_unique<uint8_t[]>(n);
      std::memcpy(block.get(), data, n);
      const auto trusted = kazeban::sound::ParseWave(block.get(), SIZE_MAX);
      if (trusted.has_value() != bounded.has_value()) __builtin_trap();
    }
  }
  return 0;
}
