#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "time/date_time.h"
#include "time/format_settings.h"

// The text forms of the settings values.

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
