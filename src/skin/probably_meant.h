#pragma once
#include <string>
#include <vector>

// The known name closest to `found` when it is near enough to be a misspelling of it (letter
// case ignored); empty otherwise.
std::string ProbablyMeant(const std::string& found, const std::vector<std::string>& known);

// "; did you mean "glass"?" for a name probably meant, empty otherwise.
std::string Suggestion(const std::string& found, const std::vector<std::string>& known);
