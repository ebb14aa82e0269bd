#pragma once
#include <iosfwd>
#include <string>

#include "skin/skin_loader.h"
#include "skin/skin_scan.h"

// `ormel-skin check FOLDER`: prints every problem of the skin in FOLDER, one a line, and
// returns the exit code: 0 when the skin loads and shows everything, 1 otherwise.
// Each platform supplies the services it reads the skin through.
int RunSkinCheck(const std::string& folder, std::ostream& out);

// The platform-independent half: checks with the given services and prints the report.
int ReportSkinCheck(std::string folder, char separator, const SkinServices& services,
                    FolderLister& lister, std::ostream& out);
