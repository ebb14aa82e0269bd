#include "app/error_box_win32.h"

#include <windows.h>

void ShowErrorBox(const std::string& message) {
  // Timers keep firing inside the box's modal loop; one box at a time is enough.
  static bool showing = false;
  if (showing) return;
  showing = true;
  MessageBoxA(nullptr, message.c_str(), "Ormel Clock", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  showing = false;
}

std::string LastErrorText() {
  const DWORD code = GetLastError();
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = text ? text : "Unknown error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  return result;
}

void ShowLastErrorBox() {
  const std::string text = LastErrorText();
  MessageBoxA(nullptr, text.c_str(), "Ormel Clock", MB_OK | MB_TASKMODAL);
}
