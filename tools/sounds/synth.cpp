#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace kazeban::tools {

double Noise::Next() {
  // splitmix64
  state_ += 0x9E3779B97F4A7C15ULL;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) / 4503599627370496.0 - 1.0;
}

Track::Track(double seconds, bool loop)
    : samples(static_cast<std::size_t>(std::lround(seconds * kRate))), circular(loop) {}

void Track::Add(std::size_t index, double value) {
  if (circular) {
    samples[index % samples.size()] += value;
  } else if (index < samples.size()) {
    samples[index] += value;
  }
}

void AddPartial(Track& t, double start, const Partial& p) {
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  const auto count = static_cast<std::size_t>(std::lround(p.length * kRate));
  const double fade = 0.010;
  for (std::size_t k = 0; k < count; ++k) {
    const double s = static_cast<double>(k) / kRate;
    double envelope = std::exp(-s / p.decay);
    if (s < p.attack) envelope *= 0.5 - 0.5 * std::cos(kPi * s / p.attack);
    const double left = p.length - s;
    if (left < fade) envelope *= 0.5 - 0.5 * std::cos(kPi * left / fade);
    t.Add(first + k, p.amplitude * envelope * std::sin(2 * kPi * p.frequency * s));
  }
}

void AddBuzz(Track& t, double start, double frequency, double hold, double amplitude, double top) {
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  const auto count = static_cast<std::size_t>(std::lround(hold * kRate));
  const double ramp = 0.012;
  for (std::size_t k = 0; k < count; ++k) {
    const double s = static_cast<double>(k) / kRate;
    double envelope = 1.0;
    if (s < ramp) envelope = 0.5 - 0.5 * std::cos(kPi * s / ramp);
    if (hold - s < ramp) envelope = 0.5 - 0.5 * std::cos(kPi * (hold - s) / ramp);
    double v = 0;
    for (int n = 1; n * frequency < top; ++n) {
      v += std::sin(2 * kPi * n * frequency * s) / n;
    }
    t.Add(first + k, amplitude * envelope * v);
  }
}

void AddFilteredNoise(Track& t, Noise& noise, double start, double length, double centre, double q,
                      double decay, double amplitude) {
  // Band-pass biquad (constant peak gain), direct form I.
  const double w = 2 * kPi * centre / kRate;
  const double alpha = std::sin(w) / (2 * q);
  const double a0 = 1 + alpha;
  const double b0 = alpha / a0, b2 = -alpha / a0;
  const double a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  const auto count = static_cast<std::size_t>(std::lround(length * kRate));
  for (std::size_t k = 0; k < count; ++k) {
    const double s = static_cast<double>(k) / kRate;
    const double x = noise.Next() * std::exp(-s / decay);
    const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    t.Add(first + k, amplitude * y);
  }
}

void RemoveDc(Track& t) {
  double mean = 0;
  for (double v : t.samples) mean += v;
  mean /= static_cast<double>(t.samples.size());
  for (double& v : t.samples) v -= mean;
  if (t.circular) return;
  const double r = 1.0 - 2 * kPi * 20.0 / kRate;
  double x1 = 0, y1 = 0;
  for (double& v : t.samples) {
    const double y = v - x1 + r * y1;
    x1 = v;
    y1 = y;
    v = y;
  }
}

void FadeOut(Track& t, double seconds) {
  const auto count = std::min(t.samples.size(), static_cast<std::size_t>(seconds * kRate));
  const std::size_t from = t.samples.size() - count;
  for (std::size_t k = 0; k < count; ++k) {
    const double left = static_cast<double>(count - k - 1) / static_cast<double>(count);
    t.samples[from + k] *= 0.5 - 0.5 * std::cos(kPi * left);
  }
}

void Normalise(Track& t, double peak) {
  double largest = 0;
  for (double v : t.samples) largest = std::max(largest, std::abs(v));
  if (largest == 0) return;
  for (double& v : t.samples) v *= peak / largest;
}

namespace {

void PutU16(std::ofstream& out, uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  out.write(b, 2);
}

void PutU32(std::ofstream& out, uint32_t v) {
  PutU16(out, static_cast<uint16_t>(v & 0xFFFF));
  PutU16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

bool WriteWave(const Track& t, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const auto data_bytes = static_cast<uint32_t>(t.samples.size() * 2);
  out.write("RIFF", 4);
  PutU32(out, 36 + data_bytes);
  out.write("WAVE", 4);
  out.write("fmt ", 4);
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, 1);  // mono
  PutU32(out, kRate);
  PutU32(out, kRate * 2);
  PutU16(out, 2);
  PutU16(out, 16);
  out.write("data", 4);
  PutU32(out, data_bytes);
  for (double v : t.samples) {
    const double scaled = std::clamp(std::round(v * 32767.0), -32768.0, 32767.0);
    PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(scaled)));
  }
  out.close();
  return static_cast<bool>(out);
}

double NoteFrequency(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

}  // namespace kazeban::tools
