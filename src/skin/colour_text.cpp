#include "skin/colour_text.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "base/ormel_error.h"

namespace {

struct NamedColour {
  const char* name;
  uint32_t value;
};

// The standard named colours, values 0x00BBGGRR.
constexpr NamedColour kColours[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},     {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},      {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},       {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},     {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},     {"clMedGray", 0xA4A0A0},
};

bool SameText(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool ParseWhole(const char* begin, const char* end, int base, int64_t& value) {
  if (begin == end) return false;
  const auto [stop, ec] = std::from_chars(begin, end, value, base);
  return ec == std::errc() && stop == end && value >= 0;
}

}  // namespace

uint32_t ParseColourText(const std::string& text) {
  for (const NamedColour& c : kColours) {
    if (SameText(text, c.name)) return c.value;
  }
  const char* p = text.data();
  const char* end = p + text.size();
  bool negative = false;
  if (p != end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  int64_t value = 0;
  bool ok;
  if (p != end && *p == '$') {
    ok = ParseWhole(p + 1, end, 16, value) && value <= 0xFFFFFFFFll;
  } else if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    ok = ParseWhole(p + 2, end, 16, value) && value <= 0xFFFFFFFFll;
  } else {
    ok = ParseWhole(p, end, 10, value) && value <= 0x7FFFFFFFll + (negative ? 1 : 0);
  }
  if (!ok) throw OrmelError("'" + text + "' is not a valid integer value");
  return static_cast<uint32_t>(negative ? -value : value);
}

std::optional<std::string> RedFirstColourHint(const std::string& text) {
  if (text.size() != 7 || text[0] != '$') return std::nullopt;
  int64_t value = 0;
  if (!ParseWhole(text.data() + 1, text.data() + text.size(), 16, value)) return std::nullopt;
  const unsigned red = value & 0xFF, green = (value >> 8) & 0xFF, blue = (value >> 16) & 0xFF;
  if (red == blue) return std::nullopt;  // reads the same either way
  char hint[256];
  std::snprintf(hint, sizeof hint,
                "'%s' has six digits and reads as $00%06X: red %u, green %u, blue %u, since a colour is "
                "$00BBGGRR (blue first); for red %u, green %u, blue %u write $00%02X%02X%02X",
                text.c_str(), static_cast<unsigned>(value), red, green, blue, blue, green, red, red, green, blue);
  return std::string(hint);
}
