#pragma once
#include <windows.h>

// The pixels per inch of the monitor the window is on, over 96: 1 on an unscaled display,
// kept within the scales a skin is drawn at. Systems before per-monitor DPI give the screen's
// single setting.
double WindowScale(HWND window);

// The scale that WM_DPICHANGED announces in its wParam.
double ScaleOfDpi(UINT dpi);
