#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main, opened without creating it.
class BrowserMainKey {
 public:
  enum class Kind { Absent, Integer, Other };
  virtual ~BrowserMainKey() = default;
  virtual Kind KindOf(const std::string& name) = 0;
  virtual int32_t ReadInteger(const std::string& name) = 0;
  virtual void WriteInteger(const std::string& name, int32_t value) = 0;
  virtual void DeleteValue(const std::string& name) = 0;
};

class BrowserRegistry {
 public:
  virtual ~BrowserRegistry() = default;
  // Null when the key cannot be opened.
  virtual std::unique_ptr<BrowserMainKey> OpenMainKey() = 0;
};

enum class PageKind : uint8_t { Product = 0 };

// about.html beside the program, as a file URL with the query key t=1.
std::string ProductPageUrl(const std::string& programFolder);

// Opens the page in a browser window of its own: window reuse is switched off while the
// browser starts and the user's setting is put back afterwards.
void OpenPage(PageKind kind, const std::string& programFolder, BrowserRegistry& registry,
              const std::function<void(const std::string& url)>& shellOpen);
