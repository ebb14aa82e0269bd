#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_storage.h"

struct FormRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct FormPoint {
  int32_t x = 0, y = 0;
};

// The show commands the settings keep, as the system numbers them.
inline constexpr int32_t kShowNormal = 1;
inline constexpr int32_t kShowMinimized = 2;

// A form's window placement as the settings keep it, plus what the screen is like now.
struct FormPlacement {
  uint32_t flags = 0;
  int32_t showCmd = kShowNormal;  // kShowMinimized when the application is minimised
  FormPoint minPosition{-1, -1};
  FormPoint maxPosition{-1, -1};
  FormRect normal;
  int32_t screenWidth = 0, screenHeight = 0;
  int32_t pixelsPerInch = 96;
  // The monitors' rectangles; a stored position on none of them is not used.
  std::vector<FormRect> monitors;
};

// "Component.Property" → "Component_Property", split at the first ".".
std::string StoredValueName(const std::string& entry);

// "Flags", "ShowCmd", "PixelsPerInch", both "MinMaxPos" and both "NormPos" values, "Visible".
void WriteFormPosition(SettingsSection& section, const FormPlacement& placement);
// The placement to set, or nullopt when nothing is to be applied: no stored position,
// another pixels-per-inch, an empty rectangle, or a position off every monitor.
// The normal rectangle keeps the stored left and top with the window's current size.
std::optional<FormPlacement> ReadFormPosition(const SettingsSection& section, const FormPlacement& current);
