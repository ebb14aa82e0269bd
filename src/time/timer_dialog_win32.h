#pragma once
#include <windows.h>

#include <optional>

#include "time/timer_dialog.h"
#include "time/timer_dialog_settings_win32.h"

// frmTimer's control ids.
enum : int { kTimerTimeId = 201, kTimerAutoStartId = 202 };

// Shows frmTimer with the duration. Its position and Auto Start come from the
// settings and go back to them when the dialog closes.
std::optional<TimerDialogResult> RunTimerDialog(HWND owner, TDateTime duration, TimerDialogSettings& settings);
