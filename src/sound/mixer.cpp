#include "sound/mixer.h"

#include <algorithm>
#include <utility>

namespace kazeban::sound {

void Mixer::Add(int32_t handle, std::vector<int16_t> samples) {
  auto buffer = std::make_unique<Buffer>();
  buffer->handle = handle;
  buffer->samples = std::move(samples);
  buffers_.push_back(std::move(buffer));
}

std::unique_ptr<Buffer> Mixer::Remove(int32_t handle) {
  for (auto it = buffers_.begin(); it != buffers_.end(); ++it) {
    if ((*it)->handle == handle) {
      std::unique_ptr<Buffer> taken = std::move(*it);
      buffers_.erase(it);
      return taken;
    }
  }
  return nullptr;
}

std::vector<std::unique_ptr<Buffer>> Mixer::RemoveAll() {
  return std::exchange(buffers_, {});
}

bool Mixer::Play(int32_t handle, bool loop) {
  Buffer* b = Find(handle);
  if (b == nullptr) return false;
  b->position = 0;
  b->looping = loop;
  b->playing = !b->samples.empty();
  return true;
}

bool Mixer::Stop(int32_t handle) {
  Buffer* b = Find(handle);
  if (b == nullptr) return false;
  b->playing = false;
  b->looping = false;
  b->position = 0;
  return true;
}

bool Mixer::IsPlaying(int32_t handle) const {
  const Buffer* b = Find(handle);
  return b != nullptr && b->playing;
}

void Mixer::Mix(int16_t* out, std::size_t frames) {
  // Work in chunks through a fixed accumulator wide enough to hold any sum, starting
  // each chunk from silence.
  constexpr std::size_t kChunk = 1024;
  int32_t sum[kChunk];
  const std::size_t total = frames * 2;
  for (std::size_t done = 0; done < total;) {
    const std::size_t n = std::min(kChunk, total - done);
    std::fill(sum, sum + n, 0);
    for (const auto& b : buffers_) {
      std::size_t k = 0;
      while (k < n && b->playing) {
        const std::size_t take = std::min(n - k, b->samples.size() - b->position);
        const int16_t* src = b->samples.data() + b->position;
        for (std::size_t t = 0; t < take; ++t) sum[k + t] += src[t];
        k += take;
        b->position += take;
        if (b->position == b->samples.size()) {
          b->position = 0;
          b->playing = b->looping;
        }
      }
    }
    for (std::size_t t = 0; t < n; ++t) {
      out[done + t] = static_cast<int16_t>(std::clamp<int32_t>(sum[t], -32768, 32767));
    }
    done += n;
  }
}

Buffer* Mixer::Find(int32_t handle) const {
  for (const auto& b : buffers_) {
    if (b->handle == handle) return b.get();
  }
  return nullptr;
}

}  // namespace kazeban::sound
