#include "base/unicode_text.h"

#include <gtest/gtest.h>

TEST(UnicodeText, RoundTripsEveryScript) {
  const char* const texts[] = {
      "",
      "Ormel Clock",
      "Zürich",
      "Zażółć 東京",
      "Москва",
      "Αθήνα",
      "\xF0\x9F\x95\x90 one o'clock",  // outside the basic plane: a surrogate pair in UTF-16
  };
  for (const char* text : texts) {
    const std::string utf8 = text;
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(utf8)), utf8) << utf8;
  }
  EXPECT_EQ(Utf8ToUtf16("東京"), u"東京");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x95\x90"), u"\U0001F550");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F550"), "\xF0\x9F\x95\x90");
}

TEST(UnicodeText, BrokenUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"\xFF", u"\uFFFD"},                        // never a UTF-8 byte
      {"a\x80z", u"a\uFFFDz"},                    // a continuation byte alone
      {"\xC3", u"\uFFFD"},                        // cut off at the end
      {"\xE6\x9D", u"\uFFFD"},                    // cut off inside a three-byte form
      {"\xE6\x9Dz", u"\uFFFDz"},                  // the next character survives
      {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong "/"
      {"\xE0\x80\xAF", u"\uFFFD"},                // overlong "/" in three bytes
      {"\xED\xA0\x80", u"\uFFFD"},                // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},            // past U+10FFFF
      {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // five-byte forms are gone
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << testing::PrintToString(c.utf8);
}

TEST(UnicodeText, LoneSurrogatesBecomeReplacementCharacters) {
  struct Case {
    std::u16string utf16;
    std::string utf8;
  };
  const Case cases[] = {
      {u"\xD800", "\xEF\xBF\xBD"},
      {u"a\xDC00z", "a\xEF\xBF\xBDz"},
      {std::u16string(u"\xD83D") + u"x", "\xEF\xBF\xBDx"},  // a high half without its low half
      {std::u16string(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD"},  // the halves the wrong way round
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
}
