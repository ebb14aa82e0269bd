#include "time/zone_saved_id.h"

#include <gtest/gtest.h>

namespace {

class ListedZones : public ZoneSource {
 public:
  std::optional<std::vector<std::string>> ZoneKeyNames() override {
    return std::vector<std::string>{"Tokyo Standard Time", "GMT Standard Time", "Eastern Standard Time"};
  }
  std::optional<StoredZone> ReadZone(const std::string& keyName) override {
    const char* display = keyName[0] == 'T'   ? "(GMT+09:00) Osaka"
                          : keyName[0] == 'G' ? "(GMT) London"
                                              : "(GMT-05:00) Eastern";
    return StoredZone{display, u"", u"", std::vector<uint8_t>(kTziSize)};
  }
};

}  // namespace

TEST(ZoneSavedId, TheSavedKeyNameWinsOverTheSavedPosition) {
  ListedZones source;
  const TQvRegistryTimeZones zones(source);  // Eastern, GMT, Tokyo
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedKeyName;
    int32_t want;
  } cases[] = {
      {"old settings keep their id", 1, "", 1},
      {"old settings out of range", 7, "", 7},
      {"local time", -1, "", -1},
      {"zone moved", 0, "Tokyo Standard Time", 2},
      {"key names ignore case", 0, "gmt standard time", 1},
      {"zone gone", 2, "Atlantis Standard Time", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveSavedZoneId(zones, c.savedId, c.savedKeyName), c.want) << c.what;
}
