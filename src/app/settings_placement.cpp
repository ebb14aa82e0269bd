#include "app/settings_placement.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "time/date_format.h"

namespace {

bool EqualNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && !b[i];
}

// The number's text without surrounding blanks and without a leading "+".
std::string NumberBody(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  if (b < e && text[b] == '+' && (e - b == 1 || text[b + 1] != '-')) ++b;
  return text.substr(b, e - b);
}

}  // namespace

std::string EncodeInt(int64_t value) { return std::to_string(value); }

std::optional<int32_t> DecodeInt(const std::string& text) {
  const std::string body = NumberBody(text);
  int32_t value = 0;
  const char* end = body.data() + body.size();
  auto [p, ec] = std::from_chars(body.data(), end, value);
  if (ec != std::errc() || p != end || body.empty()) return std::nullopt;
  return value;
}

std::string EncodeBoolName(bool value) { return value ? "True" : "False"; }

std::optional<bool> DecodeBoolName(const std::string& text) {
  if (EqualNoCase(text, "True")) return true;
  if (EqualNoCase(text, "False")) return false;
  return std::nullopt;
}

std::string EncodeBoolNumber(bool value) { return value ? "-1" : "0"; }

std::optional<bool> DecodeBoolText(const std::string& text) {
  if (auto b = DecodeBoolName(text)) return b;
  if (auto n = DecodeFloat(text)) return *n != 0;
  return std::nullopt;
}

std::string EncodeFloat(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";
  // 15 significant digits as d.dddddddddddddde±x, then trailing zeros dropped.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  std::string s(buf);
  const size_t epos = s.find('e');
  const int exponent = std::atoi(s.c_str() + epos + 1);
  std::string digits;
  for (size_t i = 0; i < epos; ++i)
    if (std::isdigit(static_cast<unsigned char>(s[i]))) digits += s[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent >= 15 || exponent < -4) {
    out += digits[0];
    if (count > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent >= 0) {
    const int whole = exponent + 1;
    out += digits.substr(0, std::min(count, whole));
    if (count < whole) out.append(whole - count, '0');
    if (count > whole) out += "." + digits.substr(whole);
  } else {
    out += "0." + std::string(-exponent - 1, '0') + digits;
  }
  return out;
}

std::optional<double> DecodeFloat(const std::string& text) {
  std::string body = NumberBody(text);
  if (body.empty()) return std::nullopt;
  double value = 0;
  const char* end = body.data() + body.size();
  auto [p, ec] = std::from_chars(body.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || p != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string EncodeDateTimeText(TDateTime value, const FormatSettings& fs) {
  // "tt" is the long time alone; "c" leaves out the time at exactly midnight.
  return FormatDateTime(std::trunc(value) == 0 ? "tt" : "c", value, fs);
}

namespace {

using Quad = std::array<int32_t, 4>;

std::string ScreenSuffix(const FormPlacement& p) {
  return "(" + EncodeInt(p.screenWidth) + "x" + EncodeInt(p.screenHeight) + ")";
}

std::string QuadText(const Quad& q) {
  return EncodeInt(q[0]) + "," + EncodeInt(q[1]) + "," + EncodeInt(q[2]) + "," + EncodeInt(q[3]);
}

// Each of the four numbers falls back to its own default.
Quad ParseQuad(const std::string& text, const Quad& defaults) {
  Quad q = defaults;
  size_t start = 0;
  for (size_t i = 0; i < q.size() && start <= text.size(); ++i) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    q[i] = DecodeInt(text.substr(start, comma - start)).value_or(defaults[i]);
    start = comma + 1;
  }
  return q;
}

// The value for the current screen size first, then the plain one.
std::optional<std::string> ReadPositionValue(const SettingsSection& s, const std::string& name,
                                             const FormPlacement& current) {
  if (auto v = s.ReadString(name + ScreenSuffix(current))) return v;
  return s.ReadString(name);
}

bool Intersects(const FormRect& a, const FormRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnSomeMonitor(const FormRect& r, const std::vector<FormRect>& monitors) {
  if (monitors.empty()) return true;
  for (const FormRect& m : monitors)
    if (Intersects(r, m)) return true;
  return false;
}

}  // namespace

std::string StoredValueName(const std::string& entry) {
  std::string name = entry;
  const size_t dot = name.find('.');
  if (dot != std::string::npos) name[dot] = '_';
  return name;
}

void WriteFormPosition(SettingsSection& s, const FormPlacement& p) {
  s.WriteString("Flags", EncodeInt(p.flags));
  s.WriteString("ShowCmd", EncodeInt(p.showCmd));
  s.WriteString("PixelsPerInch", EncodeInt(p.pixelsPerInch));
  const std::string minMax = QuadText({p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y});
  s.WriteString("MinMaxPos" + ScreenSuffix(p), minMax);
  s.WriteString("MinMaxPos", minMax);
  const std::string norm = QuadText({p.normal.left, p.normal.top, p.normal.right, p.normal.bottom});
  s.WriteString("NormPos" + ScreenSuffix(p), norm);
  s.WriteString("NormPos", norm);
  s.WriteString("Visible", "0");
}

std::optional<FormPlacement> ReadFormPosition(const SettingsSection& s, const FormPlacement& current) {
  FormPlacement p = current;
  if (auto flags = s.ReadString("Flags")) {
    if (auto v = DecodeInt(*flags)) p.flags = static_cast<uint32_t>(*v);
  }
  const auto minMax = ReadPositionValue(s, "MinMaxPos", current);
  const auto norm = ReadPositionValue(s, "NormPos", current);
  int32_t ppi = current.pixelsPerInch;
  if (auto text = s.ReadString("PixelsPerInch")) ppi = DecodeInt(*text).value_or(ppi);
  if ((!minMax && !norm) || ppi != current.pixelsPerInch) return std::nullopt;

  if (minMax) {
    const Quad q = ParseQuad(*minMax, {current.minPosition.x, current.minPosition.y, current.maxPosition.x,
                                       current.maxPosition.y});
    p.minPosition = {q[0], q[1]};
    p.maxPosition = {q[2], q[3]};
  }
  if (norm) {
    const FormRect& c = current.normal;
    const Quad q = ParseQuad(*norm, {c.left, c.top, c.right, c.bottom});
    // The window has no sizing border: only the stored left and top count.
    p.normal = {q[0], q[1], q[0] + (c.right - c.left), q[1] + (c.bottom - c.top)};
  }
  if (p.normal.left >= p.normal.right || !OnSomeMonitor(p.normal, current.monitors)) return std::nullopt;
  return p;
}
