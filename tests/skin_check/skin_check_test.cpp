#include "skin_check/skin_check.h"

#include <gtest/gtest.h>

#include "skin/skin_test_doubles.h"
#include "skin/skin_xml_fixture.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_pugixml_native.h"
#include "skin_check/check_command_native.h"
#include "skin_check/font_file_builder.h"

namespace {

class SkinCheckTest : public ::testing::Test {
 protected:
  // The skin carries its "Digital" font.
  void SetUp() override { WriteFont("digital.ttf", FontFileBuilder().WindowsName(1, "Digital").bytes()); }
  void WriteFont(const std::string& file, const std::vector<uint8_t>& bytes) {
    dir.Write("skin/" + file, std::string(bytes.begin(), bytes.end()));
  }
  // The problems' words, in order.
  std::vector<std::string> Check(const std::string& xml) {
    std::vector<std::string> texts;
    for (const SkinProblem& p : Findings(xml)) texts.push_back(p.text);
    return texts;
  }
  std::vector<SkinProblem> Findings(const std::string& xml) {
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

// What follows the reader's own words for authors.
const std::string kIntDefault = ", the skin format's default for it (write a whole number, digits without a unit)";
const std::string kFloatDefault =
    ", the skin format's default for it (write digits with '.' as the decimal separator, as the user's settings have it)";
const std::string kColourForms =
    "; a colour is $00BBGGRR in hexadecimal (blue first: $000000FF is red), the same as a decimal number, "
    "or a name such as clWhite, clRed or clNavy";

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
      Folder().path + "glass.png (skin/glass): Invalid PNG signature.",
      Folder().path + "minutes.png (skin/minutes/filename): The file does not exist.",
      xmlPath + "skin/seconds/position/@y: '7,5' is not a number; using 75" + kFloatDefault,
      xmlPath + "skin/label[@id=\"weekday\"]/@x: 'abc' is not a number; using 62" + kIntDefault,
      xmlPath + "skin/label[@id=\"time\"]/font/@color: 'xyz' is not a valid integer value" + kColourForms,
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
       {"face.png (skin/clockface): the image is 2049 x 100 pixels; at most 2048 x 2048 can be shown"}},
      {"a glass image beyond the cap", kSkinXml, {{"glass.png", {150, 4000}}},
       {"glass.png (skin/glass): the image is 150 x 4000 pixels; at most 2048 x 2048 can be shown"}},
      {"a face at the cap", Edited(kSkinXml, {{R"(width="150" height="150")", R"(width="2048" height="2048")"}}),
       {{"face.png", {2048, 2048}}}, {}},
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
      Folder().path + "face.png (skin/clockface): there is not enough memory to load it",
      Folder().path + "glass.png (skin/glass): there is not enough memory to load it"};
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
       {"skin.xml: font \"Digital\" (labels \"time\", \"timebg\")" + missing +
        "these labels would show in another font; the skin folder carries no font"}},
      {"a file of the font's name is not the font", {{"Digital.ttf", FontFileBuilder().WindowsName(1, "Digitalis").bytes()}},
       Edited(kSkinXml, {{R"(y="52" align="center"><font name="MS Sans Serif")", R"(y="52" align="center"><font name="Papyrus")"}}),
       {"skin.xml: font \"Papyrus\" (label \"weekday\")" + missing +
            "the label would show in another font; the skin folder carries \"Digitalis\"",
        "skin.xml: font \"Digital\" (labels \"time\", \"timebg\")" + missing +
            "these labels would show in another font; the skin folder carries \"Digitalis\"; did you mean \"Digitalis\"?"}},
      {"a family name short of its last word, and one misspelt",
       {{"oldstd.ttf", FontFileBuilder().WindowsName(1, "Old Standard TT").bytes()},
        {"dseg14.ttf", FontFileBuilder().WindowsName(1, "DSEG14 Classic").bytes()}},
       Edited(kSkinXml, {{R"(y="52" align="center"><font name="MS Sans Serif")", R"(y="52" align="center"><font name="Old Standard")"},
                         {R"(name="Digital" size="14" color="$0096BED3")", R"(name="DSEG14 Clasic" size="14" color="$0096BED3")"},
                         {R"(name="Digital" size="14" color="$003C3434")", R"(name="DSEG14 Classic" size="14" color="$003C3434")"}}),
       {"skin.xml: font \"Old Standard\" (label \"weekday\")" + missing +
            "the label would show in another font; the skin folder carries \"DSEG14 Classic\", \"Old Standard TT\"; "
            "did you mean \"Old Standard TT\"?",
        "skin.xml: font \"DSEG14 Clasic\" (label \"time\")" + missing +
            "the label would show in another font; the skin folder carries \"DSEG14 Classic\", \"Old Standard TT\"; "
            "did you mean \"DSEG14 Classic\"?"}},
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

