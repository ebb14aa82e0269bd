#include "image/png_chunk_stream.h"

#include <cstring>

#include "base/ormel_error.h"
#include "image/png_crc.h"
#include "image/png_messages.h"

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;

uint32_t Be32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

}  // namespace

bool PngChunkHeader::Is(const char* kind) const { return std::memcmp(name, kind, 4) == 0; }

void PngChunkStream::ReadSignature() {
  if (size_ < sizeof kSignature || std::memcmp(data_, kSignature, sizeof kSignature) != 0) {
    throw OrmelError(png_messages::kInvalidHeader);
  }
  pos_ = sizeof kSignature;
}

PngChunkHeader PngChunkStream::NextChunk() {
  if (size_ - pos_ < 8) throw OrmelError(png_messages::kUnexpectedEnd);
  PngChunkHeader chunk;
  chunk.length = Be32(data_ + pos_);
  std::memcpy(chunk.name, data_ + pos_ + 4, 4);
  pos_ += 8;
  // A length beyond what is left (data plus 4 bytes of CRC) is refused before anything
  // is allocated or read for it.
  if (chunk.length > kMaxChunkLength || uint64_t(chunk.length) + 4 > size_ - pos_) {
    throw OrmelError(png_messages::kUnexpectedEnd);
  }
  chunk.data = data_ + pos_;
  return chunk;
}

void PngChunkStream::FinishChunk(const PngChunkHeader& chunk) {
  const uint32_t crc = PngCrc(chunk.data, chunk.length, PngCrc(chunk.data - 4, 4));
  if (crc != Be32(chunk.data + chunk.length)) throw OrmelError(png_messages::kCrcError);
  SkipChunk(chunk);
}

void PngChunkStream::SkipChunk(const PngChunkHeader& chunk) {
  pos_ = static_cast<size_t>(chunk.data - data_) + chunk.length + 4;
}
