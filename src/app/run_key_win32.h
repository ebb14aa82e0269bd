#pragma once
#include <string>

// The running program's full path: the Run value's data.
std::string ProgramPath();