TEST_F(SkinCheckTest, ReportsMistakesTheLoaderPassesOver) {
  using Kind = SkinProblem::Kind;
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> edits;
    std::map<std::string, FakeSkinImages::Image> images;
    std::vector<std::pair<Kind, std::string>> expected;  // after the folder path
  };
  const Kind E = Kind::Error, W = Kind::Warning;
  const Case cases[] = {
      {"a pivot beside its hand", {{R"(<bitmapCenter x="4" y="42.5"/>)", R"(<bitmapCenter x="12" y="42.5"/>)"}}, {},
       {{W, "skin.xml: skin/hours/bitmapCenter (12, 42.5) lies outside the 8 x 50 hand image hours.png, so the "
            "hand swings about a point off itself"}}},
      {"a pivot on the hand's corner", {{R"(<bitmapCenter x="4" y="42.5"/>)", R"(<bitmapCenter x="8" y="50"/>)"}},
       {}, {}},
      {"a hand beyond the face", {{R"(y="51"/><position x="75")", R"(y="51"/><position x="160.5")"}}, {},
       {{W, "skin.xml: skin/minutes/position (160.5, 75) lies outside the 150 x 150 face, so the hand turns about "
            "a point off the face"}}},
      {"a strip short of the right button's icon", {}, {{"buttons.png", {80, 16}}},
       {{W, "skin.xml: skin/buttons: buttons.png is 80 x 16, 5 frames of 16 x 16; the clock draws 6 (hover, normal "
            "and pressed backgrounds, then the start, pause and right button's icons), so frame 5 shows "
            "nothing (frames count from 0)"}}},
      {"a face image of another size", {}, {{"face.png", {300, 250}}},
       {{W, "skin.xml: skin/clockface: width and height say 150 x 150, but face.png is 300 x 250; the clock shows "
            "the image's size"}}},
      {"a misspelt element", {{"<glass>glass.png</glass>", "<glas>glass.png</glas>"}}, {},
       {{E, "skin.xml: no node matches skin/glass/text()"},
        {W, "skin.xml: skin: the clock reads no element <glas>; did you mean \"glass\"?"}}},
      {"a misspelt hand pivot", {{R"(<bitmapCenter x="4" y="42.5"/>)", R"(<bitmapCentre x="4" y="42.5"/>)"}}, {},
       {{E, "skin.xml: no node matches skin/hours/bitmapCenter/@x"},
        {E, "skin.xml: no node matches skin/hours/bitmapCenter/@y"},
        {W, "skin.xml: skin/hours: the clock reads no element <bitmapCentre>; did you mean \"bitmapCenter\"?"}}},
      {"a misspelt attribute", {{R"(width="60" height="11")", R"(widht="60" height="11")"}}, {},
       {{W, "skin.xml: skin/label[@id=\"title\"]: the clock reads no attribute \"widht\"; did you mean \"width\"?"},
        {W, "skin.xml: skin/label[@id=\"title\"]: without \"width\" the title keeps the size it had, 89 x 11 here; its "
            "box does not follow its text, so give it both"}}},
      {"an unknown name far from every known one", {{"<glass>", "<sparkle/><glass>"}}, {},
       {{W, "skin.xml: skin: the clock reads no element <sparkle>"}}},
      {"a misspelt label id: the missing label is reported once", {{R"(<label id="ampm")", R"(<label id="apm")"}},
       {},
       {{E, "skin.xml: no node matches skin/label[@id=\"ampm\"]"},
        {W, "skin.xml: skin/label[@id=\"apm\"]: the clock reads no label with this id; did you mean \"ampm\"?"}}},
      {"an align the loader does not read",
       {{R"(height="11" align="center")", R"(height="11" align="Center")"}}, {},
       {{W, "skin.xml: skin/label[@id=\"title\"]/@align: 'Center' is not read, so the label keeps the alignment it "
            "had; the clock reads \"center\", \"left\" or \"right\", in lower case; did you mean \"center\"?"}}},
      {"a font size with a unit",
       {{R"(x="62" y="112" align="center"><font name="MS Sans Serif" size="7")",
         R"(x="62" y="112" align="center"><font name="MS Sans Serif" size="9pt")"}}, {},
       {{E, "skin.xml: skin/label[@id=\"date\"]/font/@size: '9pt' is not a number; using 62, the skin format's "
            "default for it (write a size in points from 1 to 720, digits without a unit)"},
        {W, "skin.xml: label \"date\" box (62, 112, 196 x 84) reaches outside the 150 x 150 face"}}},
      {"a six-digit colour written red first",
       {{"$0096BED3", "$D9481C"}}, {},
       {{W, "skin.xml: skin/label[@id=\"time\"]/font/@color: '$D9481C' has six digits and reads as $00D9481C: "
            "red 28, green 72, blue 217, since a colour is $00BBGGRR (blue first); for red 217, green 72, blue 28 "
            "write $001C48D9"}}},
      {"a six-digit grey reads the same either way", {{"$0096BED3", "$808080"}}, {}, {}},
      {"eight digits are the format's own", {{"$0096BED3", "$00D9481C"}}, {}, {}},
      {"a title without its size",
       {{R"(x="45" y="40" width="60" height="11")", R"(x="45" y="40")"}}, {},
       {{W, "skin.xml: skin/label[@id=\"title\"]: without \"width\" and \"height\" the title keeps the size it "
            "had, 89 x 11 here; its box does not follow its text, so give it both"}}},
      {"a title without its height",
       {{R"(x="45" y="40" width="60" height="11")", R"(x="45" y="40" width="60")"}}, {},
       {{W, "skin.xml: skin/label[@id=\"title\"]: without \"height\" the title keeps the size it had, 60 x 11 "
            "here; its box does not follow its text, so give it both"}}},
      {"a font size beyond the limits",
       {{R"(x="62" y="112" align="center"><font name="MS Sans Serif" size="7")",
         R"(x="62" y="112" align="center"><font name="MS Sans Serif" size="0")"}}, {},
       {{E, "skin.xml: skin/label[@id=\"date\"]/font/@size: '0' is not a size in points from 1 to 720; using 62, "
            "the skin format's default for it"},
        {W, "skin.xml: label \"date\" box (62, 112, 196 x 84) reaches outside the 150 x 150 face"}}},
  };
  for (const Case& c : cases) {
    FakeSkinImages fresh;
    for (const auto& [name, size] : c.images) fresh.images[name] = size;
    images = fresh;
    std::vector<std::pair<Kind, std::string>> found;
    for (const SkinProblem& p : Findings(Edited(kSkinXml, c.edits))) found.push_back({p.kind, p.text});
    std::vector<std::pair<Kind, std::string>> expected;
    for (const auto& [kind, text] : c.expected) expected.push_back({kind, Folder().path + text});
    EXPECT_EQ(found, expected) << c.what;
  }
}

