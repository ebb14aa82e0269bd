#pragma once
// Resource ids of OrmelClock.exe, shared by its resource script and its code.
#define IDI_ORMEL_CLOCK 1
