// Small building blocks for making the game's sounds from nothing: a mono track of
// floating-point samples, decaying partials and filtered noise added into it, and the
// finishing steps (removing any DC offset, fading the tail, scaling to a peak) before it
// is written as a 16-bit PCM wave file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kazeban::tools {

inline constexpr int kRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

// A deterministic source of noise, so that the generator always writes the same files.
class Noise {
 public:
  explicit Noise(uint64_t seed) : state_(seed) {}
  // Uniform in [-1, 1).
  double Next();

 private:
  uint64_t state_;
};

struct Track {
  std::vector<double> samples;
  // When set, whatever is added past the end wraps round to the start, so that the
  // track repeats without a seam.
  bool circular = false;

  explicit Track(double seconds, bool loop = false);
  void Add(std::size_t index, double value);
};

// One sine partial starting at `start` seconds: it rises over `attack` seconds along a
// half cosine, then decays exponentially with time constant `decay`, for `length`
// seconds in all (its last 10 ms fade to zero).
struct Partial {
  double frequency = 0;
  double amplitude = 0;
  double attack = 0.002;
  double decay = 1.0;
  double length = 1.0;
};
void AddPartial(Track& t, double start, const Partial& p);

// A note of `frequency` Hz held for `hold` seconds with attack and release ramps, as a
// sum of harmonics with amplitudes falling as 1/n, up to `top` Hz.
void AddBuzz(Track& t, double start, double frequency, double hold, double amplitude, double top);

// A burst of noise `length` seconds long through a two-pole band-pass resonator at
// `centre` Hz with quality `q`, decaying with time constant `decay`.
void AddFilteredNoise(Track& t, Noise& noise, double start, double length, double centre, double q,
                      double decay, double amplitude);

// Removes the average and slow drift (a one-pole high-pass near 20 Hz; a circular track
// only loses its average, which keeps it seamless).
void RemoveDc(Track& t);

// Fades the last `seconds` of the track to silence along a half cosine.
void FadeOut(Track& t, double seconds);

// Scales the track so that its largest magnitude is `peak` (of full scale).
void Normalise(Track& t, double peak);

// Writes the track as a mono 16-bit PCM wave file; false when the file cannot be written.
bool WriteWave(const Track& t, const std::string& path);

// The frequency of a MIDI note number (69 = A at 440 Hz).
double NoteFrequency(int note);

}  // namespace kazeban::tools
