#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/tray_icon_win32.h"

// The clock's icon for the tray, in the program's own icon; Show puts it there.
std::unique_ptr<TTrayIcon> CreateClockTrayIcon(HINSTANCE instance, const std::string& hint, TTrayIcon::Events events);

// Ends whatever the active window (else `fallback`) was doing with the mouse, so that a
// menu opened from the tray gets the mouse.
void CancelMouseModes(HWND fallback);
