#include "skin/probably_meant.h"

#include <algorithm>
#include <cctype>

namespace {

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::string ProbablyMeant(const std::string& found, const std::vector<std::string>& known) {
  // Near enough: a slip of one letter in a short name, of two in a longer one, and of one
  // letter in four in a long one (a font's family name without its last word).
  const size_t nearEnough = found.size() <= 4 ? 1 : std::max<size_t>(2, found.size() / 4);
  std::string best;
  size_t bestDistance = nearEnough + 1;
  for (const std::string& name : known) {
    const size_t d = EditDistance(found, name);
    if (d < bestDistance) {
      best = name;
      bestDistance = d;
    }
  }
  return best;
}

std::string Suggestion(const std::string& found, const std::vector<std::string>& known) {
  const std::string meant = ProbablyMeant(found, known);
  return meant.empty() ? "" : "; did you mean \"" + meant + "\"?";
}
