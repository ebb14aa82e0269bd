#include "app/settings_placement.h"

#include <array>

#include "app/settings_codec.h"

namespace {

using Quad = std::array<int32_t, 4>;

std::string ScreenSuffix(const FormPlacement& p) {
  return "(" + EncodeInt(p.screenWidth) + "x" + EncodeInt(p.screenHeight) + ")";
}

std::string QuadText(const Quad& q) {
  return EncodeInt(q[0]) + "," + EncodeInt(q[1]) + "," + EncodeInt(q[2]) + "," + EncodeInt(q[3]);
}

// Each of the four numbers falls back to its own default.
Quad ParseQuad(const std::string& text, const Quad& defaults) {
  Quad q = defaults;
  size_t start = 0;
  for (size_t i = 0; i < q.size() && start <= text.size(); ++i) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    q[i] = DecodeInt(text.substr(start, comma - start)).value_or(defaults[i]);
    start = comma + 1;
  }
  return q;
}

// The value for the current screen size first, then the plain one.
std::optional<std::string> ReadPositionValue(const SettingsSection& s, const std::string& name,
                                             const FormPlacement& current) {
  if (auto v = s.ReadString(name + ScreenSuffix(current))) return v;
  return s.ReadString(name);
}

bool Intersects(const FormRect& a, const FormRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnSomeMonitor(const FormRect& r, const std::vector<FormRect>& monitors) {
  if (monitors.empty()) return true;
  for (const FormRect& m : monitors)
    if (Intersects(r, m)) return true;
  return false;
}

}  // namespace

std::string StoredValueName(const std::string& entry) {
  std::string name = entry;
  const size_t dot = name.find('.');
  if (dot != std::string::npos) name[dot] = '_';
  return name;
}

void WriteFormPosition(SettingsSection& s, const FormPlacement& p) {
  s.WriteString("Flags", EncodeInt(p.flags));
  s.WriteString("ShowCmd", EncodeInt(p.showCmd));
  s.WriteString("PixelsPerInch", EncodeInt(p.pixelsPerInch));
  const std::string minMax = QuadText({p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y});
  s.WriteString("MinMaxPos" + ScreenSuffix(p), minMax);
  s.WriteString("MinMaxPos", minMax);
  const std::string norm = QuadText({p.normal.left, p.normal.top, p.normal.right, p.normal.bottom});
  s.WriteString("NormPos" + ScreenSuffix(p), norm);
  s.WriteString("NormPos", norm);
  s.WriteString("Visible", "0");
}

std::optional<FormPlacement> ReadFormPosition(const SettingsSection& s, const FormPlacement& current) {
  FormPlacement p = current;
  if (auto flags = s.ReadString("Flags")) {
    if (auto v = DecodeInt(*flags)) p.flags = static_cast<uint32_t>(*v);
  }
  const auto minMax = ReadPositionValue(s, "MinMaxPos", current);
  const auto norm = ReadPositionValue(s, "NormPos", current);
  int32_t ppi = current.pixelsPerInch;
  if (auto text = s.ReadString("PixelsPerInch")) ppi = DecodeInt(*text).value_or(ppi);
  if ((!minMax && !norm) || ppi != current.pixelsPerInch) return std::nullopt;

  if (minMax) {
    const Quad q = ParseQuad(*minMax, {current.minPosition.x, current.minPosition.y, current.maxPosition.x,
                                       current.maxPosition.y});
    p.minPosition = {q[0], q[1]};
    p.maxPosition = {q[2], q[3]};
  }
  if (norm) {
    const FormRect& c = current.normal;
    const Quad q = ParseQuad(*norm, {c.left, c.top, c.right, c.bottom});
    // The window has no sizing border: only the stored left and top count.
    p.normal = {q[0], q[1], q[0] + (c.right - c.left), q[1] + (c.bottom - c.top)};
  }
  if (p.normal.left >= p.normal.right || !OnSomeMonitor(p.normal, current.monitors)) return std::nullopt;
  return p;
}
