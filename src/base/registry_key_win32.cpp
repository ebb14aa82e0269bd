#include "base/registry_key_win32.h"

#include "base/wide_text_win32.h"

RegistryKey OpenRegistryKey(HKEY parent, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, Wide(path).c_str(), 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key);
}

RegistryKey CreateRegistryKey(HKEY parent, const std::string& path, REGSAM access, LONG* error) {
  HKEY key = nullptr;
  const LONG rc =
      RegCreateKeyExW(parent, Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
  if (error) *error = rc;
  return RegistryKey(rc == ERROR_SUCCESS ? key : nullptr);
}
