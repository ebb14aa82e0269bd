#include "image/png_idat_stream.h"

#include <algorithm>
#include <string>

#include "base/ormel_error.h"
#include "image/png_messages.h"

namespace {

// Compressed data goes to zlib in blocks no larger than this.
constexpr uint32_t kBlockSize = 65535;

[[noreturn]] void ThrowZlib(int result) {
  throw OrmelError(std::string(png_messages::kInvalidCompressedData) + zError(result));
}

}  // namespace

PngIdatStream::PngIdatStream(PngChunkStream& chunks, const PngChunkHeader& first)
    : chunks_(chunks), chunk_(first) {
  const int result = inflateInit(&zs_);
  if (result != Z_OK) ThrowZlib(result);
}

PngIdatStream::~PngIdatStream() { inflateEnd(&zs_); }

void PngIdatStream::FeedInput() {
  while (consumed_ == chunk_.length) {
    chunks_.FinishChunk(chunk_);
    chunk_ = chunks_.NextChunk();
    consumed_ = 0;
    if (!chunk_.Is("IDAT")) throw OrmelError(png_messages::kMissingParts);
  }
  const uint32_t block = std::min(kBlockSize, chunk_.length - consumed_);
  zs_.next_in = const_cast<Bytef*>(chunk_.data + consumed_);
  zs_.avail_in = block;
  consumed_ += block;
}

void PngIdatStream::Read(uint8_t* out, size_t size) {
  zs_.next_out = out;
  zs_.avail_out = static_cast<uInt>(size);
  while (zs_.avail_out > 0) {
    // A stream that ends before the last row leaves the image incomplete.
    if (ended_) throw OrmelError(png_messages::kMissingParts);
    if (zs_.avail_in == 0) FeedInput();
    const int result = inflate(&zs_, Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      ended_ = true;
    } else if (result != Z_OK) {
      // Negative results, and a stream asking for a preset dictionary PNG never supplies,
      // which would otherwise make no progress at all.
      ThrowZlib(result);
    }
  }
}

void PngIdatStream::Finish() { chunks_.FinishChunk(chunk_); }
