#include "ui/about_page.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "base/ormel_error.h"

namespace {

// The browser key in memory, with every step written to one log.
struct MemoryRegistry : BrowserRegistry {
  bool openable = true;
  std::map<std::string, std::string> texts;  // values that are not integers
  std::map<std::string, int32_t> integers;
  std::vector<std::string> log;

  struct Key : BrowserMainKey {
    MemoryRegistry& r;
    explicit Key(MemoryRegistry& owner) : r(owner) {}
    Kind KindOf(const std::string& n) override {
      r.log.push_back("exists " + n);
      return r.integers.count(n) ? Kind::Integer : r.texts.count(n) ? Kind::Other : Kind::Absent;
    }
    int32_t ReadInteger(const std::string& n) override {
      r.log.push_back("read " + n);
      return r.integers.at(n);
    }
    void WriteInteger(const std::string& n, int32_t v) override {
      r.log.push_back("write " + n + "=" + std::to_string(v));
      r.integers[n] = v;
    }
    void DeleteValue(const std::string& n) override {
      r.log.push_back("delete " + n);
      r.integers.erase(n);
    }
  };
  std::unique_ptr<BrowserMainKey> OpenMainKey() override {
    log.push_back(openable ? "open" : "open failed");
    return openable ? std::make_unique<Key>(*this) : nullptr;
  }
};

const char kFolder[] = "C:\\Program Files\\Ormel Clock\\";
const char kUrl[] = "file:///C:/Program%20Files/Ormel%20Clock/about.html?t=1";

TEST(AboutPage, RegistryStepsInOrderLeaveTheSettingAsItWas) {
  struct Case {
    const char* name;
    std::optional<int32_t> before;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"absent", std::nullopt,
       {"open", "exists AllowWindowReuse", "write AllowWindowReuse=0", "shell", "delete AllowWindowReuse"}},
      {"one", 1,
       {"open", "exists AllowWindowReuse", "read AllowWindowReuse", "write AllowWindowReuse=0", "shell",
        "write AllowWindowReuse=1"}},
      {"zero", 0,
       {"open", "exists AllowWindowReuse", "read AllowWindowReuse", "write AllowWindowReuse=0", "shell",
        "write AllowWindowReuse=0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry reg;
    if (c.before) reg.integers["AllowWindowReuse"] = *c.before;
    std::vector<std::string> opened;
    OpenPage(PageKind::Product, kFolder, reg, [&](const std::string& url) {
      EXPECT_EQ(reg.integers.at("AllowWindowReuse"), 0) << "reuse must be off while the browser starts";
      opened.push_back(url);
      reg.log.push_back("shell");
    });
    EXPECT_EQ(reg.log, c.log);
    EXPECT_EQ(opened, std::vector<std::string>{kUrl});
    if (c.before) EXPECT_EQ(reg.integers.at("AllowWindowReuse"), *c.before);
    else EXPECT_EQ(reg.integers.count("AllowWindowReuse"), 0u);
  }
}

TEST(AboutPage, NonIntegerValueIsAnErrorAndOpensNothing) {
  MemoryRegistry reg;
  reg.texts["AllowWindowReuse"] = "yes";
  int opened = 0;
  try {
    OpenPage(PageKind::Product, kFolder, reg, [&](const std::string&) { ++opened; });
    ADD_FAILURE() << "no error raised";
  } catch (const OrmelError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'AllowWindowReuse'");
  }
  EXPECT_EQ(opened, 0);
  EXPECT_TRUE(reg.integers.empty());
}

TEST(AboutPage, KeyThatCannotBeOpenedStillOpensThePage) {
  MemoryRegistry reg;
  reg.openable = false;
  std::vector<std::string> opened;
  OpenPage(PageKind::Product, kFolder, reg, [&](const std::string& url) { opened.push_back(url); });
  EXPECT_EQ(opened, std::vector<std::string>{kUrl});
  EXPECT_EQ(reg.log, std::vector<std::string>{"open failed"});
}

TEST(AboutPage, PageAddressIsAFileUrlBesideTheProgram) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Ormel\\", "file:///C:/Ormel/about.html?t=1"},
      {"Z:\\work\\dist\\", "file:///Z:/work/dist/about.html?t=1"},
      {"D:\\50% #1\\", "file:///D:/50%25%20%231/about.html?t=1"},
      {"C:\\Uhr\xC3\xA9\\", "file:///C:/Uhr%C3%A9/about.html?t=1"},
  };
  for (const auto& [folder, url] : cases) EXPECT_EQ(ProductPageUrl(folder), url) << folder;
}

}  // namespace
