#pragma once
#include <windows.h>

#include <string>

#include "app/settings_storage.h"

// An open registry key, closed when the owner goes.
class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() { if (key_) RegCloseKey(key_); }
  RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  RegistryKey& operator=(RegistryKey&&) = delete;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return key_; }

  // Opens (creating when missing) a key for reading and writing; throws OrmelError.
  static RegistryKey Create(HKEY parent, const std::string& path);
  // The same with the given access; empty when refused, with the system's code in `error`.
  static RegistryKey TryCreate(HKEY parent, const std::string& path, REGSAM access, LONG* error = nullptr);
  // Opens an existing key with read access; empty when it is missing.
  static RegistryKey OpenForRead(HKEY parent, const std::string& path);

 private:
  HKEY key_ = nullptr;
};

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
