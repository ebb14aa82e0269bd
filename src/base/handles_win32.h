#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

// Owners for kernel, registry, GDI and USER handles, so no handler frees a handle by hand.
struct KernelHandleCloser {
  void operator()(HANDLE h) const { if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h); }
};
struct RegistryKeyCloser {
  void operator()(HKEY h) const { if (h) RegCloseKey(h); }
};
struct GdiObjectDeleter {
  void operator()(void* h) const { if (h) DeleteObject(static_cast<HGDIOBJ>(h)); }
};
struct DcDeleter {
  void operator()(HDC h) const { if (h) DeleteDC(h); }
};
struct MenuDeleter {
  void operator()(HMENU h) const { if (h) DestroyMenu(h); }
};
struct AccelDeleter {
  void operator()(HACCEL h) const { if (h) DestroyAcceleratorTable(h); }
};
// For icons the program made or loaded unshared; shared system icons are never destroyed.
struct IconDeleter {
  void operator()(HICON h) const { if (h) DestroyIcon(h); }
};

using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyCloser>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using AccelHandle = std::unique_ptr<std::remove_pointer_t<HACCEL>, AccelDeleter>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The screen's device context, released (not deleted) at the end.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { if (dc_) ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
