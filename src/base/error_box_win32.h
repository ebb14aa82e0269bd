#pragma once
#include <string>

// The application's one error box: shows the message; the program goes on.
void ShowErrorBox(const std::string& message);
// The same message on standard error, for runs that may have no display.
void PrintError(const std::string& message);
// The system's text for the last error, in a plain message box.
void ShowLastErrorBox();
std::string LastErrorText();
