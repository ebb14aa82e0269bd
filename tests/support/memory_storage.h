#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings_storage.h"

// Settings kept in memory; remembers the order in which values were written.
class MemoryStorage : public SettingsStorage {
 public:
  using Values = std::map<std::string, std::string>;

  std::unique_ptr<SettingsSection> OpenForWrite(const std::string& section) override;
  std::unique_ptr<SettingsSection> OpenForRead(const std::string& section) override;

  Values& Section(const std::string& section) { return sections_[section]; }
  bool HasSection(const std::string& section) const { return sections_.count(section) != 0; }
  // Names in write order, one entry per write, across all sections.
  const std::vector<std::string>& WriteOrder() const { return writeOrder_; }
  void ClearWriteOrder() { writeOrder_.clear(); }

 private:
  std::map<std::string, Values> sections_;
  std::vector<std::string> writeOrder_;
};
