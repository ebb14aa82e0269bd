#pragma once
#include <string>

#include "app/settings_run_value.h"

// The running program's full path.
std::string ProgramPath();

// LoadatStartup1Click: writes or deletes this program's value in the current
// user's Run key. The key name may be replaced for tests.
void UpdateRunValue(bool loadAtStartup, const std::string& exePath = ProgramPath(),
                    const std::string& runKey = kRunKey);
