#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/clock_type.h"
#include "time/date_time.h"

// `--snapshot FILE.png [--at "YYYY-MM-DD hh:mm:ss"] [--uptime "[D ]hh:mm:ss"] [--mode N] [--skin NAME]
// [--label TEXT] [--scale S]`: render one frame and exit.
struct CommandLine {
  std::string snapshotPath;
  std::optional<TDateTime> at;
  std::optional<uint64_t> uptimeMilliseconds;  // what UpTime shows; the machine's own when absent
  std::optional<ClockType> mode;
  std::string skin;  // empty: the default skin
  std::optional<std::string> label;  // the Clock mode's title
  std::optional<double> scale;       // the monitor's pixels per inch / 96 to render at
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
// Whether the arguments ask for a snapshot, even ones that do not parse: its errors then go
// to standard error, since a snapshot may run where there is no display.
bool AsksForSnapshot(const std::vector<std::string>& args);
// "D hh:mm:ss" or "hh:mm:ss" in milliseconds; nullopt when it is not such a time.
std::optional<uint64_t> ParseUptime(const std::string& text);
// "YYYY-MM-DD hh:mm:ss"; nullopt when it is not such a date and time.
std::optional<TDateTime> ParseIsoDateTime(const std::string& text);
