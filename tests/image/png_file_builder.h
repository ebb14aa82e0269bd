#pragma once
// Builds PNG files chunk by chunk, so tests can craft exactly the broken layout they need.
// CRCs and compression come from zlib itself, independent of the decoder under test.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutBe32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

inline Bytes IhdrData(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType,
                      uint8_t compression = 0, uint8_t filter = 0, uint8_t interlace = 0) {
  Bytes d;
  PutBe32(d, width);
  PutBe32(d, height);
  d.insert(d.end(), {depth, colorType, compression, filter, interlace});
  return d;
}

inline Bytes Compress(const Bytes& raw) {
  uLongf size = compressBound(raw.size());
  Bytes out(size);
  compress(out.data(), &size, raw.data(), raw.size());
  out.resize(size);
  return out;
}

class PngFileBuilder {
 public:
  PngFileBuilder() : bytes_{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'} {}

  PngFileBuilder& Chunk(const std::string& name, const Bytes& data, bool spoilCrc = false) {
    PutBe32(bytes_, static_cast<uint32_t>(data.size()));
    const size_t start = bytes_.size();
    bytes_.insert(bytes_.end(), name.begin(), name.end());
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    const uLong crc = crc32(0, bytes_.data() + start, static_cast<uInt>(bytes_.size() - start));
    PutBe32(bytes_, static_cast<uint32_t>(crc) ^ (spoilCrc ? 1u : 0u));
    return *this;
  }
  // Only a length and a name, claiming whatever length the test wants.
  PngFileBuilder& ChunkHeader(const std::string& name, uint32_t length) {
    PutBe32(bytes_, length);
    bytes_.insert(bytes_.end(), name.begin(), name.end());
    return *this;
  }
  PngFileBuilder& Raw(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  PngFileBuilder& End() { return Chunk("IEND", {}); }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// An unfiltered 8-bit greyscale image of the given size, as a whole valid file.
inline Bytes GreyPng(uint32_t width, uint32_t height, uint8_t value = 0x40) {
  Bytes raw;
  for (uint32_t y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), width, value);
  }
  return PngFileBuilder().Chunk("IHDR", IhdrData(width, height, 8, 0)).Chunk("IDAT", Compress(raw)).End().bytes();
}
