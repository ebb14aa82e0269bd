#include "skin/skin_numbers.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "skin/colour_text.h"

TEST(SkinNumbers, Integers) {
  struct Case { const char* text; std::optional<int> value; };
  const Case cases[] = {
      {"62", 62},   {" 150 ", 150},  {"-4", -4},        {"+7", 7},
      {"abc", {}},  {"", {}},        {"12px", {}},      {"1.5", {}},
      {"$10", {}},  {"+", {}},       {"99999999999", {}}, {"2147483647", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseSkinInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(SkinNumbers, FloatsUseTheUsersDecimalSeparator) {
  struct Case { const char* text; char separator; std::optional<double> value; };
  const Case cases[] = {
      {"42.5", '.', 42.5},  {"42.5", ',', {}},    {"42,5", ',', 42.5}, {"42,5", '.', {}},
      {"4", ',', 4.0},      {" -3.25 ", '.', -3.25}, {".5", '.', 0.5},  {"5.", '.', 5.0},
      {"1e2", '.', 100.0},  {"1e", '.', {}},      {".", '.', {}},      {"nan", '.', {}},
      {"inf", '.', {}},     {"1e999", '.', {}},   {"0x10", '.', {}},   {"", '.', {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseSkinFloat(c.text, c.separator), c.value) << '"' << c.text << "\" " << c.separator;
}

TEST(ColourText, NamesAndNumbers) {
  struct Case { const char* text; uint32_t value; };
  const Case cases[] = {
      {"clWhite", 0xFFFFFF},   {"clwhite", 0xFFFFFF},    {"clRed", 0x0000FF},
      {"clBlue", 0xFF0000},    {"clMoneyGreen", 0xC0DCC0}, {"$0096BED3", 0x0096BED3},
      {"$3c3434", 0x3C3434},   {"0x00FF00", 0x00FF00},   {"9879251", 9879251},
      {"-1", 0xFFFFFFFF},      {"$FFFFFFFF", 0xFFFFFFFF},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColourText(c.text), c.value) << c.text;
}

TEST(ColourText, UnparsableTextNamesItself) {
  for (const char* text : {"xyz", "", "white", "$", "$1G", "$-5", "$100000000", "2147483648", " 5"}) {
    try {
      ParseColourText(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const OrmelError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}
