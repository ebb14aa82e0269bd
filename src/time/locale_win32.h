#pragma once
#include "time/format_settings.h"

// The user default locale's names, separators and formats.
FormatSettings UserFormatSettings();
