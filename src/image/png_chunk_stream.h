#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct PngChunkHeader {
  uint32_t length = 0;
  char name[5] = {};
  const uint8_t* data = nullptr;  // the chunk's data, length bytes, followed by its CRC

  bool Is(const char* kind) const;
  bool Critical() const { return (name[0] & 0x20) == 0; }
};

// Walks the chunks of a PNG held in memory. Every read is checked against the end of the
// buffer; a chunk is only handed out when its data and CRC lie wholly inside it.
class PngChunkStream {
 public:
  PngChunkStream(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // Reads the 8-byte signature; throws the invalid-header message on a mismatch.
  void ReadSignature();
  // Reads the next chunk's length and name and leaves the stream at its data.
  PngChunkHeader NextChunk();
  // Checks the CRC after the chunk's data and leaves the stream at the next chunk.
  void FinishChunk(const PngChunkHeader& chunk);
  // Steps over the chunk's data and CRC unread.
  void SkipChunk(const PngChunkHeader& chunk);

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};
