// What the sound library costs: one audio callback's mix with every sound of the game
// playing at once (it must take a small part of the callback's 11.6 ms), and turning
// the wave files into buffers at start-up.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sound/mixer.h"
#include "sound/wave_image.h"

namespace kazeban {
namespace {

std::vector<uint8_t> ReadAsset(const char* name) {
  std::ifstream in(std::filesystem::path(KAZEBAN_SOUND_ASSETS) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

const char* const kNames[] = {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav"};

// One callback of 512 frames with the five sounds playing, the tune in a loop.
void BM_MixFiveVoices(benchmark::State& state) {
  sound::Mixer mixer;
  int32_t handle = 0;
  for (const char* name : kNames) {
    const std::vector<uint8_t> image = ReadAsset(name);
    const auto wave = sound::ParseWave(image.data(), image.size());
    if (!wave) {
      state.SkipWithError("an asset does not parse");
      return;
    }
    mixer.Add(++handle, sound::ConvertToOutput(*wave));
  }
  int16_t out[512 * 2];
  for (auto _ : state) {
    for (int32_t h = 1; h <= handle; ++h) {
      if (!mixer.IsPlaying(h)) mixer.Play(h, true);
    }
    mixer.Mix(out, 512);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(BM_MixFiveVoices);

// Reading and converting all five files, as start-up does.
void BM_LoadFiveSounds(benchmark::State& state) {
  std::vector<std::vector<uint8_t>> images;
  for (const char* name : kNames) images.push_back(ReadAsset(name));
  for (auto _ : state) {
    std::size_t samples = 0;
    for (const auto& image : images) {
      const auto wave = sound::ParseWave(image.data(), image.size());
      if (wave) samples += sound::ConvertToOutput(*wave).size();
    }
    benchmark::DoNotOptimize(samples);
  }
}
BENCHMARK(BM_LoadFiveSounds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kazeban

BENCHMARK_MAIN();
