#include "time/date_format.h"

#include <cctype>
#include <cstdio>

namespace {

class Formatter {
 public:
  Formatter(TDateTime value, const FormatSettings& fs)
      : value_(value), fs_(fs), f_(DecodeDateTime(value)) {}

  void Append(const std::string& format, int depth) {
    // Nested ddddd/c/t expansions are bounded: a locale format naming itself ends here.
    if (depth > 2) return;
    const char* p = format.c_str();
    while (*p) {
      const char c = *p;
      const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      const size_t run = RunLength(p);
      switch (up) {
        case '\'':
        case '"': p = Literal(p); continue;
        case '/': out_ += fs_.dateSeparator; ++p; lastWasHour_ = false; continue;
        case ':': out_ += fs_.timeSeparator; ++p; continue;
        case 'Y': Number(run <= 2 ? f_.year % 100 : f_.year, run <= 2 ? 2 : 4); break;
        case 'M':
          if (lastWasHour_ && run <= 2) Number(f_.minute, run);
          else if (run == 1 || run == 2) Number(f_.month, run);
          else if (run == 3) out_ += fs_.shortMonthNames[f_.month - 1];
          else out_ += fs_.longMonthNames[f_.month - 1];
          break;
        case 'D':
          if (run <= 2) Number(f_.day, run);
          else if (run == 3) out_ += fs_.shortDayNames[DayOfWeek(value_) - 1];
          else if (run == 4) out_ += fs_.longDayNames[DayOfWeek(value_) - 1];
          else if (run == 5) Append(fs_.shortDateFormat, depth + 1);
          else Append(fs_.longDateFormat, depth + 1);
          break;
        case 'H': Hour(p + run, run); p += run; lastWasHour_ = true; continue;
        case 'N': Number(f_.minute, run >= 2 ? 2 : 1); break;
        case 'S': Number(f_.second, run >= 2 ? 2 : 1); break;
        case 'Z': Number(f_.millisecond, run >= 3 ? 3 : 1); break;
        case 'T': Append(run >= 2 ? fs_.longTimeFormat : fs_.shortTimeFormat, depth + 1); break;
        case 'C':
          Append(fs_.shortDateFormat, depth + 1);
          if (f_.hour || f_.minute || f_.second) {
            out_ += ' ';
            Append(fs_.longTimeFormat, depth + 1);
          }
          break;
        case 'A':
          if (size_t len = AmPmLength(p)) {
            AmPm(p, len);
            p += len;
            continue;
          }
          out_ += c;
          ++p;
          continue;
        default: out_ += c; ++p; continue;
      }
      p += run;
      if (up != 'M') lastWasHour_ = false;
    }
  }

  std::string Result() { return std::move(out_); }

 private:
  static size_t RunLength(const char* p) {
    size_t n = 1;
    while (std::toupper(static_cast<unsigned char>(p[n])) == std::toupper(static_cast<unsigned char>(p[0])))
      ++n;
    return n;
  }

  static bool StartsWithNoCase(const char* p, const char* word) {
    for (; *word; ++p, ++word)
      if (std::tolower(static_cast<unsigned char>(*p)) != *word) return false;
    return true;
  }

  static size_t AmPmLength(const char* p) {
    if (StartsWithNoCase(p, "am/pm")) return 5;
    if (StartsWithNoCase(p, "a/p")) return 3;
    if (StartsWithNoCase(p, "ampm")) return 4;
    return 0;
  }

  static bool HasAmPmAfter(const char* p) {
    for (; *p; ++p) {
      if (*p == '\'' || *p == '"') {
        const char q = *p;
        while (p[1] && p[1] != q) ++p;
        if (p[1]) ++p;
      } else if (AmPmLength(p)) {
        return true;
      }
    }
    return false;
  }

  const char* Literal(const char* p) {
    const char q = *p++;
    while (*p && *p != q) out_ += *p++;
    return *p ? p + 1 : p;
  }

  void Number(int v, size_t width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", static_cast<int>(width), v);
    out_ += buf;
  }

  void Hour(const char* rest, size_t run) {
    int h = f_.hour;
    if (HasAmPmAfter(rest)) {
      h %= 12;
      if (h == 0) h = 12;
    }
    Number(h, run >= 2 ? 2 : 1);
  }

  void AmPm(const char* p, size_t len) {
    const bool pm = f_.hour >= 12;
    if (len == 4) {
      out_ += pm ? fs_.timePMString : fs_.timeAMString;
      return;
    }
    // "am/pm" or "a/p": the case of the written letters is kept.
    const char* text = pm ? p + (len == 5 ? 3 : 2) : p;
    out_.append(text, len == 5 ? 2 : 1);
  }

  TDateTime value_;
  const FormatSettings& fs_;
  DateTimeFields f_;
  std::string out_;
  bool lastWasHour_ = false;
};

}  // namespace

std::string FormatDateTime(const std::string& format, TDateTime value, const FormatSettings& fs) {
  Formatter f(value, fs);
  f.Append(format, 0);
  return f.Result();
}
