#pragma once
#include <string>

// The folder of the program file, with its trailing backslash; sounds and skins are found here.
std::string ProgramFolder();
