#pragma once
#include <string>

// The running program's full path: the Run value's data.
std::string ProgramPath();
// The folder of the program file, with its trailing backslash; sounds and skins are found here.
std::string ProgramFolder();
