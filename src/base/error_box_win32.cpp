#include "base/error_box_win32.h"

#include <windows.h>

#include "base/handles_win32.h"
#include "base/wide_text_win32.h"

void ShowErrorBox(const std::string& message) {
  // Timers keep firing inside the box's modal loop; one box at a time is enough.
  static bool showing = false;
  if (showing) return;
  showing = true;
  MessageBoxW(nullptr, Wide(message).c_str(), L"Ormel Clock", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  showing = false;
}

namespace {

bool Usable(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }

}  // namespace

void PrintError(const std::string& message) {
  // Messages break their lines with CR LF, as the error box wants; so does the last one.
  const std::string text = message + "\r\n";
  HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  KernelHandle console;
  // Started from a console window without redirection, a GUI program has no standard
  // error of its own, but it may write to the console it was started from.
  if (!Usable(out) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    console.reset(CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
    out = console.get();
  }
  if (!Usable(out)) return;
  DWORD written = 0;
  DWORD mode = 0;
  // A console shows UTF-16 whatever its code page; a pipe or a file gets the text as UTF-8.
  if (GetConsoleMode(out, &mode)) {
    const std::wstring wide = Wide(text);
    WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

std::string LastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string result = text ? Utf8(text) : "Unknown error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  return result;
}

void ShowLastErrorBox() {
  const std::string text = LastErrorText();
  MessageBoxW(nullptr, Wide(text).c_str(), L"Ormel Clock", MB_OK | MB_TASKMODAL);
}
