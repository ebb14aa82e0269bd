#pragma once
#include <iosfwd>
#include <string>

// `ormel-skin check FOLDER`: prints every problem of the skin in FOLDER, one a line, and
// returns the exit code: 0 when the skin loads and shows everything, 1 otherwise.
int RunSkinCheck(const std::string& folder, std::ostream& out);
