#pragma once
#include "base/handles_win32.h"
#include "time/zone_source.h"

// The zone database under the local machine key, read only. The zones key is opened once and
// each zone's sub-key beneath it; a value of the usual size is read in one call.
class RegistryZoneSource : public ZoneSource {
 public:
  std::optional<std::vector<std::string>> ZoneKeyNames() override;
  std::optional<StoredZone> ReadZone(const std::string& keyName) override;

 private:
  // The zones key, opened on first use; null when it cannot be opened.
  HKEY Zones();

  RegistryKey zones_;
  bool opened_ = false;
};
