#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A change-over rule in the platform's SYSTEMTIME layout: with wYear 0 a yearly rule
// (wDay is the occurrence 1-5 of weekday wDayOfWeek), otherwise an absolute moment.
struct SystemTimeRule {
  uint16_t wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
  uint16_t wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;

  bool operator==(const SystemTimeRule& o) const;
  bool operator!=(const SystemTimeRule& o) const { return !(*this == o); }
};

constexpr size_t kZoneNameUnits = 32;

// One zone in the platform's TIME_ZONE_INFORMATION layout, so the machine's own zone
// copies straight in. Biases are minutes with UTC = local time + bias.
struct ZoneInformation {
  int32_t Bias = 0;
  char16_t StandardName[kZoneNameUnits] = {};
  SystemTimeRule StandardDate;
  int32_t StandardBias = 0;
  char16_t DaylightName[kZoneNameUnits] = {};
  SystemTimeRule DaylightDate;
  int32_t DaylightBias = 0;

  // Names compare case-sensitively up to their terminator.
  bool operator==(const ZoneInformation& o) const;
  bool operator!=(const ZoneInformation& o) const { return !(*this == o); }
};

static_assert(sizeof(SystemTimeRule) == 16, "SYSTEMTIME layout");
static_assert(sizeof(ZoneInformation) == 172, "TIME_ZONE_INFORMATION layout");

// The registry's "TZI" value: the biases and both rules, exactly 44 little-endian bytes.
constexpr size_t kTziSize = 44;
std::optional<ZoneInformation> ParseTzi(const std::vector<uint8_t>& bytes);

// Copies a name into a 32-unit field; a name of more than 31 units is not kept.
bool SetZoneName(char16_t (&field)[kZoneNameUnits], const std::u16string& name);
std::u16string ZoneName(const char16_t (&field)[kZoneNameUnits]);

// Which part of the year the platform says the machine is in.
enum class ZoneTimeKind { Unknown, Standard, Daylight };

// The offset in force now: UTC = local time + this many minutes.
int32_t ActiveBiasMinutes(const ZoneInformation& info, ZoneTimeKind kind);
