#pragma once
#include <string>
#include <vector>

// The program's arguments after its own name, as UTF-8. On Windows they are read from the
// UTF-16 command line, so a file or skin name keeps letters that the code page lacks.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// While it lives, text written to the standard streams as UTF-8 shows as such in a console.
class Utf8ConsoleOutput {
 public:
  Utf8ConsoleOutput();
  ~Utf8ConsoleOutput();
  Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
  Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

 private:
  unsigned int previous_ = 0;
};
