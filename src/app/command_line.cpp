#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>

#include "base/display_scale.h"
#include "base/ormel_error.h"

std::optional<TDateTime> ParseIsoDateTime(const std::string& text) {
  DateTimeFields f;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &f.year, &f.month, &f.day, &f.hour,
                  &f.minute, &f.second, &tail) != 6)
    return std::nullopt;
  return EncodeDateTime(f);
}

std::optional<uint64_t> ParseUptime(const std::string& text) {
  int days = 0, hours = 0, minutes = 0, seconds = 0, used = 0;
  const bool withDays = std::sscanf(text.c_str(), "%5d %2d:%2d:%2d%n", &days, &hours, &minutes, &seconds, &used) == 4;
  if (!withDays) {
    days = 0;  // the first form may have read a day count before it failed
    if (std::sscanf(text.c_str(), "%2d:%2d:%2d%n", &hours, &minutes, &seconds, &used) != 3) return std::nullopt;
  }
  if (static_cast<size_t>(used) != text.size() || days < 0 || hours < 0 || hours > 23 || minutes < 0 ||
      minutes > 59 || seconds < 0 || seconds > 59)
    return std::nullopt;
  return ((static_cast<uint64_t>(days) * 24 + hours) * 60 + minutes) * 60000ull + seconds * 1000ull;
}

bool AsksForSnapshot(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--snapshot") return true;
  return false;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--snapshot") {
      // Without a file to write to, a snapshot would start the clock instead.
      if (!hasValue || args[i + 1].empty()) throw OrmelError("--snapshot needs the name of the PNG file to write");
      cl.snapshotPath = args[++i];
    } else if (a == "--at" && hasValue) {
      cl.at = ParseIsoDateTime(args[++i]);
      if (!cl.at) throw OrmelError("'" + args[i] + "' is not a date and time of the form YYYY-MM-DD hh:mm:ss");
    } else if (a == "--uptime" && hasValue) {
      cl.uptimeMilliseconds = ParseUptime(args[++i]);
      if (!cl.uptimeMilliseconds)
        throw OrmelError("'" + args[i] + "' is not an uptime of the form hh:mm:ss or \"D hh:mm:ss\" (D days)");
    } else if (a == "--skin" && hasValue) {
      cl.skin = args[++i];
    } else if (a == "--label" && hasValue) {
      cl.label = args[++i];
    } else if (a == "--scale" && hasValue) {
      const std::string& v = args[++i];
      char* end = nullptr;
      const double scale = std::strtod(v.c_str(), &end);
      if (v.empty() || *end != 0 || !(scale >= kMinScale && scale <= kMaxScale))
        throw OrmelError("'" + v + "' is not a display scale from 1 to 5 (1.5 for 150 %)");
      cl.scale = scale;
    } else if (a == "--mode" && hasValue) {
      const std::string& v = args[++i];
      if (v.size() != 1 || !IsClockType(v[0] - '0')) throw OrmelError("'" + v + "' is not a display mode (0 to 5)");
      cl.mode = static_cast<ClockType>(v[0] - '0');
    } else {
      throw OrmelError("Unknown command-line argument '" + a + "'");
    }
  }
  return cl;
}
