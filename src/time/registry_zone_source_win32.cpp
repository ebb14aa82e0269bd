#include "time/registry_zone_source_win32.h"

#include <windows.h>

#include "base/registry_key_win32.h"
#include "time/sub_key_listing.h"

namespace {

const char kZonesKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// The raw data of a value, or nullopt when it is missing.
std::optional<std::vector<uint8_t>> ReadValue(HKEY key, const char* name, DWORD& type) {
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  std::vector<uint8_t> data(size);
  if (RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  return data;
}

// A missing or non-string value reads as empty text, as the zone is still usable.
std::string ReadAnsi(HKEY key, const char* name) {
  DWORD type = 0;
  const auto data = ReadValue(key, name, type);
  if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::string();
  std::string text(data->begin(), data->end());
  return text.substr(0, text.find('\0'));
}

std::u16string AnsiToUtf16(const std::string& text) {
  if (text.empty()) return std::u16string();
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string wide(static_cast<size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(&wide[0]), n);
  return wide;
}

}  // namespace

std::optional<std::vector<std::string>> RegistryZoneSource::ZoneKeyNames() {
  const RegistryKey zones = OpenRegistryKey(HKEY_LOCAL_MACHINE, kZonesKey, KEY_READ);
  if (!zones) return std::nullopt;
  return ListSubKeyNames([&zones](uint32_t index) {
    char name[256];
    DWORD length = sizeof name;
    const LONG rc = RegEnumKeyExA(zones.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) return SubKeyAt{SubKeyAt::Answer::Name, std::string(name, length)};
    return SubKeyAt{rc == ERROR_NO_MORE_ITEMS ? SubKeyAt::Answer::NoMoreItems : SubKeyAt::Answer::Error, {}};
  });
}

std::optional<StoredZone> RegistryZoneSource::ReadZone(const std::string& keyName) {
  const RegistryKey zone = OpenRegistryKey(HKEY_LOCAL_MACHINE, std::string(kZonesKey) + "\\" + keyName, KEY_READ);
  if (!zone) return std::nullopt;
  StoredZone stored;
  stored.display = ReadAnsi(zone.get(), "Display");
  stored.standardName = AnsiToUtf16(ReadAnsi(zone.get(), "Std"));
  stored.daylightName = AnsiToUtf16(ReadAnsi(zone.get(), "Dlt"));
  DWORD type = 0;
  const auto tzi = ReadValue(zone.get(), "TZI", type);
  if (!tzi || type != REG_BINARY) return std::nullopt;
  stored.tzi = *tzi;
  return stored;
}
