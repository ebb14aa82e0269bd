#include "time/zone_info.h"

#include <algorithm>
#include <iterator>

namespace {

int32_t ReadI32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

SystemTimeRule ReadRule(const uint8_t* p) {
  SystemTimeRule r;
  r.wYear = ReadU16(p);
  r.wMonth = ReadU16(p + 2);
  r.wDayOfWeek = ReadU16(p + 4);
  r.wDay = ReadU16(p + 6);
  r.wHour = ReadU16(p + 8);
  r.wMinute = ReadU16(p + 10);
  r.wSecond = ReadU16(p + 12);
  r.wMilliseconds = ReadU16(p + 14);
  return r;
}

// Up to the terminator, without copying: the clock compares the machine's zone at every tick.
bool SameName(const char16_t (&a)[kZoneNameUnits], const char16_t (&b)[kZoneNameUnits]) {
  for (size_t i = 0; i < kZoneNameUnits; ++i) {
    if (a[i] != b[i]) return false;
    if (a[i] == u'\0') return true;
  }
  return true;
}

}  // namespace

bool SystemTimeRule::operator==(const SystemTimeRule& o) const {
  return wYear == o.wYear && wMonth == o.wMonth && wDayOfWeek == o.wDayOfWeek && wDay == o.wDay &&
         wHour == o.wHour && wMinute == o.wMinute && wSecond == o.wSecond &&
         wMilliseconds == o.wMilliseconds;
}

bool ZoneInformation::operator==(const ZoneInformation& o) const {
  return Bias == o.Bias && StandardBias == o.StandardBias && DaylightBias == o.DaylightBias &&
         StandardDate == o.StandardDate && DaylightDate == o.DaylightDate &&
         SameName(StandardName, o.StandardName) && SameName(DaylightName, o.DaylightName);
}

std::optional<ZoneInformation> ParseTzi(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != kTziSize) return std::nullopt;
  ZoneInformation info;
  const uint8_t* p = bytes.data();
  info.Bias = ReadI32(p);
  info.StandardBias = ReadI32(p + 4);
  info.DaylightBias = ReadI32(p + 8);
  info.StandardDate = ReadRule(p + 12);
  info.DaylightDate = ReadRule(p + 28);
  return info;
}

bool SetZoneName(char16_t (&field)[kZoneNameUnits], const std::u16string& name) {
  if (name.size() >= kZoneNameUnits) return false;
  std::fill(std::begin(field), std::end(field), u'\0');
  std::copy(name.begin(), name.end(), field);
  return true;
}

std::u16string ZoneName(const char16_t (&field)[kZoneNameUnits]) {
  size_t n = 0;
  // A field filled to the brim by the platform still ends at its last unit.
  while (n < kZoneNameUnits && field[n] != u'\0') ++n;
  return std::u16string(field, n);
}

int32_t ActiveBiasMinutes(const ZoneInformation& info, ZoneTimeKind kind) {
  switch (kind) {
    case ZoneTimeKind::Daylight: return info.Bias + info.DaylightBias;
    case ZoneTimeKind::Standard: return info.Bias + info.StandardBias;
    case ZoneTimeKind::Unknown: break;
  }
  return info.Bias;
}
