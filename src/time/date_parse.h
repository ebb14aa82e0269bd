#pragma once
#include <optional>
#include <string>

#include "time/date_time.h"
#include "time/format_settings.h"

// Reads date and time text as the clock writes it with the locale's settings: a
// date of three numbers in the short date format's order (a month name may stand
// for the month), then a time h:mm[:ss[.zzz]] with an optional AM/PM mark before or
// after it (hours 0 and 13-23 stay 24-hour with a mark); either part may stand alone. Blanks around the parts are allowed;
// anything else left over makes the text invalid. A two-digit year is one of 2000-2099.
std::optional<TDateTime> ParseDateTime(const std::string& text, const FormatSettings& fs);
