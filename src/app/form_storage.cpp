#include "app/form_storage.h"

#include <cmath>

#include "time/date_parse.h"
#include "time/zone_list.h"

namespace {

// A component property of the storage's list: how it is written and read back.
struct StoredProperty {
  const char* entry;
  std::string (*get)(const ClockState&);
  // False when the text does not convert; the property is then left as it was.
  bool (*set)(ClockState&, const std::string&);
};

template <bool ClockOptions::*Mark>
StoredProperty CheckedProperty(const char* entry) {
  return {entry, [](const ClockState& s) { return EncodeBoolName(s.options.*Mark); },
          [](ClockState& s, const std::string& text) {
            auto v = DecodeBoolName(text);
            if (v) s.options.*Mark = *v;
            return v.has_value();
          }};
}

template <TStopWatch ClockState::*Watch>
std::vector<StoredProperty> StopWatchProperties(const char* startTime, const char* runningTotal,
                                                const char* running) {
  return {
      {startTime, [](const ClockState& s) { return EncodeFloat((s.*Watch).StartTime()); },
       [](ClockState& s, const std::string& text) {
         auto v = DecodeFloat(text);
         if (v) (s.*Watch).SetStartTime(*v);
         return v.has_value();
       }},
      {runningTotal, [](const ClockState& s) { return EncodeFloat((s.*Watch).RunningTotal()); },
       [](ClockState& s, const std::string& text) {
         auto v = DecodeFloat(text);
         if (v) (s.*Watch).SetRunningTotal(*v);
         return v.has_value();
       }},
      // Starting again sets StartTime to now: the time the program was closed is not counted.
      {running, [](const ClockState& s) { return EncodeBoolName((s.*Watch).Running()); },
       [](ClockState& s, const std::string& text) {
         auto v = DecodeBoolName(text);
         if (v) (s.*Watch).SetRunning(*v);
         return v.has_value();
       }},
  };
}

const std::vector<StoredProperty>& StoredProperties() {
  static const std::vector<StoredProperty> list = [] {
    std::vector<StoredProperty> l{CheckedProperty<&ClockOptions::loadAtStartup>("LoadatStartup1.Checked"),
                                  CheckedProperty<&ClockOptions::onTop>("OnTop1.Checked"),
                                  CheckedProperty<&ClockOptions::chimes>("Chimes1.Checked")};
    for (auto& p : StopWatchProperties<&ClockState::StopWatch1>("StopWatch1.StartTime", "StopWatch1.RunningTotal",
                                                                "StopWatch1.Running"))
      l.push_back(p);
    for (auto& p : StopWatchProperties<&ClockState::swTimer>("swTimer.StartTime", "swTimer.RunningTotal",
                                                             "swTimer.Running"))
      l.push_back(p);
    l.push_back(CheckedProperty<&ClockOptions::amPm>("AMPM1.Checked"));
    return l;
  }();
  return list;
}

const char kAutoStartEntry[] = "cbAutoStart.Checked";

// The skin is a folder name under "face": nothing that reaches outside it.
bool IsSkinFolderName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

// The timer counts at most a day, as its picker does.
bool IsTimerLength(TDateTime length) { return length >= 0 && length < 1; }

void WriteFormVersion(SettingsSection& s) { s.WriteString("FormVersion", EncodeInt(0)); }

int32_t ReadFormVersion(const SettingsSection& s) {
  auto text = s.ReadString("FormVersion");
  return text ? DecodeInt(*text).value_or(0) : 0;
}

class EmptySection : public SettingsSection {
 public:
  std::optional<std::string> ReadString(const std::string&) const override { return std::nullopt; }
  void WriteString(const std::string&, const std::string&) override {}
  void DeleteValue(const std::string&) override {}
};

// "Countdown" and "TimerDate" are texts in the user's date format; a text written under one
// regional format may read under the next as another date. So each has a copy beside it as
// the stopwatch values are written, which a restore prefers.
std::string LocaleFreeCopyName(const char* name) { return std::string(name) + "Value"; }

void WriteDateTime(SettingsSection& s, const char* name, TDateTime value, const FormatSettings& fs) {
  s.WriteString(name, EncodeDateTimeText(value, fs));
  s.WriteString(LocaleFreeCopyName(name), EncodeFloat(value));
}

// FormStorage1SavePlacement.
void WriteOwnValues(SettingsSection& s, const ClockState& state) {
  WriteDateTime(s, "Countdown", state.FCountdownTo, state.FFormatSettings);
  WriteDateTime(s, "TimerDate", state.FTimerLength, state.FFormatSettings);
  s.WriteString("ClockType", EncodeInt(state.FClockType));
  s.WriteString("bDisplayArrows", EncodeBoolNumber(state.FDisplayArrows));
  s.WriteString("FTimeZoneId", EncodeInt(state.FTimeZoneId));
  s.WriteString("TimeZoneKey", state.FTimeZoneKey);
  s.WriteString("FClockLabel", state.FClockLabel);
  s.WriteString("ClockSkin", state.FSkinName);
}

// Values saved before the copy existed are read from their text.
std::optional<TDateTime> ReadDateTime(const SettingsSection& s, const char* name, const FormatSettings& fs) {
  // The copy's 15 digits leave a few microseconds off a date: whole milliseconds, as set.
  if (auto copy = s.ReadString(LocaleFreeCopyName(name)))
    if (auto v = DecodeFloat(*copy)) return std::round(*v * kMsPerDay) / kMsPerDay;
  auto text = s.ReadString(name);
  return text ? ParseDateTime(*text, fs) : std::nullopt;
}

// FormStorage1RestorePlacement.
void ReadOwnValues(const SettingsSection& s, ClockState& state) {
  auto type = s.ReadString("ClockType");
  const int32_t typeValue = type ? DecodeInt(*type).value_or(ctClock) : ctClock;
  state.FClockType = IsClockType(typeValue) ? static_cast<ClockType>(typeValue) : ctClock;
  if (auto v = ReadDateTime(s, "Countdown", state.FFormatSettings)) state.FCountdownTo = *v;
  if (auto v = ReadDateTime(s, "TimerDate", state.FFormatSettings); v && IsTimerLength(*v))
    state.FTimerLength = *v;
  if (auto text = s.ReadString("bDisplayArrows"))
    state.FDisplayArrows = DecodeBoolText(*text).value_or(state.FDisplayArrows);
  if (auto text = s.ReadString("FTimeZoneId"))
    state.FTimeZoneId = DecodeInt(*text).value_or(state.FTimeZoneId);
  if (auto text = s.ReadString("TimeZoneKey")) state.FTimeZoneKey = *text;
  if (auto text = s.ReadString("FClockLabel")) state.FClockLabel = *text;
  if (auto text = s.ReadString("ClockSkin"); text && IsSkinFolderName(*text)) state.FSkinName = *text;
}

}  // namespace

