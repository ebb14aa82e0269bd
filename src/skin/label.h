#pragma once
#include <array>
#include <string>
#include <utility>

#include "image/text_rasterizer.h"

enum class LabelAlignment { Left, Center, Right };

// A text label of the face; text is drawn centred on its box whatever the alignment says.
struct TLabel {
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;
  FontSpec font;
  LabelAlignment alignment = LabelAlignment::Center;
  bool autoSize = true;  // false for the title, whose box is fixed
};

// The six labels of the face, with their built-in defaults.
struct FaceLabels {
  TLabel lTitle{45, 77, 89, 11, "clock", {"Small Fonts", 9, 12754080}, LabelAlignment::Center, false};
  TLabel lWeekDay{60, 85, 64, 13, "WEDNESDAY", {"Small Fonts", 11, 12754080}};
  TLabel lTime{57, 102, 68, 19, "00:00:00", {"Digital", 19, 9879251}};
  TLabel lTimeBg{57, 102, 68, 19, "88:88:88", {"Digital", 19, 3945524}};
  TLabel lDate{79, 123, 23, 11, "date", {"Small Fonts", 9, 6773066}};
  TLabel lAmPm{131, 101, 30, 13, "AMPM", {"Small Fonts", 11, 12754080}};
};

// The six labels under their ids in skin.xml, in the order a load applies them.
inline std::array<std::pair<const char*, const TLabel*>, 6> LabelsById(const FaceLabels& l) {
  return {{{"title", &l.lTitle}, {"weekday", &l.lWeekDay}, {"time", &l.lTime},
           {"timebg", &l.lTimeBg}, {"date", &l.lDate}, {"ampm", &l.lAmPm}}};
}