TEST_F(SkinCheckTest, ImagesWithoutAlphaShowAsNothing) {
  images.withoutAlpha = {"glass.png", "seconds.png"};
  images.images.erase("face.png");  // the face left cleared after a failed load is no image
  const std::vector<std::string> expected = {
      Folder().path + "face.png (skin/clockface): The file does not exist.",
      Folder().path + "skin.xml: skin/glass: glass.png is transparent in every pixel (an image without an alpha "
                      "channel is), so the clock shows none of it; save it with alpha",
      Folder().path + "skin.xml: skin/seconds/filename: seconds.png is transparent in every pixel (an image "
                      "without an alpha channel is), so the clock shows none of it; save it with alpha"};
  EXPECT_EQ(Check(kSkinXml), expected);
}

TEST_F(SkinCheckTest, TheChimeIsLookedForInTheProgramFolderOfAnInstalledSkin) {
  const std::string installed = dir.Path() + "program/face/mine/";
  dir.Write("program/face/mine/skin.xml", kSkinXml);
  const std::vector<uint8_t> digital = FontFileBuilder().WindowsName(1, "Digital").bytes();
  dir.Write("program/face/mine/digital.ttf", std::string(digital.begin(), digital.end()));
  const auto check = [&] {
    std::vector<std::string> texts;
    for (const SkinProblem& p : CheckSkin({installed, '/'}, services, lister)) texts.push_back(p.text);
    return texts;
  };
  EXPECT_EQ(check(), std::vector<std::string>{installed + "skin.xml: skin/sounds/chime: sound\\chime.mp3 is not "
                                              "in the program folder (" + dir.Path() + "program/), so the clock "
                                              "chimes with its own sound\\chime.mp3"});
  dir.Write("program/sound/chime.mp3", "ID3");
  EXPECT_EQ(check(), std::vector<std::string>());
  // A skin outside a program's face folder has no program folder to look in.
  EXPECT_EQ(Check(kSkinXml), std::vector<std::string>());
}

