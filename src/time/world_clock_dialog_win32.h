#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "time/world_clock_dialog.h"

// frmWorldClock's control ids.
enum : int { kListZonesId = 201, kClockLabelId = 202, kResetId = 203 };

// Shows frmWorldClock with the zone and label (WorldClock1Click); the choice on OK,
// nothing on Cancel. Modal to `owner`, which takes no input until the dialog closes.
std::optional<WorldClockChoice> RunWorldClockDialog(HWND owner, const TQvRegistryTimeZones& zones, int32_t zoneId,
                                                    const std::string& label);
