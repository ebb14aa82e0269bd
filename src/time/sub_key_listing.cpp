#include "time/sub_key_listing.h"

std::vector<std::string> ListSubKeyNames(const std::function<SubKeyAt(uint32_t index)>& nameAt) {
  std::vector<std::string> names;
  for (uint32_t i = 0;; ++i) {
    SubKeyAt at = nameAt(i);
    if (at.answer != SubKeyAt::Answer::Name) return names;
    names.push_back(std::move(at.name));
  }
}
