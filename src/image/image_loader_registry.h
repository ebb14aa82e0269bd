#pragma once
#include <functional>
#include <string>
#include <vector>

#include "image/png_image.h"

// Reads one picture file into a decoded image, or throws OrmelError.
using ImageLoader = std::function<TPngImage(const std::string& path)>;

struct ImageFormat {
  std::string extension;  // without the dot, e.g. "PNG"; matched case-insensitively
  std::string description;
  ImageLoader load;
};

// The picture formats the program can open, looked up by file extension.
class ImageLoaderRegistry {
 public:
  static ImageLoaderRegistry& Instance();

  void Register(ImageFormat format);
  void Unregister(const std::string& extension);
  // The format for the path's extension, or nullptr.
  const ImageFormat* FindForPath(const std::string& path) const;
  // Decodes the file with the format its extension names; an unknown extension throws.
  TPngImage Load(const std::string& path) const;

 private:
  std::vector<ImageFormat> formats_;
};

// Registers a format for its own lifetime: created at start-up, undone at exit.
class ScopedImageFormat {
 public:
  explicit ScopedImageFormat(ImageFormat format);
  ~ScopedImageFormat();
  ScopedImageFormat(const ScopedImageFormat&) = delete;
  ScopedImageFormat& operator=(const ScopedImageFormat&) = delete;

 private:
  std::string extension_;
};
