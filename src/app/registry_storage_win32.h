#pragma once
#include <windows.h>

#include <string>

#include "app/settings_storage.h"
#include "base/handles_win32.h"

// An open key whose string values are the section's values.
class RegistrySection : public SettingsSection {
 public:
  explicit RegistrySection(RegistryKey key) : key_(std::move(key)) {}
  std::optional<std::string> ReadString(const std::string& name) const override;
  void WriteString(const std::string& name, const std::string& value) override;
  void DeleteValue(const std::string& name) override;

 private:
  RegistryKey key_;
};

// Settings under HKEY_CURRENT_USER\<storage key>\<section>, as REG_SZ values.
class RegistryStorage : public SettingsStorage {
 public:
  explicit RegistryStorage(std::string storageKey, HKEY root = HKEY_CURRENT_USER)
      : root_(root), storageKey_(std::move(storageKey)) {}
  std::unique_ptr<SettingsSection> OpenForWrite(const std::string& section) override;
  std::unique_ptr<SettingsSection> OpenForRead(const std::string& section) override;

 private:
  HKEY root_;
  std::string storageKey_;
};
