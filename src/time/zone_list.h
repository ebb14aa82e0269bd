#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "time/zone_info.h"
#include "time/zone_source.h"

class TQvRegistryTimeZones;

// One zone of the operating system's list. Changing a field asks the owning list to
// write the zone back, which this system never allows.
class TQvRegistryTimeZone {
 public:
  const std::string& DisplayName() const { return displayName_; }
  const std::string& KeyName() const { return keyName_; }
  const std::string& StoredKeyName() const { return storedKeyName_; }
  const ZoneInformation& Info() const { return info_; }
  bool LastSaveOk() const { return lastSaveOk_; }

  void SetDisplayName(const std::string& value);
  void SetKeyName(const std::string& value);
  void SetInfo(const ZoneInformation& value);

 private:
  friend class TQvRegistryTimeZones;
  template <class T>
  void Assign(T& field, const T& value);

  std::string displayName_;
  std::string keyName_;
  bool lastSaveOk_ = true;
  TQvRegistryTimeZones* owner_ = nullptr;
  std::string storedKeyName_;
  ZoneInformation info_;
};

// What ZoneByIndex copies out.
struct ZoneEntry {
  std::string keyName;
  std::string displayName;
  ZoneInformation info;
};

// The sorted zone list, read once from the source; a zone id is a position in it. It is read
// when it is first asked for, so that a start that needs no zone shows the clock first.
class TQvRegistryTimeZones {
 public:
  explicit TQvRegistryTimeZones(ZoneSource& source) : source_(source) {}

  int32_t Count() const { return static_cast<int32_t>(Zones().size()); }
  // Callers keep to 0 .. Count()-1.
  const TQvRegistryTimeZone& Item(int32_t index) const { return *Zones()[index]; }
  TQvRegistryTimeZone& Item(int32_t index) { return *Zones()[index]; }
  std::optional<ZoneEntry> ZoneByIndex(int32_t index) const;
  // Reads the list unless it has been read.
  void Read() const;
  void Reload();

  // Never set by this system: the zone database is read only here.
  bool WriteAccess() const { return false; }
  // Always fails with the write-access error.
  bool SaveZone(const TQvRegistryTimeZone& zone);

 private:
  using Records = std::vector<std::unique_ptr<TQvRegistryTimeZone>>;
  const Records& Zones() const {
    Read();
    return zones_;
  }

  ZoneSource& source_;
  // Reading on first use changes nothing a caller can see but when the source is read.
  mutable bool read_ = false;
  mutable Records zones_;
};

// The sort key: the offset read as an hhmm number plus the code of the first place letter.
int32_t ZoneSortKey(const std::string& displayName);

// The zone id to use for a saved id and the key name saved beside it. The id is a
// position, so after the operating system's zone set changes it may name another
// zone; the key name wins when it is present. A saved name no longer in the list
// means the zone is gone: local time (-1) rather than whichever zone took its place.
// Settings from before the key name was saved keep their id.
int32_t ResolveSavedZoneId(const TQvRegistryTimeZones& zones, int32_t savedId,
                           const std::string& savedKeyName);
