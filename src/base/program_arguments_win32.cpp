#include "base/program_arguments.h"

#include <windows.h>

#include <shellapi.h>

#include "base/wide_text_win32.h"

// argv of main() and WinMain's command line are in the code page; the UTF-16 line is not.
std::vector<std::string> ProgramArguments(int, char**) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; argv && i < argc; ++i) args.push_back(Utf8(argv[i]));
  LocalFree(argv);
  return args;
}

// The console's code page outlives the program: the one it had comes back at the end.
Utf8ConsoleOutput::Utf8ConsoleOutput() : previous_(GetConsoleOutputCP()) {
  if (previous_) SetConsoleOutputCP(CP_UTF8);
}

Utf8ConsoleOutput::~Utf8ConsoleOutput() {
  if (previous_) SetConsoleOutputCP(previous_);
}
