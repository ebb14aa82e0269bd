// Program entry of OrmelClock.exe.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window_win32.h"
#include "app/resource_ids.h"
#include "app/snapshot_win32.h"
#include "base/error_box_win32.h"
#include "base/program_arguments.h"
#include "image/png_format.h"
#include "time/registry_zone_source_win32.h"
#include "time/zone_list.h"
#include "ui/alarms_dialog_win32.h"

namespace {

int RunClock(HINSTANCE instance) {
  // The world clock's zones for the program's whole run, read once: before the window when
  // the saved settings name a zone, else after the first frame.
  RegistryZoneSource zoneSource;
  TQvRegistryTimeZones zones(zoneSource);
  auto frmMain = std::make_unique<TfrmMain>(instance, zones);
  // The hidden alarms dialog and the zones wait for the clock's first frame: making the
  // dialog takes longer than all the rest of the start-up, and no frame needs either.
  std::optional<TfAlarms> fAlarms;
  frmMain->AfterFirstFrame([&] {
    fAlarms.emplace(instance, LoadIcon(instance, MAKEINTRESOURCE(IDI_ORMEL_CLOCK)));
    frmMain->SetAlarmsForm(&*fAlarms);
    zones.Read();
  });
  ShowWindow(frmMain->Handle(), SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Each of these calls crosses into the window system: the idle clock's ten ticks a second
    // go straight to it. Only key messages are accelerators or become characters, and only
    // messages of other windows than the clock's can be the dialog's.
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const bool clocks = msg.hwnd && msg.hwnd == frmMain->Handle();
    // The digit keys switch modes only on the clock: in the alarms dialog they are typed.
    if (key && clocks && TranslateAcceleratorW(frmMain->Handle(), frmMain->Accelerators(), &msg)) continue;
    if (msg.hwnd && !clocks && fAlarms && fAlarms->Handle() && IsDialogMessageW(fAlarms->Handle(), &msg)) continue;
    if (key) TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  SetThreadLocale(LOCALE_USER_DEFAULT);
  const PngFormatRegistration png;  // skin images open through it until the program ends
  const std::vector<std::string> args = ProgramArguments(0, nullptr);
  try {
    const CommandLine cl = ParseCommandLine(args);
    if (!cl.snapshotPath.empty()) return RunSnapshot(cl);
    return RunClock(instance);
  } catch (const std::exception& e) {
    if (AsksForSnapshot(args))
      PrintError(e.what());
    else
      ShowErrorBox(e.what());
    return 1;
  }
}
