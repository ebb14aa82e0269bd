#include "time/sub_key_listing.h"

#include <gtest/gtest.h>

namespace {

// A store of `names` that answers `failure` at index `failAt` (and at every index after it).
struct ScriptedStore {
  std::vector<std::string> names;
  uint32_t failAt = UINT32_MAX;
  SubKeyAt::Answer failure = SubKeyAt::Answer::Error;
  std::vector<uint32_t> asked;

  SubKeyAt operator()(uint32_t index) {
    asked.push_back(index);
    if (asked.size() > 1000) ADD_FAILURE() << "the listing does not stop";
    if (index >= failAt || asked.size() > 1000) return SubKeyAt{failure, {}};
    if (index >= names.size()) return SubKeyAt{SubKeyAt::Answer::NoMoreItems, {}};
    return SubKeyAt{SubKeyAt::Answer::Name, names[index]};
  }
};

}  // namespace

TEST(SubKeyListing, EndsAtTheFirstAnswerThatIsNoNameAndKeepsWhatWasRead) {
  const std::vector<std::string> zones{"Alaskan Standard Time", "Tokyo Standard Time", "UTC", "W. Europe Standard Time",
                                       "Yakutsk Standard Time"};
  struct Case {
    const char* what;
    uint32_t failAt;
    SubKeyAt::Answer failure;
    size_t kept;
  };
  const Case cases[] = {
      {"the whole list", UINT32_MAX, SubKeyAt::Answer::Error, 5},
      {"an error that persists from index 3", 3, SubKeyAt::Answer::Error, 3},
      {"an error at the first index", 0, SubKeyAt::Answer::Error, 0},
      {"no more items early", 2, SubKeyAt::Answer::NoMoreItems, 2},
  };
  for (const Case& c : cases) {
    ScriptedStore store{zones, c.failAt, c.failure, {}};
    const std::vector<std::string> names = ListSubKeyNames(std::ref(store));
    EXPECT_EQ(names, std::vector<std::string>(zones.begin(), zones.begin() + c.kept)) << c.what;
    EXPECT_EQ(store.asked.size(), c.kept + 1) << c.what << ": nothing is asked after the answer that ends it";
  }
}
