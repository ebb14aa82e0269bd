#include "time/zone_list.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "base/ormel_error.h"

namespace {

void EraseAllIgnoringCase(std::string& text, const std::string& what) {
  auto lower = [](unsigned char c) { return std::tolower(c); };
  size_t i = 0;
  while (i + what.size() <= text.size()) {
    if (std::equal(what.begin(), what.end(), text.begin() + static_cast<std::ptrdiff_t>(i),
                   [&](char a, char b) { return lower(a) == lower(b); }))
      text.erase(i, what.size());
    else
      ++i;
  }
}

// A signed decimal integer filling the whole text, else 0.
int32_t DecimalOrZero(const std::string& text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
  if (i == text.size()) return 0;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

// Registry key names compare without regard to letter case.
bool SameKeyName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

int32_t ZoneSortKey(const std::string& displayName) {
  std::string text = displayName;
  EraseAllIgnoringCase(text, "(GMT");
  EraseAllIgnoringCase(text, "(UTC");
  text.erase(std::remove(text.begin(), text.end(), ':'), text.end());
  const size_t paren = text.find(')');
  if (paren == std::string::npos) return 0;
  const int32_t offset = DecimalOrZero(text.substr(0, paren));
  // The first place letter sits two characters after the ")"; a name without one adds 0.
  const size_t letter = paren + 2;
  return offset + (letter < text.size() ? static_cast<unsigned char>(text[letter]) : 0);
}

template <class T>
void TQvRegistryTimeZone::Assign(T& field, const T& value) {
  lastSaveOk_ = true;
  if (field == value) return;
  field = value;
  if (!owner_) return;
  try {
    lastSaveOk_ = owner_->SaveZone(*this);
  } catch (...) {
    lastSaveOk_ = false;
    throw;
  }
}

void TQvRegistryTimeZone::SetDisplayName(const std::string& value) { Assign(displayName_, value); }
void TQvRegistryTimeZone::SetKeyName(const std::string& value) { Assign(keyName_, value); }
void TQvRegistryTimeZone::SetInfo(const ZoneInformation& value) { Assign(info_, value); }

void TQvRegistryTimeZones::Read() const {
  // Reading changes only the mutable records and the flag.
  if (!read_) const_cast<TQvRegistryTimeZones*>(this)->Reload();
}

bool TQvRegistryTimeZones::SaveZone(const TQvRegistryTimeZone&) {
  throw OrmelError("TQvRegistryTimeZones: WriteAccess not set.");
}

void TQvRegistryTimeZones::Reload() {
  read_ = true;
  zones_.clear();
  const auto names = source_.ZoneKeyNames();
  if (!names) return;
  for (const std::string& name : *names) {
    const auto stored = source_.ReadZone(name);
    if (!stored) continue;
    auto info = ParseTzi(stored->tzi);
    if (!info) continue;
    SetZoneName(info->StandardName, stored->standardName);
    SetZoneName(info->DaylightName, stored->daylightName);
    // The owner is set last so that filling in a new record never writes it back.
    auto zone = std::make_unique<TQvRegistryTimeZone>();
    zone->SetInfo(*info);
    zone->SetKeyName(name);
    zone->SetDisplayName(stored->display);
    zone->storedKeyName_ = name;
    zones_.push_back(std::move(zone));
    zones_.back()->owner_ = this;
  }
  std::stable_sort(zones_.begin(), zones_.end(), [](const auto& a, const auto& b) {
    return ZoneSortKey(a->DisplayName()) < ZoneSortKey(b->DisplayName());
  });
}

std::optional<ZoneEntry> TQvRegistryTimeZones::ZoneByIndex(int32_t index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  const TQvRegistryTimeZone& zone = Item(index);
  return ZoneEntry{zone.KeyName(), zone.DisplayName(), zone.Info()};
}

int32_t ResolveSavedZoneId(const TQvRegistryTimeZones& zones, int32_t savedId,
                           const std::string& savedKeyName) {
  if (savedKeyName.empty()) return savedId;
  for (int32_t i = 0; i < zones.Count(); ++i)
    if (SameKeyName(zones.Item(i).KeyName(), savedKeyName)) return i;
  return -1;
}
