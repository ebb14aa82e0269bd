#pragma once
#include <vector>

#include "app/screen_fit.h"

// Every monitor of the desktop now, with its work area.
std::vector<MonitorArea> MonitorAreas();
