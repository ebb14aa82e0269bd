#pragma once
#include <string>
#include <vector>

// The n-th field of text cut at separator: with ")" and 2, the place names of a zone's
// display name. Empty when the text has fewer fields.
std::string NthDelimitedField(const std::string& text, char separator, int n);

// The label choices offered for a zone: the field split at commas and blanks, with
// double-quoted pieces kept whole ("" inside stands for one quote).
std::vector<std::string> SplitLabelChoices(const std::string& field);
