// ormel-skin: command-line helpers for skin authors.
#include <cstdio>
#include <string>
#include <vector>

#include "base/program_arguments.h"
#include "image/png_format.h"
#include "ormel_skin_commands.h"

namespace {

const SkinToolEntry kCommands[] = {
    {"decode", "decode IN.png OUT.pam   write the image as the clock reads it (straight RGBA)",
     DecodeCommand},
    {"check",
     "check [--verbose] FOLDER\n"
     "                                     list every problem of the skin in FOLDER, each an error (the clock\n"
     "                                     refuses the skin or falls back) or a warning (it draws what was\n"
     "                                     surely not meant); exit 1 on errors, 3 on warnings alone;\n"
     "                                     --verbose first lists every label, hand and button as the clock reads them",
     CheckCommand},
};

int Usage() {
  std::fprintf(stderr, "usage: ormel-skin COMMAND ...\n");
  for (const SkinToolEntry& c : kCommands) std::fprintf(stderr, "  ormel-skin %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const Utf8ConsoleOutput console;  // skins and their labels may be named in any script
  const std::vector<std::string> args = ProgramArguments(argc, argv);
  if (args.empty()) return Usage();
  const PngFormatRegistration png;
  for (const SkinToolEntry& c : kCommands) {
    if (args[0] == c.name) return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  return Usage();
}
