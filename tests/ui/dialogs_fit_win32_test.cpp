// Every dialog of the clock at the display scale this process runs at: the end-to-end DPI test
// runs this file again under Wine at 150 % and 200 %.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/display_scale.h"
#include "base/handles_win32.h"
#include "base/window_scale_win32.h"
#include "time/countdown_dialog_win32.h"
#include "time/dialog_driver_win32.h"
#include "time/fake_zone_source.h"
#include "time/timer_dialog_win32.h"
#include "time/world_clock_dialog_win32.h"
#include "ui/alarms_dialog_win32.h"

namespace {

std::string ClassOf(HWND w) {
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

std::string TextOf(HWND w) {
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

// Frames and separators lie around or between other controls by design.
bool IsDecoration(HWND w) {
  const LONG_PTR kind = GetWindowLongPtrA(w, GWL_STYLE) & SS_TYPEMASK;
  return ClassOf(w) == "Static" && (kind == SS_ETCHEDFRAME || kind == SS_ETCHEDHORZ);
}

struct Control {
  HWND window;
  RECT box;  // in the dialog's client coordinates
};

std::vector<Control> ControlsOf(HWND dialog) {
  std::vector<Control> out;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    out.push_back({c, r});
  }
  return out;
}

// The width the text of `control` needs on one line in `font`.
int TextWidth(HWND control, HFONT font) {
  const std::string text = TextOf(control);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

std::string Name(HWND control) { return ClassOf(control) + " \"" + TextOf(control) + "\""; }

RECT AtDesignScale(RECT r, double scale) {
  auto back = [scale](LONG v) { return static_cast<LONG>(std::lround(v / scale)); };
  return RECT{back(r.left), back(r.top), back(r.right), back(r.bottom)};
}

// The room a control gives its text: a push button's text sits inside its border, a check
// box's beside its box.
int TextRoom(HWND control, const RECT& box, double scale) {
  return (box.right - box.left) - (ClassOf(control) == "Button" ? ScaledLength(4, scale) : 0);
}

// At the dialog's scale, nothing comes out worse than at 100 %: every control lies inside the
// client area, a text that fits its control at 96 pixels per inch fits it now, no controls
// overlap that did not at 100 %, and the client area is `design` (its size at 100 %) scaled.
void ExpectLaidOutAtItsScale(HWND dialog, SIZE design) {
  const double scale = WindowScale(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  if (design.cx > 0) {
    EXPECT_NEAR(client.right, ScaledLength(design.cx, scale), 1) << "at scale " << scale;
    EXPECT_NEAR(client.bottom, ScaledLength(design.cy, scale), 1) << "at scale " << scale;
  }
  const FontHandle designFont(CreateFontA(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                                          0, "MS Sans Serif"));
  const std::vector<Control> controls = ControlsOf(dialog);
  ASSERT_FALSE(controls.empty());
  for (const Control& c : controls) {
    if (!IsWindowVisible(c.window)) continue;
    EXPECT_TRUE(c.box.left >= 0 && c.box.top >= 0 && c.box.right <= client.right && c.box.bottom <= client.bottom)
        << Name(c.window) << " reaches outside the dialog at scale " << scale;
    const std::string cls = ClassOf(c.window);
    if ((cls == "Static" && !IsDecoration(c.window)) || cls == "Button") {
      const RECT designBox = AtDesignScale(c.box, scale);
      const bool fitsAtDesign = TextWidth(c.window, designFont.get()) <= TextRoom(c.window, designBox, 1);
      const HFONT own = reinterpret_cast<HFONT>(SendMessageA(c.window, WM_GETFONT, 0, 0));
      if (fitsAtDesign) {
        EXPECT_LE(TextWidth(c.window, own), TextRoom(c.window, c.box, scale) + 1)
            << Name(c.window) << " is clipped at scale " << scale;
      }
    }
    if (IsDecoration(c.window)) continue;
    for (const Control& other : controls) {
      if (other.window == c.window || IsDecoration(other.window) || !IsWindowVisible(other.window)) continue;
      RECT overlap;
      const RECT a = AtDesignScale(c.box, scale), b = AtDesignScale(other.box, scale);
      if (IntersectRect(&overlap, &a, &b)) continue;  // laid out so at 100 %
      EXPECT_FALSE(IntersectRect(&overlap, &c.box, &other.box))
          << Name(c.window) << " lies over " << Name(other.window) << " at scale " << scale;
    }
  }
}

class NoKeptTimerPlace : public TimerDialogSettings {
 public:
  bool Restore(HWND, bool autoStart) override { return autoStart; }
  void Save(HWND, bool) override {}
};

}  // namespace

TEST(DialogsAtTheDisplayScale, CountdownLaysOutItsControls) {
  DialogDriver driver("Countdown to ...", [](HWND dialog) {
    ExpectLaidOutAtItsScale(dialog, SIZE{273, 136});
    Press(dialog, IDCANCEL);
  });
  RunCountdownDialog(nullptr, 46000);
}

TEST(DialogsAtTheDisplayScale, TimerLaysOutItsControls) {
  DialogDriver driver("Timer", [](HWND dialog) {
    ExpectLaidOutAtItsScale(dialog, SIZE{241, 145});
    Press(dialog, IDCANCEL);
  });
  NoKeptTimerPlace settings;
  RunTimerDialog(nullptr, 0.01, settings);
}

TEST(DialogsAtTheDisplayScale, WorldClockLaysOutItsControls) {
  FakeZoneSource source;
  source.Add("Tokyo Standard Time", "(UTC+09:00) Osaka, Sapporo, Tokyo", -540);
  const TQvRegistryTimeZones zones(source);
  DialogDriver driver("World Clock", [](HWND dialog) {
    ExpectLaidOutAtItsScale(dialog, SIZE{320, 219});
    Press(dialog, IDCANCEL);
  });
  RunWorldClockDialog(nullptr, zones, -1, "Clock");
}

TEST(DialogsAtTheDisplayScale, AlarmsLaysOutItsControls) {
  TfAlarms alarms(GetModuleHandleA(nullptr), nullptr);
  alarms.Show();
  ExpectLaidOutAtItsScale(alarms.Handle(), SIZE{});
}
