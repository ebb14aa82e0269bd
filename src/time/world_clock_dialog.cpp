#include "time/world_clock_dialog.h"

namespace {

const char kDefaultLabel[] = "Clock";

bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

// Reads a quoted piece starting at the opening quote; an unclosed quote runs to the end.
std::string QuotedPiece(const std::string& text, size_t& i) {
  std::string piece;
  ++i;
  while (i < text.size()) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        piece += '"';
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    piece += text[i++];
  }
  return piece;
}

}  // namespace

std::string NthDelimitedField(const std::string& text, char separator, int n) {
  std::string rest = text, field;
  bool found = !text.empty();
  int i = 1;
  while (i <= n && found) {
    const size_t at = rest.find(separator);
    if (at != std::string::npos) {
      field = rest.substr(0, at);
      rest.erase(0, at + 1);
      ++i;
    } else {
      field = rest;
      found = false;
    }
  }
  return i >= n ? field : std::string();
}

std::vector<std::string> SplitLabelChoices(const std::string& field) {
  // A NUL ends the text, as it ends the platform's strings.
  const std::string text = field.substr(0, field.find('\0'));
  std::vector<std::string> items;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    if (text[i] == '"') {
      items.push_back(QuotedPiece(text, i));
    } else {
      const size_t from = i;
      while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ' && text[i] != ',') ++i;
      items.push_back(text.substr(from, i - from));
    }
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      if (i + 1 == text.size()) items.emplace_back();
      ++i;
      skipBlanks();
    }
  }
  return items;
}

TfrmWorldClock::TfrmWorldClock(const TQvRegistryTimeZones& zones) {
  zoneNames_.reserve(static_cast<size_t>(zones.Count()));
  for (int32_t i = 0; i < zones.Count(); ++i) zoneNames_.push_back(zones.Item(i).DisplayName());
}

void TfrmWorldClock::SetZoneIndex(int32_t index) {
  if (index < 0)
    selected_ = -1;
  else if (index < static_cast<int32_t>(zoneNames_.size()))
    selected_ = index;
  ListZonesClick();
}

void TfrmWorldClock::ListZonesClick() {
  if (selected_ < 0) return;
  labelChoices_ = SplitLabelChoices(NthDelimitedField(zoneNames_[static_cast<size_t>(selected_)], ')', 2));
  if (!labelChoices_.empty()) label_ = labelChoices_.front();
}

void TfrmWorldClock::bResetClick() {
  label_ = kDefaultLabel;
  selected_ = -1;
}
