// Our decoder against libpng, pixel for pixel, over the generated corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "image/png_decoder.h"
#include "support/libpng_decode.h"

namespace {

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(PngReference, EveryCorpusFileMatchesLibpngPixelForPixel) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ORMEL_PNG_CORPUS)) {
    if (entry.path().extension() == ".png") files.push_back(entry.path());
  }
  ASSERT_GT(files.size(), 200u);
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const std::vector<uint8_t> file = ReadAll(path);
    const std::optional<LibpngImage> reference = DecodeWithLibpng(file);
    ASSERT_TRUE(reference.has_value()) << "libpng refused the file";
    const LibpngImage& expected = *reference;
    const TPngImage ours = DecodePng(file);
    ASSERT_EQ(ours.Width(), expected.width);
    ASSERT_EQ(ours.Height(), expected.height);
    int mismatches = 0;
    for (size_t i = 0; i < ours.colors.size() && mismatches < 3; ++i) {
      const uint8_t* e = expected.rgba.data() + 4 * i;
      const uint32_t want = (uint32_t(e[0]) << 16) | (uint32_t(e[1]) << 8) | e[2];
      if (ours.colors[i] != want || ours.alpha[i] != e[3]) {
        ++mismatches;
        ADD_FAILURE() << "pixel " << i % ours.Width() << "," << i / ours.Width() << std::hex
                      << ": ours " << ours.colors[i] << "/" << int(ours.alpha[i])
                      << " libpng " << want << "/" << int(e[3]);
      }
    }
  }
}
