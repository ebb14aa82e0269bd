#include "time/registry_zone_source_win32.h"

#include <algorithm>
#include <iterator>

#include "base/registry_key_win32.h"
#include "base/wide_text_win32.h"
#include "time/sub_key_listing.h"

namespace {

const char kZonesKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// A zone's values (its texts, its 44 bytes of TZI) fit this: one call reads each.
constexpr DWORD kUsualValueSize = 512;

// The raw data of a value, or nullopt when it is missing.
std::optional<std::vector<uint8_t>> ReadValue(HKEY key, const wchar_t* name, DWORD& type) {
  std::vector<uint8_t> data(kUsualValueSize);
  DWORD size = kUsualValueSize;
  LONG rc = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
  if (rc == ERROR_MORE_DATA) {  // size now says how much it holds
    data.resize(size);
    rc = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
  }
  if (rc != ERROR_SUCCESS) return std::nullopt;
  data.resize(size);
  return data;
}

// A missing or non-string value reads as empty text, as the zone is still usable.
std::u16string ReadText(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  const auto data = ReadValue(key, name, type);
  if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::u16string();
  std::u16string text(data->size() / sizeof(char16_t), u'\0');
  std::copy(data->begin(), data->begin() + text.size() * sizeof(char16_t), reinterpret_cast<uint8_t*>(&text[0]));
  return text.substr(0, text.find(u'\0'));
}

}  // namespace

HKEY RegistryZoneSource::Zones() {
  if (!opened_) zones_ = OpenRegistryKey(HKEY_LOCAL_MACHINE, kZonesKey, KEY_READ);
  opened_ = true;
  return zones_.get();
}

std::optional<std::vector<std::string>> RegistryZoneSource::ZoneKeyNames() {
  const HKEY zones = Zones();
  if (!zones) return std::nullopt;
  return ListSubKeyNames([zones](uint32_t index) {
    wchar_t name[256];
    DWORD length = static_cast<DWORD>(std::size(name));
    const LONG rc = RegEnumKeyExW(zones, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) return SubKeyAt{SubKeyAt::Answer::Name, Utf8(std::wstring_view(name, length))};
    return SubKeyAt{rc == ERROR_NO_MORE_ITEMS ? SubKeyAt::Answer::NoMoreItems : SubKeyAt::Answer::Error, {}};
  });
}

std::optional<StoredZone> RegistryZoneSource::ReadZone(const std::string& keyName) {
  const HKEY zones = Zones();
  if (!zones) return std::nullopt;
  const RegistryKey zone = OpenRegistryKey(zones, keyName, KEY_QUERY_VALUE);
  if (!zone) return std::nullopt;
  StoredZone stored;
  stored.display = Utf16ToUtf8(ReadText(zone.get(), L"Display"));
  stored.standardName = ReadText(zone.get(), L"Std");
  stored.daylightName = ReadText(zone.get(), L"Dlt");
  DWORD type = 0;
  const auto tzi = ReadValue(zone.get(), L"TZI", type);
  if (!tzi || type != REG_BINARY) return std::nullopt;
  stored.tzi = *tzi;
  return stored;
}
