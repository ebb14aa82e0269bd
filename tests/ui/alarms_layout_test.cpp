#include "ui/alarms_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

bool Inside(const LayoutBox& inner, const LayoutBox& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

const AlarmPanel* PanelOf(const AlarmsLayout& layout, const AlarmControl& c) {
  for (const AlarmPanel& p : layout.panels)
    if (Inside(c.box, p.box)) return &p;
  return nullptr;
}

// The labels of the check boxes of one panel, in tab order.
std::vector<std::string> CheckLabels(const AlarmsLayout& layout, const std::string& panel) {
  std::vector<std::string> out;
  for (const AlarmControl& c : layout.controls)
    if (c.kind == AlarmControlKind::CheckLabel && PanelOf(layout, c)->caption == panel) out.push_back(c.text);
  return out;
}

TEST(AlarmsLayout, WindowAndPanelsStandWhereTheFormPutsThem) {
  const AlarmsLayout& l = AlarmsDialogLayout();
  EXPECT_STREQ(l.caption, "Alarms");
  EXPECT_EQ(l.window.left, 766);
  EXPECT_EQ(l.window.top, 201);
  EXPECT_EQ(l.window.width, 551);
  EXPECT_EQ(l.window.height, 537);
  struct Row { const char* caption; int top, height; };
  const Row tabOrder[] = {{"Months:", 72, 49},      {"Weeks:", 128, 49}, {"Week Days:", 184, 49},
                          {"Days:", 240, 81},       {"Start Date:", 328, 65}, {"Years:", 16, 49},
                          {"Time:", 400, 33},       {"Every:", 440, 33}};
  ASSERT_EQ(l.panels.size(), 8u);
  for (size_t i = 0; i < l.panels.size(); ++i) {
    SCOPED_TRACE(tabOrder[i].caption);
    EXPECT_EQ(l.panels[i].caption, tabOrder[i].caption);
    EXPECT_EQ(l.panels[i].box.left, 8);
    EXPECT_EQ(l.panels[i].box.width, 513);
    EXPECT_EQ(l.panels[i].box.top, tabOrder[i].top);
    EXPECT_EQ(l.panels[i].box.height, tabOrder[i].height);
  }
}

TEST(AlarmsLayout, EveryControlLiesInOnePanelInTheTabOrderOfThePanelsWithItsOwnId) {
  const AlarmsLayout& l = AlarmsDialogLayout();
  std::set<int> ids;
  std::vector<std::string> panelsInOrder;
  for (const AlarmControl& c : l.controls) {
    const AlarmPanel* p = PanelOf(l, c);
    ASSERT_NE(p, nullptr) << c.text << " at " << c.box.left << "," << c.box.top;
    if (panelsInOrder.empty() || panelsInOrder.back() != p->caption) panelsInOrder.push_back(p->caption);
    EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id << " twice";
    EXPECT_GE(c.id, kAlarmsFirstId);
  }
  EXPECT_EQ(panelsInOrder, (std::vector<std::string>{"Months:", "Weeks:", "Week Days:", "Days:", "Start Date:",
                                                     "Years:", "Time:", "Every:"}))
      << "each panel's controls come together, panels in their tab order";
}

TEST(AlarmsLayout, CheckBoxesCarryTheirLabelsCentredUnderThem) {
  const AlarmsLayout& l = AlarmsDialogLayout();
  using Labels = std::vector<std::string>;
  EXPECT_EQ(CheckLabels(l, "Years:"),
            (Labels{"All", "2012", "2013", "2014", "2015", "2016", "2017", "2018", "2019", "2020"}));
  EXPECT_EQ(CheckLabels(l, "Months:"),
            (Labels{"All", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}));
  EXPECT_EQ(CheckLabels(l, "Weeks:"), (Labels{"All", "1", "2", "3", "4", "last"}));
  EXPECT_EQ(CheckLabels(l, "Week Days:"), (Labels{"All", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
  Labels days{"All"};
  for (int d = 1; d <= 31; ++d) days.push_back(std::to_string(d));
  EXPECT_EQ(CheckLabels(l, "Days:"), days);

  // Each label follows its box; x of the boxes as the form has them, relative to the panel.
  struct Probe { const char* panel; const char* label; int x, y; };
  const Probe probes[] = {{"Years:", "All", 71, 8},     {"Years:", "2012", 127, 8}, {"Years:", "2013", 159, 8},
                          {"Years:", "2020", 383, 8},   {"Months:", "All", 72, 8},  {"Months:", "Dec", 392, 8},
                          {"Weeks:", "last", 224, 8},   {"Week Days:", "Sat", 272, 8}, {"Days:", "15", 464, 8},
                          {"Days:", "16", 128, 40},     {"Days:", "31", 488, 40}};
  for (const Probe& p : probes) {
    SCOPED_TRACE(std::string(p.panel) + " " + p.label);
    for (size_t i = 1; i < l.controls.size(); ++i) {
      const AlarmControl& label = l.controls[i];
      if (label.kind != AlarmControlKind::CheckLabel || label.text != p.label || PanelOf(l, label)->caption != p.panel)
        continue;
      const AlarmControl& box = l.controls[i - 1];
      ASSERT_EQ(box.kind, AlarmControlKind::CheckBox);
      const LayoutBox& panel = PanelOf(l, box)->box;
      EXPECT_EQ(box.box.left - panel.left, p.x);
      EXPECT_EQ(box.box.top - panel.top, p.y);
      EXPECT_EQ(label.box.top - panel.top, p.y + 16);
      EXPECT_LE(std::abs(2 * label.box.left + label.box.width - (2 * box.box.left + box.box.width)), 1);
    }
  }
}

TEST(AlarmsLayout, DatesTimeAndRepeatShowTheirStartingValues) {
  const AlarmsLayout& l = AlarmsDialogLayout();
  std::vector<const AlarmControl*> dates, times, edits, lists;
  for (const AlarmControl& c : l.controls) {
    if (c.kind == AlarmControlKind::DatePicker) dates.push_back(&c);
    if (c.kind == AlarmControlKind::TimePicker) times.push_back(&c);
    if (c.kind == AlarmControlKind::Edit) edits.push_back(&c);
    if (c.kind == AlarmControlKind::DropDown) lists.push_back(&c);
  }
  ASSERT_EQ(dates.size(), 2u);
  for (const AlarmControl* d : dates) {
    const DateTimeFields f = DecodeDateTime(d->value);
    EXPECT_EQ(f.year * 10000 + f.month * 100 + f.day, 20121209);
    EXPECT_EQ(d->box.width, 97);
    EXPECT_EQ(d->box.height, 21);
  }
  EXPECT_LT(dates[0]->box.top, dates[1]->box.top) << "start date before end date";
  ASSERT_EQ(times.size(), 1u);
  const DateTimeFields t = DecodeDateTime(times[0]->value);
  EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 233750);
  EXPECT_STREQ(times[0]->format, "H:mm:ss");
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(edits[0]->text, "1");
  EXPECT_EQ(edits[0]->box.width, 41);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0]->items, (std::vector<std::string>{"Year", "Month", "Week", "Day Of Week", "Day", "Hour",
                                                       "Minute", "Second"}));
  EXPECT_EQ(lists[0]->selected, 0);
  EXPECT_EQ(lists[0]->box.width, 145);
}

}  // namespace