void SaveMainForm(SettingsStorage& storage, const ClockState& state, const FormPlacement& placement) {
  auto s = storage.OpenForWrite(kMainSection);
  WriteFormVersion(*s);
  WriteFormPosition(*s, placement);
  for (const StoredProperty& p : StoredProperties()) s->WriteString(StoredValueName(p.entry), p.get(state));
  WriteOwnValues(*s, state);
}

MainFormRestore RestoreMainForm(SettingsStorage& storage, ClockState& state, const FormPlacement& current) {
  std::unique_ptr<SettingsSection> s = storage.OpenForRead(kMainSection);
  // A missing section, or a layout version below 0, restores nothing, but the window still
  // applies the defaults.
  if (!s || ReadFormVersion(*s) < 0) s = std::make_unique<EmptySection>();
  MainFormRestore restore;
  restore.placement = ReadFormPosition(*s, current);
  for (const StoredProperty& p : StoredProperties()) {
    if (auto text = s->ReadString(StoredValueName(p.entry))) p.set(state, *text);
  }
  ReadOwnValues(*s, state);
  restore.loadAtStartup = state.options.loadAtStartup;
  return restore;
}

void ResolveSavedZone(const TQvRegistryTimeZones& zones, ClockState& state) {
  state.FTimeZoneId = ResolveSavedZoneId(zones, state.FTimeZoneId, state.FTimeZoneKey);
  if (state.FTimeZoneKey.empty())
    if (const auto zone = zones.ZoneByIndex(state.FTimeZoneId)) state.FTimeZoneKey = zone->keyName;
}

void SaveTimerForm(SettingsStorage& storage, const FormPlacement& placement, bool autoStart) {
  auto s = storage.OpenForWrite(kTimerSection);
  WriteFormVersion(*s);
  WriteFormPosition(*s, placement);
  s->WriteString(StoredValueName(kAutoStartEntry), EncodeBoolName(autoStart));
}

std::optional<FormPlacement> RestoreTimerForm(SettingsStorage& storage, const FormPlacement& current,
                                              bool& autoStart) {
  auto s = storage.OpenForRead(kTimerSection);
  if (!s || ReadFormVersion(*s) < 0) return std::nullopt;
  std::optional<FormPlacement> placement = ReadFormPosition(*s, current);
  if (auto text = s->ReadString(StoredValueName(kAutoStartEntry)))
    autoStart = DecodeBoolName(*text).value_or(autoStart);
  return placement;
}
