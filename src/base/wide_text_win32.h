#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "base/unicode_text.h"

// The platform's side of the conversions: Windows' wchar_t is UTF-16, and every Windows call
// the clock makes is a "W" one, so no name passes through the system's code page.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

inline std::wstring Wide(std::string_view utf8) {
  const std::u16string utf16 = Utf8ToUtf16(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Utf8(std::wstring_view wide) {
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

inline void SetWindowTextUtf8(HWND window, const std::string& text) { SetWindowTextW(window, Wide(text).c_str()); }

inline std::string WindowTextUtf8(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}
