#include "skin/skin_fonts.h"

#include <cctype>

namespace {

bool EndsWithNoCase(const std::string& name, const char* suffix) {
  const std::string s(suffix);
  if (name.size() <= s.size()) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[name.size() - s.size() + i]);
    if (std::tolower(c) != s[i]) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> SkinFontFiles(const std::vector<FolderEntry>& entries) {
  std::vector<std::string> fonts;
  for (const FolderEntry& e : entries) {
    if (!e.isFolder && (EndsWithNoCase(e.name, ".ttf") || EndsWithNoCase(e.name, ".otf")))
      fonts.push_back(e.name);
  }
  return fonts;
}
