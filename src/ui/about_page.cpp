#include "ui/about_page.h"

#include <cstdio>
#include <optional>

#include "base/ormel_error.h"

namespace {
const char kAllowWindowReuse[] = "AllowWindowReuse";

// Percent-encodes what a file URL cannot carry as it is; backslashes become slashes.
std::string FileUrlPath(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (c == '\\') out += '/';
    else if (c <= ' ' || c >= 0x7F || c == '%' || c == '#' || c == '?') {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}
}  // namespace

std::string ProductPageUrl(const std::string& programFolder) {
  return "file:///" + FileUrlPath(programFolder + "about.html") + "?t=1";
}

void OpenPage(PageKind, const std::string& programFolder, BrowserRegistry& registry,
              const std::function<void(const std::string& url)>& shellOpen) {
  const std::string url = ProductPageUrl(programFolder);
  std::unique_ptr<BrowserMainKey> key = registry.OpenMainKey();
  if (!key) return shellOpen(url);  // no browser setting to switch: open the page all the same

  std::optional<int32_t> previous;
  switch (key->KindOf(kAllowWindowReuse)) {
    case BrowserMainKey::Kind::Absent: break;
    case BrowserMainKey::Kind::Integer: previous = key->ReadInteger(kAllowWindowReuse); break;
    case BrowserMainKey::Kind::Other:
      throw OrmelError(std::string("Invalid data type for '") + kAllowWindowReuse + "'");
  }
  key->WriteInteger(kAllowWindowReuse, 0);
  shellOpen(url);
  if (previous) key->WriteInteger(kAllowWindowReuse, *previous);
  else key->DeleteValue(kAllowWindowReuse);
}
