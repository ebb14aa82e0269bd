#include "app/registry_storage_win32.h"

#include "base/ormel_error.h"
#include "base/registry_key_win32.h"
#include "base/wide_text_win32.h"

namespace {

// KEY_READ: the access a restore asks for.
constexpr REGSAM kReadAccess = 0x20019;

std::string SystemText(LONG code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text ? Utf8(text) : "Registry error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

// Opens (creating when missing) a key for reading and writing; throws OrmelError.
RegistryKey CreateForWriting(HKEY parent, const std::string& path) {
  LONG rc = ERROR_SUCCESS;
  RegistryKey key = CreateRegistryKey(parent, path, KEY_READ | KEY_WRITE, &rc);
  if (!key)
    throw OrmelError("The registry refused to open the key \"" + path + "\" of the current user for writing: " +
                     SystemText(rc));
  return key;
}

}  // namespace

std::optional<std::string> RegistrySection::ReadString(const std::string& name) const {
  const std::wstring wideName = Wide(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  // A value of another type is not one of ours: it reads as missing.
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text((size + 1) / sizeof(wchar_t), L'\0');
  if (size && RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&text[0]),
                               &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The stored size may or may not count a terminating zero (or be odd, when written by hand).
  text.resize(std::min<size_t>(size / sizeof(wchar_t), text.size()));
  const size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return Utf8(text);
}

void RegistrySection::WriteString(const std::string& name, const std::string& value) {
  const std::wstring text = Wide(value);
  const LONG rc = RegSetValueExW(key_.get(), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (rc != ERROR_SUCCESS)
    throw OrmelError("The registry refused to write the value \"" + name + "\": " + SystemText(rc));
}

void RegistrySection::DeleteValue(const std::string& name) {
  const LONG rc = RegDeleteValueW(key_.get(), Wide(name).c_str());
  // A value that is not there is already deleted.
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
    throw OrmelError("The registry refused to remove the value \"" + name + "\": " + SystemText(rc));
}

std::unique_ptr<SettingsSection> RegistryStorage::OpenForWrite(const std::string& section) {
  return std::make_unique<RegistrySection>(CreateForWriting(root_, storageKey_ + "\\" + section));
}

std::unique_ptr<SettingsSection> RegistryStorage::OpenForRead(const std::string& section) {
  // The storage key is created as for a save, but with read access only: where writing is
  // refused, what is stored still reads.
  CreateRegistryKey(root_, storageKey_, kReadAccess);
  RegistryKey key = OpenRegistryKey(root_, storageKey_ + "\\" + section, kReadAccess);
  if (!key) return nullptr;
  return std::make_unique<RegistrySection>(std::move(key));
}
