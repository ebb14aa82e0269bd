#include "ui/about_page_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "base/registry_key_win32.h"
#include "base/wide_text_win32.h"
#include "ui/program_folder_win32.h"

namespace {

class BrowserMainKeyWin32 : public BrowserMainKey {
 public:
  explicit BrowserMainKeyWin32(RegistryKey key) : key_(std::move(key)) {}

  Kind KindOf(const std::string& name) override {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_.get(), Wide(name).c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return Kind::Absent;
    return type == REG_DWORD && size == sizeof(DWORD) ? Kind::Integer : Kind::Other;
  }
  int32_t ReadInteger(const std::string& name) override {
    DWORD value = 0, size = sizeof value;
    RegQueryValueExW(key_.get(), Wide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return static_cast<int32_t>(value);
  }
  void WriteInteger(const std::string& name, int32_t value) override {
    const DWORD v = static_cast<DWORD>(value);
    RegSetValueExW(key_.get(), Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  }
  void DeleteValue(const std::string& name) override { RegDeleteValueW(key_.get(), Wide(name).c_str()); }

 private:
  RegistryKey key_;
};

// The page's address is a file URL with a query. Opened as a file, the shell takes
// "about.html?t=1" for the file's name and finds nothing, so the address goes to the
// web browser, the handler of http addresses, as it is.
void OpenInBrowser(const std::string& url) {
  const std::wstring address = Wide(url);
  SHELLEXECUTEINFOW sei{};
  sei.cbSize = sizeof sei;
  sei.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI;
  sei.lpClass = L"http";
  sei.lpVerb = L"open";
  sei.lpFile = address.c_str();
  sei.nShow = SW_SHOWMAXIMIZED;
  if (!ShellExecuteExW(&sei)) ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

}  // namespace

std::unique_ptr<BrowserMainKey> BrowserRegistryWin32::OpenMainKey() {
  RegistryKey key = OpenRegistryKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main",
                                    KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!key) return nullptr;
  return std::make_unique<BrowserMainKeyWin32>(std::move(key));
}

void About1Click() {
  BrowserRegistryWin32 registry;
  OpenPage(PageKind::Product, ProgramFolder(), registry, OpenInBrowser);
}
