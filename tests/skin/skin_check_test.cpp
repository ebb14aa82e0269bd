#include "skin/skin_check.h"

#include <gtest/gtest.h>

#include "skin/skin_test_doubles.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_pugixml_native.h"

namespace {

const char kSkinXml[] = R"(<skin>
  <clockface width="150" height="150">face.png</clockface>
  <buttons>buttons.png</buttons><glass>glass.png</glass><pmam>pmam.png</pmam>
  <hours><filename>hours.png</filename><bitmapCenter x="4" y="42.5"/><position x="75" y="75"/></hours>
  <minutes><filename>minutes.png</filename><bitmapCenter x="2.5" y="51"/><position x="75" y="75"/></minutes>
  <seconds><filename>seconds.png</filename><bitmapCenter x="3.5" y="61"/><position x="75" y="75"/></seconds>
  <sounds><chime>sound\chime.mp3</chime></sounds>
  <label id="title" text="clock" x="45" y="40" width="60" height="11" align="center"><font name="Tahoma" size="7" color="clWhite"/></label>
  <label id="weekday" text="WEDNESDAY" x="50" y="52" align="center"><font name="Tahoma" size="7" color="clWhite"/></label>
  <label id="time" text="88:88:88" x="45" y="95" align="center"><font name="Digital" size="14" color="$0096BED3"/></label>
  <label id="timebg" text="88:88:88" x="45" y="95" align="center"><font name="Digital" size="14" color="$003C3434"/></label>
  <label id="date" text="date" x="62" y="112" align="center"><font name="Tahoma" size="7" color="clWhite"/></label>
  <label id="ampm" text="AMPM" x="100" y="95" align="center"><font name="Tahoma" size="7" color="clWhite"/></label>
  <button id="left" x="20" y="65" width="30" height="16"/>
  <button id="right" x="100" y="65" width="30" height="16"/>
</skin>)";

std::string Broken(std::string xml, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const size_t at = xml.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) xml.replace(at, from.size(), to);
  }
  return xml;
}

class SkinCheckTest : public ::testing::Test {
 protected:
  std::vector<std::string> Check(const std::string& xml) {
    dir.Write("skin/skin.xml", xml);
    return CheckSkin(Folder(), services);
  }
  SkinFolder Folder() const { return {dir.Path() + "skin/", '/'}; }

  TempFolder dir;
  PugiXmlReader xml;
  FakeSkinImages images;
  FakeTextMeasure text;
  FormatSettings format;
  SkinServices services{xml, images, text, format};
};

}  // namespace

TEST_F(SkinCheckTest, ACleanSkinHasNoProblems) { EXPECT_EQ(Check(kSkinXml), std::vector<std::string>()); }

TEST_F(SkinCheckTest, ReportsEveryProblemAtOnce) {
  images.images.erase("minutes.png");
  images.corrupt.insert("glass.png");
  const std::vector<std::string> problems = Check(Broken(kSkinXml, {
      {"<pmam>pmam.png</pmam>", ""},
      {R"(text="WEDNESDAY" x="50")", R"(text="WEDNESDAY" x="abc")"},
      {"$0096BED3", "xyz"},
      {R"(<button id="right" x="100")", R"(<button id="right" x="130")"},
      {R"(text="date" x="62" y="112")", R"(text="date" x="62" y="148")"},
      {R"(<position x="75" y="75"/></seconds>)", R"(<position x="75" y="7,5"/></seconds>)"},
      {R"(<button id="left" x="20" y="65" width="30" )", R"(<button id="left" x="20" y="65" )"},
  }));
  const std::string xmlPath = Folder().path + "skin.xml: ";
  const std::vector<std::string> expected = {
      xmlPath + "no node matches skin/pmam/text()",
      Folder().path + "glass.png: Invalid PNG signature.",
      Folder().path + "minutes.png: The file does not exist.",
      xmlPath + "skin/seconds/position/@y: '7,5' is not a number; using 75",
      xmlPath + "skin/label[@id=\"weekday\"]/@x: 'abc' is not a number; using 62",
      xmlPath + "skin/label[@id=\"time\"]/font/@color: 'xyz' is not a valid integer value",
      xmlPath + "no node matches skin/button[@id=\"left\"]/@width",
      xmlPath + "label \"date\" box (62, 148, 20 x 10) reaches outside the 150 x 150 face",
      xmlPath + "button \"right\" painted area (130, 65, 30 x 16) reaches outside the 150 x 150 face",
  };
  EXPECT_EQ(problems, expected);
}

TEST_F(SkinCheckTest, AnUnreadableDescriptionIsTheOneProblem) {
  const std::vector<std::string> problems = Check("<skin><clockface>face.png</skin>");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind(Folder().path + "skin.xml: ", 0), 0u) << problems[0];
}
