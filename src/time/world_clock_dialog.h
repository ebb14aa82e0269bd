#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "time/zone_list.h"

// What frmWorldClock shows: ListZones with its selection and the cbClockLabel combo
// with its items and text. The Win32 dialog mirrors this into its controls.
class TfrmWorldClock {
 public:
  // FormCreate: one list item per zone, in list order, so a position is a zone id.
  explicit TfrmWorldClock(const TQvRegistryTimeZones& zones);

  // Also what a click on the list does. An index at or beyond the list's end leaves
  // the selection as it is, a negative one clears it; then ListZonesClick.
  void SetZoneIndex(int32_t index);
  void SetClockLabel(const std::string& label) { label_ = label; }
  int32_t GetZoneIndex() const { return selected_; }
  const std::string& GetClockLabel() const { return label_; }

  // The label choices are the place words of the selected zone; the first becomes the
  // label. A zone without place words leaves the label alone.
  void ListZonesClick();
  void bResetClick();

  const std::vector<std::string>& ZoneNames() const { return zoneNames_; }
  const std::vector<std::string>& LabelChoices() const { return labelChoices_; }

 private:
  std::vector<std::string> zoneNames_;
  int32_t selected_ = -1;
  std::vector<std::string> labelChoices_;
  std::string label_;
};

// What the dialog gives back on OK.
struct WorldClockChoice {
  int32_t zoneId = -1;
  std::string label;
};

// The n-th field of text cut at separator: with ")" and 2, the place names of a zone's
// display name. Empty when the text has fewer fields.
std::string NthDelimitedField(const std::string& text, char separator, int n);

// The label choices offered for a zone: the field split at commas and blanks, with
// double-quoted pieces kept whole ("" inside stands for one quote).
std::vector<std::string> SplitLabelChoices(const std::string& field);
