#include "app/popup_menu_win32.h"

#include "base/error_box_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"

namespace {

void AppendItem(HMENU menu, const MenuItem& item) {
  std::wstring caption = Wide(item.caption);  // the menu copies it
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
  mii.fType = item.kind == MenuItemKind::Separator ? MFT_SEPARATOR
              : item.kind == MenuItemKind::Radio   ? MFT_STRING | MFT_RADIOCHECK
                                                   : MFT_STRING;
  mii.fState = (item.checked ? MFS_CHECKED : MFS_UNCHECKED) | (item.kind == MenuItemKind::Default ? MFS_DEFAULT : 0);
  mii.wID = static_cast<UINT>(item.command);
  if (item.kind != MenuItemKind::Separator) {
    mii.fMask |= MIIM_STRING;
    mii.dwTypeData = caption.data();
  }
  MenuHandle submenu;
  if (item.kind == MenuItemKind::Submenu) {
    submenu = BuildPopupMenu(item.submenu);
    mii.fMask |= MIIM_SUBMENU;
    mii.hSubMenu = submenu.get();
  }
  if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mii)) throw OrmelError(LastErrorText());
  submenu.release();  // the parent destroys it with itself
}

}  // namespace

MenuHandle BuildPopupMenu(const std::vector<MenuItem>& model) {
  MenuHandle menu(CreatePopupMenu());
  if (!menu) throw OrmelError(LastErrorText());
  for (const MenuItem& item : model) AppendItem(menu.get(), item);
  return menu;
}

int ChoosePopupCommand(const std::vector<MenuItem>& model, POINT screen, HWND owner) {
  const MenuHandle menu = BuildPopupMenu(model);
  SetForegroundWindow(owner);
  const int command =
      TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, owner, nullptr);
  // Without it, the next menu opened from the tray would not close on a click elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  return command;
}

AccelHandle BuildModeShortcuts() {
  ACCEL keys[kModeActionCount];
  for (int tag = 0; tag < kModeActionCount; ++tag)
    keys[tag] = ACCEL{FVIRTKEY, static_cast<WORD>(ModeShortcutKey(tag)), static_cast<WORD>(cmdClock + tag)};
  return AccelHandle(CreateAcceleratorTableW(keys, kModeActionCount));
}
