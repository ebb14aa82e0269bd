#include "ui/alarms_layout.h"

#include <string>
#include <utility>

namespace {

constexpr int kPanelLeft = 8, kPanelWidth = 513;
constexpr int kCheckSide = 13;

struct CheckSpec {
  std::string label;
  int x;
};

// `count` labels numbered from `first`, their boxes `step` apart from `x`.
std::vector<CheckSpec> Run(int first, int count, int x, int step) {
  std::vector<CheckSpec> out;
  for (int i = 0; i < count; ++i) out.push_back({std::to_string(first + i), x + i * step});
  return out;
}

std::vector<CheckSpec> Named(const std::vector<const char*>& labels, int x, int step) {
  std::vector<CheckSpec> out;
  for (size_t i = 0; i < labels.size(); ++i) out.push_back({labels[i], x + static_cast<int>(i) * step});
  return out;
}

std::vector<CheckSpec> Join(std::vector<CheckSpec> a, const std::vector<CheckSpec>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return EncodeDateTime({year, month, day, hour, minute, second, 0}).value_or(0);
}

class LayoutBuilder {
 public:
  explicit LayoutBuilder(AlarmsLayout& layout) : layout_(layout) {}

  // A panel at its own place on the form; `y` of its controls is inside it.
  void Panel(const char* caption, int top, int height, LayoutBox captionAt = {8, 8, 0, 13}) {
    panel_ = {kPanelLeft, top, kPanelWidth, height};
    layout_.panels.push_back({caption, panel_});
    captionAt.width = captionAt.width ? captionAt.width : 62;  // up to the "All" box
    Add(AlarmControlKind::Caption, caption, captionAt);
  }

  // One row of check boxes, each with its label centred under it, the first being "All".
  void CheckRow(const std::vector<CheckSpec>& checks, int y, int labelWidth) {
    for (const CheckSpec& c : checks) {
      Add(AlarmControlKind::CheckBox, "", {c.x, y, kCheckSide, kCheckSide});
      const int centre = c.x + kCheckSide / 2;
      Add(AlarmControlKind::CheckLabel, c.label, {centre - labelWidth / 2, y + 16, labelWidth, 13});
    }
  }

  AlarmControl& Add(AlarmControlKind kind, std::string text, LayoutBox inPanel) {
    const LayoutBox box{panel_.left + inPanel.left, panel_.top + inPanel.top, inPanel.width, inPanel.height};
    const int id = kAlarmsFirstId + static_cast<int>(layout_.controls.size());
    AlarmControl& c = layout_.controls.emplace_back();
    c.kind = kind;
    c.text = std::move(text);
    c.box = box;
    c.id = id;
    return c;
  }

  void Picker(AlarmControlKind kind, LayoutBox at, TDateTime value, const char* format = nullptr) {
    AlarmControl& c = Add(kind, "", at);
    c.value = value;
    c.format = format;
  }

 private:
  AlarmsLayout& layout_;
  LayoutBox panel_{};
};

AlarmsLayout Build() {
  AlarmsLayout layout{"Alarms", {766, 201, 551, 537}, {}, {}};
  LayoutBuilder b(layout);
  // Added in the tab order of the panels, which is not their order on the form.
  b.Panel("Months:", 72, 49);
  b.CheckRow(Join({{"All", 72}, {"Jan", 128}},
                  Named({"Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}, 152, 24)),
             8, 24);
  b.Panel("Weeks:", 128, 49);
  b.CheckRow(Join({{"All", 72}, {"1", 128}}, Join(Run(2, 3, 152, 24), {{"last", 224}})), 8, 24);
  b.Panel("Week Days:", 184, 49);
  b.CheckRow(Join({{"All", 72}}, Named({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}, 128, 24)), 8, 24);
  b.Panel("Days:", 240, 81);
  b.CheckRow(Join({{"All", 72}, {"1", 128}}, Run(2, 14, 152, 24)), 8, 24);
  b.CheckRow(Join({{"16", 128}}, Run(17, 15, 152, 24)), 40, 24);
  const TDateTime shown = At(2012, 12, 9);
  b.Panel("Start Date:", 328, 65, {9, 9, 56, 13});
  b.Add(AlarmControlKind::Caption, "End Date:", {9, 33, 56, 13});
  b.Picker(AlarmControlKind::DatePicker, {66, 5, 97, 21}, shown);
  b.Picker(AlarmControlKind::DatePicker, {66, 29, 97, 21}, shown);
  b.Panel("Years:", 16, 49);
  b.CheckRow(Join({{"All", 71}, {"2012", 127}}, Run(2013, 8, 159, 32)), 8, 32);
  b.Panel("Time:", 400, 33);
  b.Picker(AlarmControlKind::TimePicker, {67, 4, 97, 21}, At(2012, 12, 9, 23, 37, 50), "H:mm:ss");
  b.Panel("Every:", 440, 33);
  b.Add(AlarmControlKind::Edit, "1", {67, 4, 41, 21});
  AlarmControl& every = b.Add(AlarmControlKind::DropDown, "", {123, 4, 145, 21});
  every.items = {"Year", "Month", "Week", "Day Of Week", "Day", "Hour", "Minute", "Second"};
  every.selected = 0;
  return layout;
}

}  // namespace

const AlarmsLayout& AlarmsDialogLayout() {
  static const AlarmsLayout layout = Build();
  return layout;
}
