#include <gtest/gtest.h>

#include <string>

#include "base/ormel_error.h"
#include "image/png_decoder.h"
#include "image/png_file_builder.h"
#include "image/png_messages.h"

namespace m = png_messages;

namespace {

const Bytes kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

Bytes RawRows(uint32_t rows, const Bytes& row) {
  Bytes raw;
  for (uint32_t y = 0; y < rows; ++y) raw.insert(raw.end(), row.begin(), row.end());
  return raw;
}

PngFileBuilder Grey(uint32_t w, uint32_t h) { return PngFileBuilder().Chunk("IHDR", IhdrData(w, h, 8, 0)); }
PngFileBuilder Palette(uint32_t w, uint32_t h) { return PngFileBuilder().Chunk("IHDR", IhdrData(w, h, 8, 3)); }

std::string DecodeError(const Bytes& file) {
  try {
    DecodePng(file);
  } catch (const OrmelError& e) {
    return e.what();
  }
  return "(decoded)";
}

struct Case {
  const char* what;
  Bytes file;
  std::string message;
};

}  // namespace

TEST(PngDecoderErrors, EveryBrokenFileFailsWithItsMessage) {
  const Bytes oneRow = Compress({0, 1, 2});  // a 2×1 grey row, filter none
  const std::string zlibData = std::string(m::kInvalidCompressedData) + "data error";
  const Bytes twoRows = Compress(RawRows(2, {0, 1, 2}));
  const Bytes longPalette(257 * 3, 0);
  const Case cases[] = {
      {"empty file", {}, m::kInvalidHeader},
      {"wrong signature", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, m::kInvalidHeader},
      {"signature only", kSignature, m::kUnexpectedEnd},
      {"three length bytes", PngFileBuilder().Raw({0, 0, 0}).bytes(), m::kUnexpectedEnd},
      {"ends inside IHDR", PngFileBuilder().ChunkHeader("IHDR", 13).Raw({0, 0, 0, 1}).bytes(), m::kUnexpectedEnd},
      {"length above 2^31-1", Grey(2, 1).ChunkHeader("tEXt", 0x80000000u).Raw(Bytes(64)).bytes(), m::kUnexpectedEnd},
      {"length beyond the file", Grey(2, 1).ChunkHeader("IDAT", 1000).Raw(oneRow).bytes(), m::kUnexpectedEnd},
      {"CRC missing", Grey(2, 1).ChunkHeader("IDAT", uint32_t(oneRow.size())).Raw(oneRow).bytes(), m::kUnexpectedEnd},
      {"no IEND", Grey(2, 1).Chunk("IDAT", oneRow).bytes(), m::kUnexpectedEnd},
      {"IHDR not first", PngFileBuilder().Chunk("gAMA", {0, 0, 0xB1, 0x8F}).Chunk("IHDR", IhdrData(2, 1, 8, 0)).bytes(), m::kIhdrNotFirst},
      {"second IHDR", Grey(2, 1).Chunk("IHDR", IhdrData(2, 1, 8, 0)).bytes(), m::kIhdrCorrupt},
      {"unknown critical chunk", Grey(2, 1).Chunk("QUUX", {1}).bytes(), m::kUnknownCritical},
      {"IHDR CRC", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 0), true).bytes(), m::kCrcError},
      {"IDAT CRC", Grey(2, 1).Chunk("IDAT", oneRow, true).End().bytes(), m::kCrcError},
      {"ancillary CRC", Grey(2, 1).Chunk("tEXt", {'a', 0, 'b'}, true).bytes(), m::kCrcError},
      {"no IDAT", Grey(2, 1).End().bytes(), m::kNoData},
      {"short IHDR", PngFileBuilder().Chunk("IHDR", Bytes(12)).bytes(), m::kIhdrCorrupt},
      {"zero width", PngFileBuilder().Chunk("IHDR", IhdrData(0, 1, 8, 0)).bytes(), m::kIhdrCorrupt},
      {"grey depth 3", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 3, 0)).bytes(), m::kIhdrCorrupt},
      {"RGB depth 4", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 4, 2)).bytes(), m::kIhdrCorrupt},
      {"palette depth 16", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 16, 3)).bytes(), m::kIhdrCorrupt},
      {"colour type 5", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 5)).bytes(), m::kIhdrCorrupt},
      {"filter method 1", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 0, 0, 1)).bytes(), m::kIhdrCorrupt},
      {"width 65536", PngFileBuilder().Chunk("IHDR", IhdrData(65536, 1, 8, 0)).bytes(), m::kTooLarge},
      {"height 65536", PngFileBuilder().Chunk("IHDR", IhdrData(1, 65536, 8, 0)).bytes(), m::kTooLarge},
      {"above the pixel cap", PngFileBuilder().Chunk("IHDR", IhdrData(65535, 65535, 8, 6)).bytes(), m::kTooManyPixels},
      {"at the pixel cap, so only its missing data fails", Grey(8192, 8192).End().bytes(), m::kNoData},
      {"one row past the pixel cap", PngFileBuilder().Chunk("IHDR", IhdrData(8192, 8193, 8, 0)).bytes(), m::kTooManyPixels},
      {"compression 1", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 0, 1)).bytes(), m::kUnknownCompression},
      {"interlace 2", PngFileBuilder().Chunk("IHDR", IhdrData(2, 1, 8, 0, 0, 0, 2)).bytes(), m::kUnknownInterlace},
      {"other chunk between IDATs", Grey(2, 2).Chunk("IDAT", Bytes(twoRows.begin(), twoRows.begin() + 4)).Chunk("tEXt", {'a', 0}).End().bytes(), m::kMissingParts},
      {"zlib stream ends before the last row", Grey(2, 3).Chunk("IDAT", Compress(RawRows(2, {0, 1, 2}))).End().bytes(), m::kMissingParts},
      {"not zlib data", Grey(2, 1).Chunk("IDAT", {1, 2, 3, 4, 5}).End().bytes(), zlibData},
      {"zlib stream needing a preset dictionary", Grey(2, 1).Chunk("IDAT", {0x78, 0xBB, 0, 0, 0, 1, 0x63, 0, 0}).End().bytes(), std::string(m::kInvalidCompressedData) + "need dictionary"},
      {"zTXt needing a preset dictionary", Grey(2, 1).Chunk("zTXt", {'k', 0, 0, 0x78, 0xBB, 0, 0, 0, 1, 0x63, 0}).bytes(), std::string(m::kInvalidCompressedData) + "need dictionary"},
      {"zTXt cut short", Grey(2, 1).Chunk("zTXt", {'k', 0, 0, 0x78, 0x9C, 0x4B}).bytes(), std::string(m::kInvalidCompressedData) + "data error"},
      {"filter type 5", Grey(2, 1).Chunk("IDAT", Compress({5, 1, 2})).End().bytes(), std::string(m::kInvalidCompressedData) + "invalid filter type"},
      {"palette not in triples", Palette(2, 1).Chunk("PLTE", Bytes(7)).bytes(), m::kInvalidPalette},
      {"palette of 257 entries", Palette(2, 1).Chunk("PLTE", longPalette).bytes(), m::kInvalidPalette},
      {"tRNS of 257 entries", Palette(2, 1).Chunk("PLTE", Bytes(6)).Chunk("tRNS", Bytes(257)).bytes(), m::kInvalidPalette},
      {"grey tRNS of one byte", Grey(2, 1).Chunk("tRNS", {0}).bytes(), m::kInvalidPalette},
      {"index beyond the palette", Palette(2, 1).Chunk("PLTE", Bytes(6)).Chunk("IDAT", Compress({0, 1, 2})).End().bytes(), m::kNoSuchPaletteEntry},
      {"palette image without PLTE", Palette(2, 1).Chunk("IDAT", Compress({0, 0, 0})).End().bytes(), m::kNoSuchPaletteEntry},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeError(c.file), c.message) << c.what;
}

TEST(PngDecoderErrors, MissingFileNamesTheFile) {
  try {
    DecodePngFile("/nonexistent/face.png");
    FAIL() << "decoded a missing file";
  } catch (const OrmelError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/face.png"), std::string::npos) << e.what();
  }
}

TEST(PngDecoderErrors, EveryTruncationOfAValidFileFailsCleanly) {
  const Bytes whole = GreyPng(9, 7);
  for (size_t size = 0; size < whole.size(); ++size) {
    const Bytes part(whole.begin(), whole.begin() + size);
    EXPECT_THROW(DecodePng(part), OrmelError) << "cut at " << size;
  }
  EXPECT_NO_THROW(DecodePng(whole));
}
