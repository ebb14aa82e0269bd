#include "skin/skin_scan.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/ormel_error.h"

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

TEST(StartupSkin, FallsBackToRoyaleThenEveryInstalledSkinAndTellsWhy) {
  // Installed in listing order; "royale" is not first, and the saved skin is among them.
  const std::vector<std::string> installed = {"slate", "huge", "royale", "blue"};
  struct Case {
    std::string saved;
    std::vector<std::string> broken;
    std::string loaded;  // empty: the start-up fails
    std::vector<std::string> tried;
    std::string message;
  };
  const Case cases[] = {
      {"huge", {}, "huge", {"huge"}, ""},
      {"huge", {"huge"}, "royale", {"huge", "royale"},
       "huge broken\r\n\r\nThe clock shows the skin \"royale\" instead."},
      {"huge", {"huge", "royale"}, "slate", {"huge", "royale", "slate"},
       "huge broken\r\n\r\nroyale broken\r\n\r\nThe clock shows the skin \"slate\" instead."},
      {"huge", {"huge", "royale", "slate"}, "blue", {"huge", "royale", "slate", "blue"},
       "huge broken\r\n\r\nroyale broken\r\n\r\nslate broken\r\n\r\nThe clock shows the skin \"blue\" instead."},
      {"huge", {"huge", "royale", "slate", "blue"}, "", {"huge", "royale", "slate", "blue"},
       "huge broken\r\n\r\nroyale broken\r\n\r\nslate broken\r\n\r\nblue broken\r\n\r\nNo installed skin can be shown."},
      {"royale", {"royale"}, "slate", {"royale", "slate"},
       "royale broken\r\n\r\nThe clock shows the skin \"slate\" instead."},
      // A saved skin that was removed since is tried once, like any other.
      {"gone", {"gone"}, "royale", {"gone", "royale"},
       "gone broken\r\n\r\nThe clock shows the skin \"royale\" instead."},
  };
  for (const Case& c : cases) {
    std::vector<std::string> tried;
    auto load = [&](const std::string& name) {
      tried.push_back(name);
      for (const std::string& b : c.broken)
        if (b == name) throw OrmelError(name + " broken");
    };
    try {
      const StartupSkin shown = LoadStartupSkin(c.saved, installed, load);
      EXPECT_EQ(shown.name, c.loaded) << c.saved;
      EXPECT_EQ(shown.problems, c.message) << c.saved;
    } catch (const OrmelError& e) {
      EXPECT_TRUE(c.loaded.empty()) << c.saved;
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_EQ(tried, c.tried) << c.saved;
  }
}

TEST(StartupSkin, AFailureOtherThanTheLoadersOwnIsStillToldInWords) {
  auto load = [](const std::string& name) {
    if (name == "huge") throw std::length_error("vector::_M_default_append");
  };
  const StartupSkin shown = LoadStartupSkin("huge", {}, load);
  EXPECT_EQ(shown.name, "royale");
  EXPECT_EQ(shown.problems, "The skin \"huge\" cannot be shown:\r\nthere is not enough memory to load it\r\n\r\n"
                            "The clock shows the skin \"royale\" instead.");
}
