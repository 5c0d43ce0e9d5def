// Wave images made byte by byte for the tests, independent of the code under test: a
// list of chunks with any content and any declared sizes, so that well-formed and
// broken images alike can be described in a line or two.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kazeban::testing {

using Bytes = std::vector<uint8_t>;

// Appends n bytes (resize and copy: g++ 12 warns falsely on insert at the end).
inline void Append(Bytes& b, const void* p, std::size_t n) {
  const std::size_t at = b.size();
  b.resize(at + n);
  if (n != 0) std::memcpy(b.data() + at, p, n);
}

inline void PutU16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v & 0xFF));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void PutU32(Bytes& b, uint32_t v) {
  PutU16(b, static_cast<uint16_t>(v & 0xFFFF));
  PutU16(b, static_cast<uint16_t>(v >> 16));
}

inline void PutTag(Bytes& b, const char* tag) {
  Append(b, tag, 4);
}

struct Chunk {
  Chunk(std::string chunk_id, Bytes chunk_body, std::optional<uint32_t> size_field = {})
      : id(std::move(chunk_id)), body(std::move(chunk_body)), size(size_field) {}
  std::string id;  // four characters
  Bytes body;
  std::optional<uint32_t> size;  // the size field, when it should lie
};

// The body of a plain "fmt " chunk.
inline Bytes FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                     std::optional<uint16_t> block_align = std::nullopt) {
  Bytes b;
  const auto align = static_cast<uint16_t>(block_align.value_or(channels * bits / 8));
  PutU16(b, tag);
  PutU16(b, channels);
  PutU32(b, rate);
  PutU32(b, rate * align);
  PutU16(b, align);
  PutU16(b, bits);
  return b;
}

// The body of an extensible "fmt " chunk with the given sub-format's first two bytes
// (1 = PCM, 3 = float) and the rest of the standard GUID.
inline Bytes ExtensibleFmtBody(uint16_t channels, uint32_t rate, uint16_t bits,
                               uint16_t sub_format) {
  Bytes b = FmtBody(0xFFFE, channels, rate, bits);
  PutU16(b, 22);                     // extra bytes
  PutU16(b, bits);                   // valid bits
  PutU32(b, channels == 2 ? 3 : 4);  // speaker mask
  PutU16(b, sub_format);
  const uint8_t rest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  Append(b, rest, 14);
  return b;
}

inline Bytes Samples16(std::initializer_list<int16_t> values) {
  Bytes b;
  for (int16_t v : values) PutU16(b, static_cast<uint16_t>(v));
  return b;
}

inline Bytes Samples16(const std::vector<int16_t>& values) {
  Bytes b;
  for (int16_t v : values) PutU16(b, static_cast<uint16_t>(v));
  return b;
}

// "RIFF", the declared size (the true one unless given), "WAVE" and the chunks, each
// padded to an even length.
inline Bytes Riff(const std::vector<Chunk>& chunks,
                  std::optional<uint32_t> declared = std::nullopt) {
  Bytes body;
  PutTag(body, "WAVE");
  for (const Chunk& c : chunks) {
    PutTag(body, c.id.c_str());
    PutU32(body, c.size.value_or(static_cast<uint32_t>(c.body.size())));
    Append(body, c.body.data(), c.body.size());
    if (c.body.size() % 2 == 1) body.push_back(0);
  }
  Bytes b;
  PutTag(b, "RIFF");
  PutU32(b, declared.value_or(static_cast<uint32_t>(body.size())));
  Append(b, body.data(), body.size());
  return b;
}

// A well-formed 16-bit PCM wave.
inline Bytes Wave16(uint16_t channels, uint32_t rate, const std::vector<int16_t>& samples) {
  return Riff({{"fmt ", FmtBody(1, channels, rate, 16)}, {"data", Samples16(samples)}});
}

}  // namespace kazeban::testing
