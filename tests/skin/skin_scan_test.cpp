#include "skin/skin_scan.h"

#include <gtest/gtest.h>

#include "app/ormel_error.h"

namespace {

class ListedFolder : public FolderLister {
 public:
  explicit ListedFolder(std::vector<FolderEntry> entries) : entries_(std::move(entries)) {}
  std::vector<FolderEntry> List(const std::string& folder) override {
    asked = folder;
    return entries_;
  }
  std::string asked;

 private:
  std::vector<FolderEntry> entries_;
};

}  // namespace

TEST(ScanSkins, ListsFoldersInFileSystemOrder) {
  ListedFolder face({{".", true}, {"..", true}, {"royale", true}, {"Blue", true},
                     {"readme.txt", false}, {"blue", true}, {"blue.png", false}});
  EXPECT_EQ(ScanSkins(face, "C:\\Ormel\\face\\"), (std::vector<std::string>{"royale", "Blue", "blue"}));
  EXPECT_EQ(face.asked, "C:\\Ormel\\face\\");
}

TEST(StartupSkin, FallsBackToRoyaleThenGivesUp) {
  struct Case {
    std::string saved;
    std::vector<std::string> broken;
    std::string loaded;  // empty: the start-up fails
    std::vector<std::string> tried;
    std::string message;
  };
  const Case cases[] = {
      {"slate", {}, "slate", {"slate"}, ""},
      {"slate", {"slate"}, "royale", {"slate", "royale"}, ""},
      {"slate", {"slate", "royale"}, "", {"slate", "royale"}, "slate broken\r\nroyale broken"},
      {"royale", {"royale"}, "", {"royale"}, "royale broken"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> tried;
    auto load = [&](const std::string& name) {
      tried.push_back(name);
      for (const std::string& b : c.broken)
        if (b == name) throw OrmelError(name + " broken");
    };
    try {
      EXPECT_EQ(LoadStartupSkin(c.saved, load), c.loaded) << c.saved;
      EXPECT_TRUE(c.message.empty());
    } catch (const OrmelError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_EQ(tried, c.tried) << c.saved;
  }
}
