#include "skin/skin_numbers.h"

#include <charconv>
#include <cmath>

namespace {

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ParseSkinInt(const std::string& text) {
  const std::string t = Trimmed(text);
  const char* begin = t.data();
  if (!t.empty() && *begin == '+') ++begin;
  int value = 0;
  const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size() || begin == end) return std::nullopt;
  return value;
}

std::optional<double> ParseSkinFloat(const std::string& text, char decimalSeparator) {
  // Check the shape with the user's separator, then hand a plain '.' form to from_chars,
  // so neither the C library's locale nor a '.' under a comma locale can slip through.
  const std::string t = Trimmed(text);
  std::string plain;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') plain += '-';
    ++i;
  }
  size_t digits = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) plain += t[i];
  if (i < t.size() && t[i] == decimalSeparator) {
    plain += '.';
    for (++i; i < t.size() && IsDigit(t[i]); ++i, ++digits) plain += t[i];
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) plain += t[i++];
    const size_t expStart = i;
    for (; i < t.size() && IsDigit(t[i]); ++i) plain += t[i];
    if (i == expStart) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}
