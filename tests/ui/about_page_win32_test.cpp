#include "ui/about_page_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "base/registry_key_win32.h"

namespace {

const char kKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
const char kValue[] = "AllowWindowReuse";

std::optional<DWORD> Reuse() {
  DWORD v = 0, size = sizeof v;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &v, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return v;
}

void SetReuse(std::optional<DWORD> v) {
  const RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, kKey, KEY_SET_VALUE);
  ASSERT_TRUE(key);
  if (v) RegSetValueExA(key.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*v), sizeof *v);
  else RegDeleteValueA(key.get(), kValue);
}

TEST(AboutPageWin32, TheUsersWindowReuseSettingComesBack) {
  const std::optional<DWORD> saved = Reuse();
  for (const std::optional<DWORD> before : {std::optional<DWORD>(), std::optional<DWORD>(1), std::optional<DWORD>(7)}) {
    SCOPED_TRACE(before ? std::to_string(*before) : "absent");
    SetReuse(before);
    BrowserRegistryWin32 registry;
    std::optional<DWORD> during;
    std::string opened;
    OpenPage(PageKind::Product, "C:\\Ormel\\", registry, [&](const std::string& url) {
      during = Reuse();
      opened = url;
    });
    EXPECT_EQ(during, std::optional<DWORD>(0));
    EXPECT_EQ(opened, "file:///C:/Ormel/about.html?t=1");
    EXPECT_EQ(Reuse(), before);
  }
  SetReuse(saved);
}

TEST(AboutPageWin32, AStringValueIsReportedAndLeftAlone) {
  const std::optional<DWORD> saved = Reuse();
  {
    const RegistryKey key = CreateRegistryKey(HKEY_CURRENT_USER, kKey, KEY_SET_VALUE);
    ASSERT_TRUE(key);
    RegSetValueExA(key.get(), kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("yes"), 4);
  }
  BrowserRegistryWin32 registry;
  EXPECT_THROW(OpenPage(PageKind::Product, "C:\\Ormel\\", registry, [](const std::string&) { FAIL(); }),
               std::runtime_error);
  char text[8] = {};
  DWORD size = sizeof text;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_SZ, nullptr, text, &size), ERROR_SUCCESS);
  EXPECT_STREQ(text, "yes");
  SetReuse(saved);
}

}  // namespace
