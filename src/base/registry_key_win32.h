#pragma once
#include <windows.h>

#include <string>

#include "base/handles_win32.h"

// Opens an existing key; empty when it is missing or the access is refused.
RegistryKey OpenRegistryKey(HKEY parent, const std::string& path, REGSAM access);
// Opens a key, creating it when missing; empty when refused, with the system's code in `error`.
RegistryKey CreateRegistryKey(HKEY parent, const std::string& path, REGSAM access, LONG* error = nullptr);
