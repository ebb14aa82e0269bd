#include "skin/skin_private_fonts_win32.h"

#include "base/wide_text_win32.h"

#include "skin/folder_lister_win32.h"
#include "skin/skin_fonts.h"

SkinPrivateFonts::SkinPrivateFonts(const std::string& folder) {
  for (const std::string& file : SkinFontFiles(Win32FolderLister().List(folder))) {
    const std::string path = folder + file;
    if (AddFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr) > 0) paths_.push_back(path);
  }
}

SkinPrivateFonts::~SkinPrivateFonts() { RemoveAll(); }

SkinPrivateFonts::SkinPrivateFonts(SkinPrivateFonts&& other) noexcept : paths_(std::move(other.paths_)) {
  other.paths_.clear();
}

SkinPrivateFonts& SkinPrivateFonts::operator=(SkinPrivateFonts&& other) noexcept {
  if (this != &other) {
    RemoveAll();
    paths_ = std::move(other.paths_);
    other.paths_.clear();
  }
  return *this;
}

void SkinPrivateFonts::RemoveAll() {
  for (const std::string& path : paths_) RemoveFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr);
  paths_.clear();
}
