#pragma once
#include <optional>
#include <string>

// Numbers in skin.xml: integers in decimal, floats with the user's decimal separator.
// Surrounding blanks are allowed; anything else that does not parse gives nullopt, and the
// caller takes its default.
std::optional<int> ParseSkinInt(const std::string& text);
std::optional<double> ParseSkinFloat(const std::string& text, char decimalSeparator);
