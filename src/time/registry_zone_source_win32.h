#pragma once
#include "time/zone_source.h"

// The zone database under the local machine key, read only.
class RegistryZoneSource : public ZoneSource {
 public:
  std::optional<std::vector<std::string>> ZoneKeyNames() override;
  std::optional<StoredZone> ReadZone(const std::string& keyName) override;
};
