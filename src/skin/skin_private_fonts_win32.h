#pragma once
#include <string>
#include <vector>

// The font files of one skin, added for this process only while the skin is loaded, so a
// skin can bring a font the machine lacks without installing it for everyone.
class SkinPrivateFonts {
 public:
  SkinPrivateFonts() = default;
  // Adds the skin folder's .ttf and .otf files; a file GDI refuses is left out.
  explicit SkinPrivateFonts(const std::string& folder);
  ~SkinPrivateFonts();
  SkinPrivateFonts(SkinPrivateFonts&& other) noexcept;
  SkinPrivateFonts& operator=(SkinPrivateFonts&& other) noexcept;
  SkinPrivateFonts(const SkinPrivateFonts&) = delete;
  SkinPrivateFonts& operator=(const SkinPrivateFonts&) = delete;

  size_t Count() const { return paths_.size(); }

 private:
  void RemoveAll();

  std::vector<std::string> paths_;
};
