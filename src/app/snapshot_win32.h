#pragma once
#include "app/command_line.h"

// Renders one frame through the tick's own path and writes it as a PNG; touches no settings.
int RunSnapshot(const CommandLine& cl);
