#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The values of one zone's sub-key as stored: Display in the ANSI code page, the two
// names already in UTF-16, TZI as raw bytes of whatever size the store holds.
struct StoredZone {
  std::string display;
  std::u16string standardName;
  std::u16string daylightName;
  std::vector<uint8_t> tzi;
};

// The operating system's zone database, read only.
class ZoneSource {
 public:
  virtual ~ZoneSource() = default;
  // Sub-key names in the store's order; nullopt when the zones key cannot be opened.
  virtual std::optional<std::vector<std::string>> ZoneKeyNames() = 0;
  // nullopt when the sub-key cannot be opened or a value cannot be read.
  virtual std::optional<StoredZone> ReadZone(const std::string& keyName) = 0;
};
