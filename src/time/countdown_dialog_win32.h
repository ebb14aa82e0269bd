#pragma once
#include <windows.h>

#include <optional>

#include "time/date_time.h"

// frmCountdown's picker ids.
enum : int { kCountdownDateId = 101, kCountdownTimeId = 102 };

// Shows frmCountdown with the target; the new target on OK, nothing on Cancel.
std::optional<TDateTime> RunCountdownDialog(HWND owner, TDateTime target);
