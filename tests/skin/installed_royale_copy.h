#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "skin/temp_folder.h"

// The royale installed beside the program under test, copied into `dir` as `name` for a test
// to change; returns the text of its skin.xml.
inline std::string CopyOfInstalledRoyale(const TempFolder& dir, const std::string& name) {
  const std::filesystem::path royale = std::filesystem::path(ORMEL_DIST_DIR) / "face" / "royale";
  std::filesystem::copy(royale, dir.Path() + name);
  std::ifstream in(royale / "skin.xml", std::ios::binary);
  std::ostringstream xml;
  xml << in.rdbuf();
  return xml.str();
}
