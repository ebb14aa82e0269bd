// ormel-skin check FOLDER: every problem of one skin folder, one a line.
#include <cstdio>
#include <iostream>

#include "ormel_skin_commands.h"
#include "skin/skin_check_command.h"

int CheckCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: ormel-skin check FOLDER\n");
    return 2;
  }
  return RunSkinCheck(args[0], std::cout);
}
