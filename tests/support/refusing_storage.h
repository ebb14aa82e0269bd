#pragma once
#include <string>

#include "support/memory_storage.h"

// Settings in which every write is refused, as in a registry key guarded by security software
// or a read-only policy; what is stored still reads. Either the key does not open for writing
// at all, or it opens and each value is refused.
class RefusingStorage : public SettingsStorage {
 public:
  enum class Refuses { OpeningForWrite, EachValue };
  explicit RefusingStorage(Refuses how = Refuses::OpeningForWrite) : how_(how) {}

  std::unique_ptr<SettingsSection> OpenForWrite(const std::string& section) override;
  std::unique_ptr<SettingsSection> OpenForRead(const std::string& section) override;

  MemoryStorage stored;  // what is there already
  int refusals = 0;      // refused opens and writes

 private:
  Refuses how_;
};
