// Writes the five sounds of the game into a folder: the click of a piece set on the
// board, the buzz of a refused action, the chime of the about box, the gong at the end
// of a game and the looping background tune. Everything is synthesised here from sine
// partials and filtered noise with a fixed seed, so the files come out the same on
// every run.
//
//   kazeban-make-sounds <folder>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "synth.h"

namespace kazeban::tools {
namespace {

// A piece set down on a wooden board: a sharp tick of band-passed noise over a few
// short-lived modes of the wood, and a faint thump of the board below.
Track MakeClick() {
  Track t(0.080);
  Noise noise(0x6B6F6D61ULL);
  AddFilteredNoise(t, noise, 0, 0.012, 3200, 2.5, 0.0015, 1.2);
  AddFilteredNoise(t, noise, 0, 0.030, 1400, 6.0, 0.004, 0.8);
  const Partial modes[] = {
      {.frequency = 1180, .amplitude = 0.50, .attack = 0.0003, .decay = 0.011, .length = 0.075},
      {.frequency = 2270, .amplitude = 0.32, .attack = 0.0003, .decay = 0.007, .length = 0.060},
      {.frequency = 3540, .amplitude = 0.20, .attack = 0.0003, .decay = 0.005, .length = 0.045},
      {.frequency = 5150, .amplitude = 0.10, .attack = 0.0003, .decay = 0.003, .length = 0.030},
      {.frequency = 240, .amplitude = 0.30, .attack = 0.0010, .decay = 0.012, .length = 0.075},
  };
  for (const Partial& p : modes) AddPartial(t, 0, p);
  RemoveDc(t);
  FadeOut(t, 0.010);
  Normalise(t, 0.80);
  return t;
}

// A refused action: a short, low, slightly rough buzz (two close tones beating).
Track MakeBuzz() {
  Track t(0.26);
  AddBuzz(t, 0.005, 98.0, 0.24, 0.6, 3000);
  AddBuzz(t, 0.005, 103.0, 0.24, 0.4, 3000);
  RemoveDc(t);
  FadeOut(t, 0.010);
  Normalise(t, 0.55);
  return t;
}

// Two soft bell tones, high then lower, with a few quickly fading overtones.
Track MakeChime() {
  Track t(1.30);
  const double notes[] = {NoteFrequency(81), NoteFrequency(78)};  // A5, F#5
  for (int i = 0; i < 2; ++i) {
    const double f = notes[i];
    const double start = 0.02 + 0.22 * i;
    const Partial partials[] = {
        {.frequency = f, .amplitude = 1.0, .attack = 0.004, .decay = 0.45, .length = 1.0},
        {.frequency = 2.0 * f, .amplitude = 0.25, .attack = 0.003, .decay = 0.20, .length = 0.8},
        {.frequency = 3.01 * f, .amplitude = 0.10, .attack = 0.002, .decay = 0.10, .length = 0.5},
        {.frequency = 4.17 * f, .amplitude = 0.05, .attack = 0.002, .decay = 0.06, .length = 0.3},
    };
    for (const Partial& p : partials) AddPartial(t, start, p);
  }
  RemoveDc(t);
  FadeOut(t, 0.10);
  Normalise(t, 0.50);
  return t;
}

// The end of a game: a low gong whose inharmonic partials fade, the higher ones sooner,
// with slow beating between pairs of close partials and a soft mallet stroke.
Track MakeGong() {
  Track t(2.2);
  const double f = 196.0;
  struct Mode {
    double ratio, amplitude, decay;
  };
  const Mode modes[] = {
      {1.00, 1.00, 0.90}, {1.006, 0.50, 0.85}, {1.52, 0.55, 0.60}, {2.00, 0.25, 0.50},
      {2.41, 0.35, 0.40}, {2.43, 0.20, 0.38},  {2.94, 0.22, 0.30}, {3.62, 0.15, 0.22},
      {4.30, 0.12, 0.20}, {5.40, 0.08, 0.14},  {6.80, 0.05, 0.09},
  };
  for (const Mode& m : modes) {
    AddPartial(t, 0,
               {.frequency = f * m.ratio,
                .amplitude = m.amplitude,
                .attack = 0.008,
                .decay = m.decay,
                .length = 2.2});
  }
  Noise noise(0x676F6E67ULL);
  AddFilteredNoise(t, noise, 0, 0.05, 300, 1.5, 0.008, 0.6);
  RemoveDc(t);
  FadeOut(t, 0.25);
  Normalise(t, 0.70);
  return t;
}

// One plucked note of the tune: a koto-like string, bright at first and mellowing.
void Pluck(Track& t, double start, int note, double amplitude) {
  const double f = NoteFrequency(note);
  const double harmonics[] = {1.0, 0.45, 0.25, 0.14, 0.08, 0.04};
  for (int n = 1; n <= 6; ++n) {
    AddPartial(t, start,
               {.frequency = f * n,
                .amplitude = amplitude * harmonics[n - 1],
                .attack = 0.004,
                .decay = 0.9 / std::pow(n, 0.8),
                .length = 2.5});
  }
}

// The background tune: eight bars in a pentatonic scale on D, a plucked melody over a
// soft bass, with a light echo. Every note, tail and echo that runs past the end wraps
// round to the start, so the file repeats without a seam.
Track MakeTune() {
  constexpr double kBeat = 60.0 / 84.0;  // 84 beats a minute, 32 beats in all
  Track t(32 * kBeat, true);

  struct Note {
    int pitch;
    double beats;
  };
  // D4 = 62, E4 = 64, F#4 = 66, A4 = 69, B4 = 71, D5 = 74, E5 = 76, F#5 = 78.
  const Note melody[] = {
      {69, 1},   {71, 1},   {74, 2},                      // bar 1
      {76, 1},   {74, 0.5}, {71, 0.5}, {69, 2},           // bar 2
      {66, 1},   {69, 1},   {71, 1},   {69, 1},           // bar 3
      {66, 1},   {64, 1},   {62, 2},                      // bar 4
      {74, 1},   {76, 1},   {78, 2},                      // bar 5
      {76, 1},   {74, 0.5}, {76, 0.5}, {71, 2},           // bar 6
      {69, 1},   {71, 0.5}, {69, 0.5}, {66, 1}, {64, 1},  // bar 7
      {64, 1.5}, {66, 0.5}, {62, 2},                      // bar 8
  };
  double at = 0;
  for (const Note& n : melody) {
    Pluck(t, at * kBeat, n.pitch, 0.5);
    at += n.beats;
  }

  // The bass: each bar's root on its first beat and its fifth, softer, on its third.
  const int roots[] = {50, 45, 47, 50, 47, 52, 45, 50};  // D, A, B, D, B, E, A, D
  for (int bar = 0; bar < 8; ++bar) {
    const double start = bar * 4 * kBeat;
    const double f = NoteFrequency(roots[bar] - 12);
    AddPartial(t, start,
               {.frequency = f, .amplitude = 0.40, .attack = 0.02, .decay = 1.2, .length = 2.6});
    AddPartial(
        t, start,
        {.frequency = 2 * f, .amplitude = 0.10, .attack = 0.02, .decay = 0.6, .length = 2.0});
    AddPartial(
        t, start + 2 * kBeat,
        {.frequency = f * 1.5, .amplitude = 0.22, .attack = 0.02, .decay = 0.9, .length = 2.0});
  }

  // Two echoes, read round the loop like everything else.
  const std::vector<double> dry = t.samples;
  const std::size_t size = dry.size();
  const auto first = static_cast<std::size_t>(0.75 * kBeat * kRate);
  const auto second = 2 * first;
  for (std::size_t k = 0; k < size; ++k) {
    t.samples[k] += 0.28 * dry[(k + size - first) % size] + 0.12 * dry[(k + size - second) % size];
  }
  RemoveDc(t);
  Normalise(t, 0.45);
  return t;
}

}  // namespace
}  // namespace kazeban::tools

int main(int argc, char** argv) {
  using namespace kazeban::tools;
  if (argc != 2) {
    std::fprintf(stderr, "usage: kazeban-make-sounds <folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  struct Sound {
    const char* name;
    Track track;
  };
  const Sound sounds[] = {
      {"駒打音.wav", MakeClick()}, {"禁止.wav", MakeBuzz()}, {"その他.wav", MakeChime()},
      {"終局.wav", MakeGong()},    {"BGM.wav", MakeTune()},
  };
  int failures = 0;
  for (const Sound& s : sounds) {
    const std::string path = (folder / s.name).string();
    if (!WriteWave(s.track, path)) {
      std::fprintf(stderr, "kazeban-make-sounds: cannot write %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::printf("%s: %.3f s\n", path.c_str(), static_cast<double>(s.track.samples.size()) / kRate);
  }
  return failures == 0 ? 0 : 1;
}
