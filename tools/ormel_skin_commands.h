#pragma once
#include <string>
#include <vector>

// One ormel-skin subcommand: its arguments after the command name; returns the exit code.
using SkinToolCommand = int (*)(const std::vector<std::string>& args);

struct SkinToolEntry {
  const char* name;
  const char* usage;
  SkinToolCommand run;
};

int DecodeCommand(const std::vector<std::string>& args);
int CheckCommand(const std::vector<std::string>& args);
