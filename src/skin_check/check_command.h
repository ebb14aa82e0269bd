#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "skin/skin_scan.h"
#include "skin_check/carried_fonts.h"
#include "skin_check/skin_check.h"

// The exit codes of `ormel-skin check`, so that scripts can tell a skin that draws
// something unmeant from one the clock refuses or shows with fallbacks (2 is a wrong
// command line).
inline constexpr int kSkinClean = 0;
inline constexpr int kSkinHasErrors = 1;
inline constexpr int kSkinHasWarnings = 3;

// `ormel-skin check FOLDER`: prints every problem of the skin in FOLDER, one a line, each
// marked error or warning, then their count; returns the exit code. `verbose` first lists
// the labels, hands and buttons as the clock reads them.
// Each platform supplies the services it reads the skin through.
int RunSkinCheck(const std::string& folder, std::ostream& out, bool verbose = false);

// The folder as the check reads it: ending in a separator.
std::string SkinCheckFolder(std::string folder, char separator);

// The platform-independent half: checks with the given services and prints the report.
// Notes (text sizes `measured` could only estimate) are printed but leave the exit code as
// the errors and warnings make it, so that both platforms give a skin the same verdict.
int ReportSkinCheck(std::string folder, char separator, const SkinServices& services,
                    const MeasuredFonts& measured, FolderLister& lister, std::ostream& out, bool verbose);

// What `ormel-skin check --verbose` lists of a skin as the clock read it, one line each:
// every label with its measured box (saying so when `measured` only estimated its size) and
// its colour (red, green, blue), every hand with its pivot and reach, every button with its
// box and where its strip frames go, and every font file the skin carries with its family
// names, as Windows shows them.
std::vector<std::string> DescribeSkin(const SkinState& skin, const MeasuredFonts& measured,
                                      const std::vector<CarriedFont>& carried);
