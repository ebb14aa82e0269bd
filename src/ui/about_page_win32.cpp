#include "ui/about_page_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "ui/program_folder_win32.h"

namespace {

class BrowserMainKeyWin32 : public BrowserMainKey {
 public:
  explicit BrowserMainKeyWin32(HKEY key) : key_(key) {}
  ~BrowserMainKeyWin32() override { RegCloseKey(key_); }
  BrowserMainKeyWin32(const BrowserMainKeyWin32&) = delete;
  BrowserMainKeyWin32& operator=(const BrowserMainKeyWin32&) = delete;

  Kind KindOf(const std::string& name) override {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return Kind::Absent;
    return type == REG_DWORD && size == sizeof(DWORD) ? Kind::Integer : Kind::Other;
  }
  int32_t ReadInteger(const std::string& name) override {
    DWORD value = 0, size = sizeof value;
    RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return static_cast<int32_t>(value);
  }
  void WriteInteger(const std::string& name, int32_t value) override {
    const DWORD v = static_cast<DWORD>(value);
    RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  }
  void DeleteValue(const std::string& name) override { RegDeleteValueA(key_, name.c_str()); }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<BrowserMainKey> BrowserRegistryWin32::OpenMainKey() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<BrowserMainKeyWin32>(key);
}

void About1Click() {
  BrowserRegistryWin32 registry;
  OpenPage(PageKind::Product, ProgramFolder(), registry, [](const std::string& url) {
    ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
  });
}
