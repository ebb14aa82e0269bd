#pragma once
#include <memory>
#include <optional>
#include <string>

// One open section of the settings: named text values. It stays open for the
// lifetime of the object, that is, for one save or one restore.
class SettingsSection {
 public:
  virtual ~SettingsSection() = default;
  virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  virtual void DeleteValue(const std::string& name) = 0;
};

// Where a form keeps its settings: sections (subkeys) below one storage key.
class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;
  // Creates the section when missing; throws OrmelError when that is refused.
  virtual std::unique_ptr<SettingsSection> OpenForWrite(const std::string& section) = 0;
  // Null when the section does not exist: the restore then keeps its defaults.
  virtual std::unique_ptr<SettingsSection> OpenForRead(const std::string& section) = 0;
};
