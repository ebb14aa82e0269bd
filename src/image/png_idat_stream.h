#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "image/png_chunk_stream.h"

// The one zlib stream spread over consecutive IDAT chunks, inflated on demand.
class PngIdatStream {
 public:
  // Starts at the first IDAT, whose header has just been read from the stream.
  PngIdatStream(PngChunkStream& chunks, const PngChunkHeader& first);
  ~PngIdatStream();
  PngIdatStream(const PngIdatStream&) = delete;
  PngIdatStream& operator=(const PngIdatStream&) = delete;

  // Fills out with exactly size inflated bytes, or throws the image's message.
  void Read(uint8_t* out, size_t size);
  // Leaves the chunk stream after the current IDAT (CRC checked); the rest of the
  // compressed data, if any, is not needed.
  void Finish();

 private:
  void FeedInput();

  PngChunkStream& chunks_;
  PngChunkHeader chunk_;
  uint32_t consumed_ = 0;  // bytes of the current chunk handed to zlib
  z_stream zs_{};
  bool ended_ = false;
};
