#include "time/locale_win32.h"

#include <iterator>

#include "base/wide_text_win32.h"
#include "time/locale_formats.h"

namespace {

std::string LocaleText(LCTYPE type, const std::string& fallback) {
  // Wide: the names come in the user's script, which the system's code page may lack.
  wchar_t buf[128];
  const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, static_cast<int>(std::size(buf)));
  return n > 1 ? Utf8(std::wstring_view(buf, static_cast<size_t>(n - 1))) : fallback;
}

char LocaleChar(LCTYPE type, char fallback) {
  // The formats keep a separator in one byte: one outside ASCII falls back to ours.
  const std::string s = LocaleText(type, "");
  return s.empty() || static_cast<unsigned char>(s[0]) >= 0x80 ? fallback : s[0];
}

}  // namespace

FormatSettings UserFormatSettings() {
  FormatSettings fs;
  fs.dateSeparator = LocaleChar(LOCALE_SDATE, fs.dateSeparator);
  fs.timeSeparator = LocaleChar(LOCALE_STIME, fs.timeSeparator);
  fs.decimalSeparator = LocaleChar(LOCALE_SDECIMAL, fs.decimalSeparator);
  fs.shortDateFormat = LocaleText(LOCALE_SSHORTDATE, fs.shortDateFormat);
  fs.longDateFormat = LocaleText(LOCALE_SLONGDATE, fs.longDateFormat);
  fs.longTimeFormat = TranslateLocaleTimeFormat(LocaleText(LOCALE_STIMEFORMAT, fs.longTimeFormat));
  fs.shortTimeFormat = TranslateLocaleTimeFormat(LocaleText(LOCALE_SSHORTTIME, fs.shortTimeFormat));
  fs.timeAMString = LocaleText(LOCALE_S1159, fs.timeAMString);
  fs.timePMString = LocaleText(LOCALE_S2359, fs.timePMString);
  for (int i = 0; i < 12; ++i) {
    fs.shortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, fs.shortMonthNames[i]);
    fs.longMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i, fs.longMonthNames[i]);
  }
  // The locale numbers its days from Monday; ours start on Sunday.
  for (int i = 0; i < 7; ++i) {
    const int fromMonday = (i + 6) % 7;
    fs.shortDayNames[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + fromMonday, fs.shortDayNames[i]);
    fs.longDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + fromMonday, fs.longDayNames[i]);
  }
  return fs;
}
