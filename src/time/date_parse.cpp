#include "time/date_parse.h"

#include <cctype>

namespace {

enum class DateOrder { MDY, DMY, YMD };

// The order of day, month and year is that of their first letters in the short date format.
DateOrder OrderOf(const std::string& shortDateFormat) {
  bool quoted = false;
  for (char c : shortDateFormat) {
    if (c == '\'' || c == '"') quoted = !quoted;
    if (quoted) continue;
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case 'D': return DateOrder::DMY;
      case 'Y': return DateOrder::YMD;
      case 'M': return DateOrder::MDY;
      default: break;
    }
  }
  return DateOrder::MDY;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size() || a.empty()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

class Scanner {
 public:
  Scanner(const std::string& text, const FormatSettings& fs) : s_(text), fs_(fs) {}

  size_t Position() const { return pos_; }
  void Rewind(size_t pos) { pos_ = pos; }
  bool AtEnd() const { return pos_ >= s_.size(); }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(s_[pos_])) ++pos_;
  }

  // A run of up to 9 digits; its length goes to *digits.
  std::optional<int> Number(int* digits = nullptr) {
    size_t end = pos_;
    while (end < s_.size() && IsDigit(s_[end]) && end - pos_ < 9) ++end;
    if (end == pos_ || (end < s_.size() && IsDigit(s_[end]))) return std::nullopt;
    int value = 0;
    for (size_t i = pos_; i < end; ++i) value = value * 10 + (s_[i] - '0');
    if (digits) *digits = static_cast<int>(end - pos_);
    pos_ = end;
    return value;
  }

  bool Char(char c) {
    if (AtEnd() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  bool DateSeparator() {
    if (Char(fs_.dateSeparator) || Char('/') || Char('-') || Char('.')) {
      SkipBlanks();
      return true;
    }
    return false;
  }

  // A word: bytes up to the next blank, digit or separator.
  std::string Word() {
    size_t end = pos_;
    while (end < s_.size() && !IsBlank(s_[end]) && !IsDigit(s_[end]) &&
           !std::ispunct(static_cast<unsigned char>(s_[end])))
      ++end;
    std::string w = s_.substr(pos_, end - pos_);
    pos_ = end;
    return w;
  }

  std::optional<int> Month() {
    if (auto n = Number()) return n;
    const std::string w = Word();
    for (int i = 0; i < 12; ++i)
      if (EqualNoCase(w, fs_.shortMonthNames[i]) || EqualNoCase(w, fs_.longMonthNames[i])) return i + 1;
    return std::nullopt;
  }

  // 0 = AM, 12 = PM; nothing consumed when there is no mark. The locale's marks may
  // hold any bytes ("nachm."), so they are matched as they stand, longest first.
  std::optional<int> AmPm() {
    const std::pair<const std::string*, int> marks[] = {
        {&fs_.timeAMString, 0}, {&fs_.timePMString, 12}, {&kAm, 0}, {&kPm, 12}, {&kA, 0}, {&kP, 12}};
    size_t best = 0;
    std::optional<int> result;
    for (const auto& [mark, offset] : marks) {
      if (mark->size() > best && MarkAt(*mark)) {
        best = mark->size();
        result = offset;
      }
    }
    pos_ += best;
    return result;
  }

  std::optional<TDateTime> Date() {
    int year = 0, month = 0, day = 0, yearDigits = 4;
    const DateOrder order = OrderOf(fs_.shortDateFormat);
    for (int field = 0; field < 3; ++field) {
      if (field > 0 && !DateSeparator()) return std::nullopt;
      const int which = FieldAt(order, field);
      std::optional<int> v = which == 1 ? Month() : Number(which == 2 ? &yearDigits : nullptr);
      if (!v) return std::nullopt;
      (which == 0 ? day : which == 1 ? month : year) = *v;
    }
    // Some locales end the date with its separator ("2024. 03. 05.").
    if (!Char(fs_.dateSeparator)) Char('.');
    if (yearDigits <= 2) year += 2000;
    return EncodeDate(year, month, day);
  }

  std::optional<TDateTime> Time() {
    std::optional<int> mark = AmPm();
    SkipBlanks();
    auto hour = Number();
    if (!hour || !TimeSeparator()) return std::nullopt;
    auto minute = Number();
    if (!minute) return std::nullopt;
    int second = 0, ms = 0;
    if (TimeSeparator()) {
      auto s = Number();
      if (!s) return std::nullopt;
      second = *s;
      if (Char('.') || Char(fs_.decimalSeparator)) {
        int digits = 0;
        auto z = Number(&digits);
        if (!z || digits > 3) return std::nullopt;
        ms = *z * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
      }
    }
    SkipBlanks();
    if (!mark) mark = AmPm();
    int h = *hour;
    // An hour that cannot be on a 12-hour clock is a 24-hour one: a mark written
    // before the hours does not make them 12-hour.
    if (mark && h >= 1 && h <= 12) h = h % 12 + *mark;
    return EncodeTime(h, *minute, second, ms);
  }

 private:
  // 0 = day, 1 = month, 2 = year.
  static int FieldAt(DateOrder order, int field) {
    static const int kFields[3][3] = {{1, 0, 2}, {0, 1, 2}, {2, 1, 0}};
    return kFields[static_cast<int>(order)][field];
  }

  bool MarkAt(const std::string& mark) const {
    if (mark.empty() || s_.size() - pos_ < mark.size() || !EqualNoCase(s_.substr(pos_, mark.size()), mark))
      return false;
    const size_t end = pos_ + mark.size();
    return end == s_.size() || !std::isalpha(static_cast<unsigned char>(s_[end]));
  }

  inline static const std::string kAm = "AM", kPm = "PM", kA = "A", kP = "P";

  bool TimeSeparator() { return Char(fs_.timeSeparator) || Char(':'); }

  const std::string& s_;
  const FormatSettings& fs_;
  size_t pos_ = 0;
};

std::optional<TDateTime> Combine(TDateTime date, TDateTime time) {
  // Before day 0 the fraction counts forward from the start of the day, away from zero.
  return date < 0 ? date - time : date + time;
}

}  // namespace

std::optional<TDateTime> ParseDateTime(const std::string& text, const FormatSettings& fs) {
  Scanner sc(text, fs);
  sc.SkipBlanks();
  const size_t start = sc.Position();
  if (auto date = sc.Date()) {
    sc.SkipBlanks();
    if (sc.AtEnd()) return date;
    if (auto time = sc.Time()) {
      sc.SkipBlanks();
      if (sc.AtEnd()) return Combine(*date, *time);
    }
    return std::nullopt;
  }
  sc.Rewind(start);
  auto time = sc.Time();
  sc.SkipBlanks();
  if (time && sc.AtEnd()) return time;
  return std::nullopt;
}
