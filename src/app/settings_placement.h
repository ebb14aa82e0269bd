#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_storage.h"
#include "time/date_time.h"
#include "time/format_settings.h"

// What a value and a window's place look like in the settings.

// Decimal integers; nullopt when the text is not a 32-bit number.
std::string EncodeInt(int64_t value);
std::optional<int32_t> DecodeInt(const std::string& text);

// Boolean properties by the names of their values, "True" and "False".
std::string EncodeBoolName(bool value);
std::optional<bool> DecodeBoolName(const std::string& text);

// "bDisplayArrows" is written "-1"/"0" and read by the usual boolean text
// conversion: "True"/"False" or any number, non-zero meaning true.
std::string EncodeBoolNumber(bool value);
std::optional<bool> DecodeBoolText(const std::string& text);

// Date-time properties: general number format, 15 significant digits, "." as the
// decimal separator whatever the locale ("46000.5", "0.0001", "1E-5").
std::string EncodeFloat(double value);
std::optional<double> DecodeFloat(const std::string& text);

// "Countdown" and "TimerDate": short date, a blank, long time in the user's locale;
// a value on day 0 is a time alone, one at exactly midnight a date alone. Read back
// with ParseDateTime (time/date_parse.h) over the same settings.
std::string EncodeDateTimeText(TDateTime value, const FormatSettings& fs);

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
