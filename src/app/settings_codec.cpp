#include "app/settings_codec.h"

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
