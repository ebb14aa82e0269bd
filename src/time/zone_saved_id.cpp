#include "time/zone_saved_id.h"

#include <algorithm>
#include <cctype>

namespace {

// Registry key names compare without regard to letter case.
bool SameKeyName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

int32_t ResolveSavedZoneId(const TQvRegistryTimeZones& zones, int32_t savedId,
                           const std::string& savedKeyName) {
  if (savedKeyName.empty()) return savedId;
  for (int32_t i = 0; i < zones.Count(); ++i)
    if (SameKeyName(zones.Item(i).KeyName(), savedKeyName)) return i;
  return -1;
}
