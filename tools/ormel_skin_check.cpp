// ormel-skin check [--verbose] FOLDER: every problem of one skin folder, one a line.
#include <cstdio>
#include <iostream>

#include "ormel_skin_commands.h"
#include "skin_check/check_command.h"

int CheckCommand(const std::vector<std::string>& args) {
  const bool verbose = !args.empty() && args[0] == "--verbose";
  if (args.size() != (verbose ? 2u : 1u)) {
    std::fprintf(stderr, "usage: ormel-skin check [--verbose] FOLDER\n");
    return 2;
  }
  return RunSkinCheck(args.back(), std::cout, verbose);
}
