#pragma once
#include <string>

// The locale writes "tt" for the AM/PM mark and "H"/"HH" for 24-hour hours, and
// minutes as "mm"; the clock's format letters use "ampm", "h" (24-hour unless an
// am/pm mark follows) and "nn".
std::string TranslateLocaleTimeFormat(const std::string& localeFormat);
