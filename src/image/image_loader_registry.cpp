#include "image/image_loader_registry.h"

#include <algorithm>
#include <cctype>

#include "base/ormel_error.h"

namespace {

bool SameExtension(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string ExtensionOf(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

}  // namespace

ImageLoaderRegistry& ImageLoaderRegistry::Instance() {
  static ImageLoaderRegistry registry;
  return registry;
}

void ImageLoaderRegistry::Register(ImageFormat format) {
  Unregister(format.extension);
  formats_.push_back(std::move(format));
}

void ImageLoaderRegistry::Unregister(const std::string& extension) {
  formats_.erase(std::remove_if(formats_.begin(), formats_.end(),
                                [&](const ImageFormat& f) { return SameExtension(f.extension, extension); }),
                 formats_.end());
}

const ImageFormat* ImageLoaderRegistry::FindForPath(const std::string& path) const {
  const std::string extension = ExtensionOf(path);
  for (const ImageFormat& f : formats_) {
    if (SameExtension(f.extension, extension)) return &f;
  }
  return nullptr;
}

TPngImage ImageLoaderRegistry::Load(const std::string& path) const {
  const ImageFormat* format = FindForPath(path);
  if (!format) throw OrmelError("Unknown picture file extension (." + ExtensionOf(path) + ") of \"" + path + "\".");
  return format->load(path);
}

ScopedImageFormat::ScopedImageFormat(ImageFormat format) : extension_(format.extension) {
  ImageLoaderRegistry::Instance().Register(std::move(format));
}

ScopedImageFormat::~ScopedImageFormat() { ImageLoaderRegistry::Instance().Unregister(extension_); }
