#pragma once
#include <windows.h>

#include <optional>

#include "app/settings_storage.h"
#include "time/timer_dialog.h"

// frmTimer's control ids.
enum : int { kTimerTimeId = 201, kTimerAutoStartId = 202 };

// Shows frmTimer with the duration. Its position and Auto Start come from the
// storage (section "Timer") and go back to it when the dialog closes.
std::optional<TimerDialogResult> RunTimerDialog(HWND owner, TDateTime duration, SettingsStorage& storage);
