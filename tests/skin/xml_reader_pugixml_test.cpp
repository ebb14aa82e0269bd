#include "skin/xml_reader_pugixml_native.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "skin/temp_folder.h"

namespace {

const char kSkin[] = R"(<?xml version="1.0"?>
<skin>
  <clockface width="150" height="abc">face.png</clockface>
  <sounds><chime>sound\chime.mp3</chime></sounds>
  <label id="weekday" text="WED" x="50"><font name="Small Fonts"/></label>
  <label id="title" text="clock" x="45" width="60"><font name="Tahoma" size="7"/></label>
</skin>)";

}  // namespace

TEST(PugiXmlReader, AnswersTheLoadersQueries) {
  TempFolder dir;
  PugiXmlReader reader;
  auto doc = reader.Open(dir.Write("skin.xml", kSkin));
  struct Case { const char* xpath; const char* value; };
  const Case cases[] = {
      {"skin/clockface/text()", "face.png"},
      {"skin/clockface/@width", "150"},
      {"skin/clockface/@height", "abc"},
      {"skin/sounds/chime/text()", "sound\\chime.mp3"},
      {"skin/label[@id=\"title\"]/font/@size", "7"},
      {"skin/label[@id=\"title\"]", ""},
  };
  for (const Case& c : cases) {
    auto node = doc->SelectSingleNode(c.xpath);
    ASSERT_NE(node, nullptr) << c.xpath;
    EXPECT_EQ(node->Value(), c.value) << c.xpath;
  }
  EXPECT_EQ(doc->SelectSingleNode("skin/glass/text()"), nullptr);
  EXPECT_EQ(doc->SelectSingleNode("skin/label[@id=\"date\"]"), nullptr);
}

TEST(PugiXmlReader, LooksAttributesUpByName) {
  TempFolder dir;
  PugiXmlReader reader;
  auto doc = reader.Open(dir.Write("skin.xml", kSkin));
  auto title = doc->SelectSingleNode("skin/label[@id=\"title\"]");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Attribute("text"), "clock");
  EXPECT_EQ(title->Attribute("width"), "60");
  EXPECT_EQ(title->Attribute("height"), std::nullopt);
  EXPECT_EQ(title->Attribute("Width"), std::nullopt);
}

TEST(PugiXmlReader, FailuresCarryTheServiceMessage) {
  TempFolder dir;
  PugiXmlReader reader;
  EXPECT_THROW(reader.Open(dir.Path() + "absent.xml"), OrmelError);
  EXPECT_THROW(reader.Open(dir.Write("bad.xml", "<skin><clockface>face.png</skin>")), OrmelError);
  auto doc = reader.Open(dir.Write("skin.xml", kSkin));
  EXPECT_THROW(doc->SelectSingleNode("skin/label[@id="), OrmelError);
}