TEST_F(SkinCheckTest, AMalformedDescriptionNamesTheElementLeftOpen) {
  EXPECT_EQ(Check("<skin>\n  <clockface>face.png\n</skin>"),
            std::vector<std::string>{Folder().path + "skin.xml: line 3: </skin> comes while <clockface> of line 2 is "
                                                     "left open; close it with </clockface> first"});
}

// A skin.xml that would stall the clock is refused as the clock refuses it, in words.
TEST_F(SkinCheckTest, ADescriptionBeyondTheCapIsTheOneProblem) {
  const std::vector<std::string> problems = Check(kSkinXml + std::string(5 * 1024 * 1024, ' '));
  EXPECT_EQ(problems, std::vector<std::string>{Folder().path + "skin.xml: the file is 5.0 MB; a skin description may "
                                                               "be at most 4.0 MB (a skin's is a few kB), so it is not "
                                                               "read"});
}

namespace {

// Counts the queries asked of the whole document.
class CountingXml : public XmlReader {
 public:
  std::unique_ptr<XmlDocument> Open(const std::string& path) override {
    return std::make_unique<Document>(reader_.Open(path), queries);
  }
  int queries = 0;

 private:
  class Document : public XmlDocument {
   public:
    Document(std::unique_ptr<XmlDocument> doc, int& queries) : doc_(std::move(doc)), queries_(queries) {}
    std::unique_ptr<XmlNode> SelectSingleNode(const std::string& xpath) override {
      ++queries_;
      return doc_->SelectSingleNode(xpath);
    }

   private:
    std::unique_ptr<XmlDocument> doc_;
    int& queries_;
  };
  PugiXmlReader reader_;
};

}  // namespace

// A query of the document walks the document; one per unknown element made the check
// quadratic in their number, minutes for a file of a few MB.
TEST_F(SkinCheckTest, UnknownElementsCostNoQueryEach) {
  std::vector<int> queries;
  for (int unknown : {1, 100, 2000}) {
    std::string many;
    for (int i = 0; i < unknown; ++i) many += "<sparkle size=\"1\"/>";
    CountingXml counting;
    SkinServices countingServices{counting, images, text, format};
    dir.Write("skin/skin.xml", Edited(kSkinXml, {{"<glass>", many + "<glass>"}}));
    EXPECT_EQ(CheckSkin(Folder(), countingServices, lister).size(), static_cast<size_t>(unknown)) << unknown;
    queries.push_back(counting.queries);
  }
  EXPECT_EQ(queries[1], queries[0]);
  EXPECT_EQ(queries[2], queries[0]);
}
