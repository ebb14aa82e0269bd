// The built programs carry the project version in their version resource, and the clock
// its icon: what Explorer's properties and the installed programs list show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/handles_win32.h"

namespace {

std::string DistFile(const char* name) {
  std::string p = std::string("Z:") + ORMEL_DIST_DIR + "/" + name;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

struct VersionInfo {
  std::vector<char> block;
  const VS_FIXEDFILEINFO* fixed = nullptr;

  std::string Text(const char* name) const {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
      return "";
    return std::string(value, strnlen(value, length));
  }
};

VersionInfo ReadVersionInfo(const std::string& file) {
  VersionInfo info;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return info;
  info.block.resize(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, info.block.data())) return info;
  UINT length = 0;
  void* fixed = nullptr;
  if (VerQueryValueA(info.block.data(), "\\", &fixed, &length) && length >= sizeof(VS_FIXEDFILEINFO))
    info.fixed = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return info;
}

TEST(VersionResourceWin32, BothProgramsCarryTheProjectVersion) {
  unsigned major = 0, minor = 0, patch = 0;
  ASSERT_EQ(std::sscanf(ORMEL_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);
  const struct {
    const char* file;
    const char* description;
  } programs[] = {{"OrmelClock.exe", "Ormel Clock"}, {"ormel-skin.exe", "Ormel Clock skin tool"}};
  for (const auto& program : programs) {
    SCOPED_TRACE(program.file);
    const VersionInfo info = ReadVersionInfo(DistFile(program.file));
    ASSERT_NE(info.fixed, nullptr) << "no version resource";
    EXPECT_EQ(info.fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.fixed->dwFileVersionMS, (major << 16) | minor);
    EXPECT_EQ(info.fixed->dwFileVersionLS, patch << 16);
    EXPECT_EQ(info.fixed->dwProductVersionMS, info.fixed->dwFileVersionMS);
    EXPECT_EQ(info.fixed->dwProductVersionLS, info.fixed->dwFileVersionLS);
    EXPECT_EQ(info.Text("FileVersion"), ORMEL_VERSION);
    EXPECT_EQ(info.Text("ProductVersion"), ORMEL_VERSION);
    EXPECT_EQ(info.Text("ProductName"), "Ormel Clock");
    EXPECT_EQ(info.Text("FileDescription"), program.description);
    EXPECT_EQ(info.Text("OriginalFilename"), program.file);
  }
}

TEST(VersionResourceWin32, TheClockCarriesItsIcon) {
  HMODULE exe = LoadLibraryExA(DistFile("OrmelClock.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  const IconHandle icon(static_cast<HICON>(LoadImageA(exe, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0)));
  EXPECT_NE(icon, nullptr);
  FreeLibrary(exe);
}

}  // namespace
