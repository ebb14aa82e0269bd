#pragma once
#include <string>

#include "app/settings_storage.h"

// The per-user Run key, whose value starts the clock with Windows, as a section of its parent.
inline constexpr char kRunKeyParent[] = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kRunSection[] = "Run";

// The program file's name without its extension.
std::string RunValueName(const std::string& exePath);
// The full path in double quotes, so that a path with blanks starts the program
// rather than whatever its first word names.
std::string RunValueData(const std::string& exePath);

// LoadatStartup1Click: write the value when "Load at Startup" is checked, else delete it.
void ApplyLoadAtStartup(SettingsSection& runKey, const std::string& exePath, bool loadAtStartup);
