// ormel-skin decode IN.png OUT.pam: the decoded samples as a PAM file, 8-bit straight RGBA,
// before any gamma correction, so they can be compared with other decoders.
#include <cstdio>
#include <fstream>

#include "base/ormel_error.h"
#include "base/unicode_text.h"
#include "image/image_loader_registry.h"
#include "ormel_skin_commands.h"

namespace {

void WritePam(const std::string& path, const TPngImage& image) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary);
  if (!out) throw OrmelError("Cannot create \"" + path + "\".");
  out << "P7\nWIDTH " << image.Width() << "\nHEIGHT " << image.Height()
      << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  std::vector<char> row(static_cast<size_t>(image.Width()) * 4);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const size_t i = static_cast<size_t>(y) * image.Width() + x;
      const uint32_t c = image.colors[i];
      row[4 * x] = static_cast<char>(c >> 16);
      row[4 * x + 1] = static_cast<char>(c >> 8);
      row[4 * x + 2] = static_cast<char>(c);
      row[4 * x + 3] = static_cast<char>(image.alpha[i]);
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  if (!out.flush()) throw OrmelError("Cannot write \"" + path + "\".");
}

}  // namespace

int DecodeCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: ormel-skin decode IN.png OUT.pam\n");
    return 2;
  }
  try {
    WritePam(args[1], ImageLoaderRegistry::Instance().Load(args[0]));
  } catch (const OrmelError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
