#pragma once
#include <windows.h>

#include <vector>

#include "app/screen_fit.h"
#include "app/settings_placement.h"

// The window's placement and the screen it is on, as the settings save them.
FormPlacement ReadWindowPlacement(HWND window);
// Sets a restored placement; a window not yet visible stays hidden.
void ApplyWindowPlacement(HWND window, const FormPlacement& placement);

// Every monitor of the desktop now, with its work area.
std::vector<MonitorArea> MonitorAreas();
