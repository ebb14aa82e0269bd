#pragma once
#include <map>
#include <string>
#include <vector>

#include "time/zone_source.h"
#include "time/zone_test_zones.h"

// The registry's 44 TZI bytes of a zone.
inline std::vector<uint8_t> TziOf(const ZoneInformation& z) {
  std::vector<uint8_t> bytes;
  auto put32 = [&](int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  };
  auto putRule = [&](const SystemTimeRule& r) {
    for (uint16_t v : {r.wYear, r.wMonth, r.wDayOfWeek, r.wDay, r.wHour, r.wMinute, r.wSecond, r.wMilliseconds}) {
      bytes.push_back(static_cast<uint8_t>(v));
      bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
  };
  put32(z.Bias);
  put32(z.StandardBias);
  put32(z.DaylightBias);
  putRule(z.StandardDate);
  putRule(z.DaylightDate);
  return bytes;
}

inline ZoneInformation FixedZone(int32_t bias) {
  ZoneInformation z;
  z.Bias = bias;
  return z;
}

// A zone database held in memory, in the order a registry would list it.
class FakeZoneSource : public ZoneSource {
 public:
  bool readable = true;
  std::vector<std::string> order;
  std::map<std::string, StoredZone> zones;

  void Add(const std::string& key, const std::string& display, const ZoneInformation& info,
           std::u16string std = u"Standard") {
    order.push_back(key);
    zones[key] = StoredZone{display, std, u"Daylight", TziOf(info)};
  }
  void Add(const std::string& key, const std::string& display, int32_t bias, std::u16string std = u"Standard") {
    Add(key, display, FixedZone(bias), std);
  }

  std::optional<std::vector<std::string>> ZoneKeyNames() override {
    if (!readable) return std::nullopt;
    return order;
  }
  std::optional<StoredZone> ReadZone(const std::string& keyName) override {
    const auto it = zones.find(keyName);
    if (it == zones.end()) return std::nullopt;
    return it->second;
  }
};

// The saved-zone tests' zones, listed out of order; sorted they are Eastern, GMT, Tokyo.
inline FakeZoneSource ThreeZones() {
  FakeZoneSource source;
  source.Add("Tokyo Standard Time", "(GMT+09:00) Osaka", -540);
  source.Add("GMT Standard Time", "(GMT) London", 0);
  source.Add("Eastern Standard Time", "(GMT-05:00) Eastern", 300);
  return source;
}

// The world clock dialog's zones; sorted Eastern, UTC (no place names), Chennai, Tokyo.
inline FakeZoneSource DialogZones() {
  FakeZoneSource source;
  source.Add("Tokyo Standard Time", "(GMT+09:00) Osaka, Sapporo, Tokyo", -540);
  source.Add("India Standard Time", "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi", -330);
  source.Add("Eastern Standard Time", "(GMT-05:00) Eastern Time (US & Canada)", 300);
  source.Add("UTC", "(GMT)", 0);
  return source;
}
constexpr int32_t kDialogEastern = 0, kDialogUtc = 1, kDialogChennai = 2, kDialogTokyo = 3;
