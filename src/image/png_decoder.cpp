#include "image/png_decoder.h"

#include <fstream>
#include <iterator>

#include "base/ormel_error.h"
#include "base/unicode_text.h"
#include "image/png_chunk_stream.h"
#include "image/png_chunks.h"
#include "image/png_idat_stream.h"
#include "image/png_messages.h"
#include "image/png_pixel_decoder.h"

namespace {

using ChunkReader = void (*)(TPngImage&, const uint8_t*, size_t);

struct KnownChunk {
  const char* name;
  ChunkReader read;
};

constexpr KnownChunk kReaders[] = {{"PLTE", ReadPlte}, {"tRNS", ReadTrns}, {"gAMA", ReadGama},
                                   {"tIME", ReadTime}, {"tEXt", ReadText}, {"zTXt", ReadZtxt},
                                   {"pHYs", ReadPhys}};

ChunkReader ReaderFor(const PngChunkHeader& chunk) {
  for (const KnownChunk& k : kReaders) {
    if (chunk.Is(k.name)) return k.read;
  }
  return nullptr;
}

}  // namespace

TPngImage DecodePng(const uint8_t* data, size_t size) {
  PngChunkStream stream(data, size);
  stream.ReadSignature();
  TPngImage image;
  bool decoded = false;
  for (bool first = true;; first = false) {
    const PngChunkHeader chunk = stream.NextChunk();
    if (first != chunk.Is("IHDR")) {
      throw OrmelError(first ? png_messages::kIhdrNotFirst : png_messages::kIhdrCorrupt);
    }
    if (chunk.Is("cHRM") || (decoded && chunk.Is("IDAT"))) {
      stream.SkipChunk(chunk);
      continue;
    }
    image.chunks.push_back({chunk.name, chunk.length, {}});
    if (chunk.Is("IDAT")) {
      // The CRCs of the IDAT chunks are checked as their data is inflated.
      PngIdatStream idat(stream, chunk);
      DecodePngPixels(image, idat);
      idat.Finish();
      decoded = true;
      continue;
    }
    const ChunkReader reader = ReaderFor(chunk);
    const bool known = reader || chunk.Is("IHDR") || chunk.Is("IEND");
    if (!known && chunk.Critical()) throw OrmelError(png_messages::kUnknownCritical);
    stream.FinishChunk(chunk);
    if (chunk.Is("IHDR")) {
      ReadIhdr(image, chunk.data, chunk.length);
    } else if (chunk.Is("IEND")) {
      break;
    } else if (reader) {
      reader(image, chunk.data, chunk.length);
    } else {
      image.chunks.back().opaqueData.assign(chunk.data, chunk.data + chunk.length);
    }
  }
  if (!decoded) throw OrmelError(png_messages::kNoData);
  return image;
}

TPngImage DecodePngFile(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) throw OrmelError("Cannot open the image file \"" + path + "\".");
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  if (in.bad()) throw OrmelError("Cannot read the image file \"" + path + "\".");
  return DecodePng(bytes);
}
