#include "skin/skin_check.h"

#include <gtest/gtest.h>

#include "skin/folder_lister_native.h"
#include "skin/font_file_builder.h"
#include "skin/skin_test_doubles.h"
#include "skin/skin_xml_fixture.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_pugixml_native.h"

namespace {

class SkinCheckTest : public ::testing::Test {
 protected:
  // The skin carries its "Digital" font.
  void SetUp() override { WriteFont("digital.ttf", FontFileBuilder().WindowsName(1, "Digital").bytes()); }
  void WriteFont(const std::string& file, const std::vector<uint8_t>& bytes) {
    dir.Write("skin/" + file, std::string(bytes.begin(), bytes.end()));
  }
  std::vector<std::string> Check(const std::string& xml) {
    dir.Write("skin/skin.xml", xml);
    return CheckSkin(Folder(), services, lister);
  }
  SkinFolder Folder() const { return {dir.Path() + "skin/", '/'}; }

  TempFolder dir;
  PugiXmlReader xml;
  FakeSkinImages images;
  FakeTextMeasure text;
  FormatSettings format;
  SkinServices services{xml, images, text, format};
  FilesystemFolderLister lister;
};

}  // namespace

TEST_F(SkinCheckTest, ACleanSkinHasNoProblems) { EXPECT_EQ(Check(kSkinXml), std::vector<std::string>()); }

TEST_F(SkinCheckTest, ReportsEveryProblemAtOnce) {
  images.images.erase("minutes.png");
  images.corrupt.insert("glass.png");
  const std::vector<std::string> problems = Check(Edited(kSkinXml, {
      {"<pmam>pmam.png</pmam>", ""},
      {R"(text="WEDNESDAY" x="50")", R"(text="WEDNESDAY" x="abc")"},
      {"$0096BED3", "xyz"},
      {R"(<button id="right" x="100")", R"(<button id="right" x="130")"},
      {R"(text="date" x="62" y="112")", R"(text="date" x="62" y="148")"},
      {R"(<position x="75" y="76"/></seconds>)", R"(<position x="75" y="7,5"/></seconds>)"},
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

TEST_F(SkinCheckTest, ReportsWhatMakesTheClockRefuseTheSkin) {
  struct Case {
    const char* what;
    std::string xml;
    std::map<std::string, FakeSkinImages::Image> images;
    std::vector<std::string> expected;  // after the folder path
  };
  const Case cases[] = {
      {"a face declared beyond the cap, though its image is small",
       Edited(kSkinXml, {{R"(width="150" height="150")", R"(width="60000" height="60000")"}}), {},
       {"skin.xml: the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown"}},
      {"one side of the declared face beyond the cap",
       Edited(kSkinXml, {{R"(width="150" height="150")", R"(width="150" height="2049")"}}), {},
       {"skin.xml: the face is 150 x 2049 pixels; at most 2048 x 2048 can be shown"}},
      {"a face image beyond the cap", kSkinXml, {{"face.png", {2049, 100}}},
       {"face.png: the image is 2049 x 100 pixels; at most 2048 x 2048 can be shown"}},
      {"a glass image beyond the cap", kSkinXml, {{"glass.png", {150, 4000}}},
       {"glass.png: the image is 150 x 4000 pixels; at most 2048 x 2048 can be shown"}},
      {"a face at the cap", kSkinXml, {{"face.png", {2048, 2048}}}, {}},
  };
  for (const Case& c : cases) {
    FakeSkinImages fresh;
    for (const auto& [name, size] : c.images) fresh.images[name] = size;
    images = fresh;
    std::vector<std::string> expected;
    for (const std::string& e : c.expected) expected.push_back(Folder().path + e);
    EXPECT_EQ(Check(c.xml), expected) << c.what;
  }
}

TEST_F(SkinCheckTest, ImagesTooLargeForMemoryAreReportedInWords) {
  images.failures["glass.png"] = std::make_exception_ptr(std::bad_alloc());
  images.failures["face.png"] = std::make_exception_ptr(std::length_error("vector::_M_default_append"));
  const std::vector<std::string> expected = {
      Folder().path + "face.png: there is not enough memory to load it",
      Folder().path + "glass.png: there is not enough memory to load it"};
  EXPECT_EQ(Check(kSkinXml), expected);
}

TEST_F(SkinCheckTest, ReportsLabelFontsUsersMayLack) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> fonts;  // file, contents
    std::string xml;
    std::vector<std::string> expected;  // after the folder path
  };
  const std::vector<uint8_t> digital = FontFileBuilder().WindowsName(1, "Digital").bytes();
  const std::string missing =
      " is neither in the skin folder nor a font every Windows has, so ";
  const Case cases[] = {
      {"carried, under another letter case", {{"Digital.OTF", FontFileBuilder().WindowsName(1, "DIGITAL").bytes()}},
       kSkinXml, {}},
      {"a font of every Windows", {}, Edited(kSkinXml, {{R"(name="Digital" size="14" color="$0096BED3")", R"(name="Arial" size="14" color="$0096BED3")"},
                                                         {R"(name="Digital" size="14" color="$003C3434")", R"(name="arial" size="14" color="$003C3434")"}}),
       {}},
      {"not carried: one line naming both labels", {}, kSkinXml,
       {"skin.xml: font \"Digital\" (labels \"time\", \"timebg\")" + missing + "these labels would show in another font"}},
      {"a file of the font's name is not the font", {{"Digital.ttf", FontFileBuilder().WindowsName(1, "Digitalis").bytes()}},
       Edited(kSkinXml, {{R"(y="52" align="center"><font name="MS Sans Serif")", R"(y="52" align="center"><font name="Papyrus")"}}),
       {"skin.xml: font \"Papyrus\" (label \"weekday\")" + missing + "the label would show in another font",
        "skin.xml: font \"Digital\" (labels \"time\", \"timebg\")" + missing + "these labels would show in another font"}},
      {"a font file that is none", {{"digital.ttf", digital}, {"broken.ttf", {'n', 'o'}}}, kSkinXml,
       {"broken.ttf: not a TrueType or OpenType font the clock can use"}},
      {"a missing font name is reported once, by the read", {{"digital.ttf", digital}},
       Edited(kSkinXml, {{R"(y="52" align="center"><font name="MS Sans Serif")", R"(y="52" align="center"><font)"}}),
       {"skin.xml: no node matches skin/label[@id=\"weekday\"]/font/@name"}},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(Folder().path + "digital.ttf");
    for (const auto& [file, bytes] : c.fonts) WriteFont(file, bytes);
    std::vector<std::string> expected;
    for (const std::string& e : c.expected) expected.push_back(Folder().path + e);
    EXPECT_EQ(Check(c.xml), expected) << c.what;
    for (const auto& [file, bytes] : c.fonts) std::filesystem::remove(Folder().path + file);
  }
}
