#pragma once
#include <windows.h>

#include <string>

inline int CALLBACK NoteFamilyFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// Whether GDI lists the family, asked without making a font of it: GDI would keep the
// fallback it chose for that request.
inline bool FamilyInstalled(const std::string& family) {
  LOGFONTA lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, family.c_str(), LF_FACESIZE);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExA(dc, &lf, NoteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}
