#pragma once
#include "app/command_line.h"

// Renders one frame through the tick's own path and writes it as a PNG; touches no settings.
// Any failure, a skin that cannot be shown included, throws OrmelError and writes no file.
int RunSnapshot(const CommandLine& cl);
