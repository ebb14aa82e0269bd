#include "skin/skin_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "image/png_format.h"
#include "skin/image_utils.h"
#include "skin/skin_test_doubles.h"
#include "skin/skin_xml_fixture.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_pugixml_native.h"

namespace {

class SkinLoaderTest : public ::testing::Test {
 public:
  // Writes skin.xml into the skin folder and loads it over `skin`.
  void Load(const std::string& xml) {
    dir.Write("blue/skin.xml", xml);
    LoadSkin(Folder(), services, skin);
  }
  SkinFolder Folder() const { return {dir.Path() + "blue/", '/'}; }

  // Loads the 120 x 110 skin whose survival the failure tests check.
  void LoadPrevious() {
    images = FakeSkinImages();
    images.images["face.png"] = {120, 110};
    Load(kSkinXml);
    skin.left.state = TSknButton::kPressed;
  }
  void ExpectPrevious(const std::string& why) {
    EXPECT_EQ(skin.surfaces.face.width, 120) << why;
    EXPECT_EQ(skin.surfaces.frame.height, 110) << why;
    EXPECT_EQ(skin.surfaces.glass.width, 150) << why;
    EXPECT_EQ(skin.surfaces.minutes.bitmap.width, 5) << why;
    EXPECT_EQ(skin.labels.lTime.font.color, 0x0096BED3u) << why;
    EXPECT_EQ(skin.left.state, TSknButton::kPressed) << why;
  }
  // The message of a load that must fail.
  std::string FailedLoad(const std::string& why, const FrameSizeCheck& canPresent = nullptr) {
    try {
      LoadSkin(Folder(), services, skin, canPresent);
      ADD_FAILURE() << why << ": loaded";
    } catch (const OrmelError& e) {
      return e.what();
    }
    return "";
  }

  TempFolder dir;
  PugiXmlReader xml;
  FakeSkinImages images;
  FakeTextMeasure text;
  FormatSettings format;
  SkinServices services{xml, images, text, format};
  SkinState skin;
};

}  // namespace

TEST_F(SkinLoaderTest, BuildsEverySurfaceFromTheDescription) {
  Load(kSkinXml);
  const SkinSurfaces& s = skin.surfaces;
  for (const TBitmap32* b : {&s.face, &s.overlay.bitmap, &s.frame, &s.zoom}) {
    EXPECT_EQ(b->width, 150);
    EXPECT_EQ(b->height, 150);
  }
  EXPECT_EQ(s.buttonStrip.width, 96);
  EXPECT_EQ(s.amPm.width, 30);
  EXPECT_EQ(s.seconds.bitmap.height, 70);
  EXPECT_EQ(s.seconds.bitmap.sampler, Sampler::Lanczos3);
  EXPECT_EQ(s.overlay.bitmap.pixels[0], 0u);
  EXPECT_EQ(s.frame.drawMode, DrawMode::Opaque);
  EXPECT_EQ(s.overlay.bitmap.drawMode, DrawMode::Blend);
  EXPECT_EQ(s.glass.combineMode, CombineMode::Merge);
  EXPECT_FLOAT_EQ(s.hours.bitmapCenter.y, 42.5f);
  EXPECT_FLOAT_EQ(s.minutes.bitmapCenter.x, 2.5f);
  EXPECT_FLOAT_EQ(s.seconds.position.y, 76.0f);
  EXPECT_EQ(s.chimePath, "sound\\chime.mp3");

  // Images come from the skin folder, each over the background its role wants.
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"face.png", 0},  {"buttons.png", 0x808080}, {"glass.png", 0xFFFFFF}, {"pmam.png", 0},
      {"hours.png", 0}, {"minutes.png", 0},        {"seconds.png", 0}};
  ASSERT_EQ(images.loads.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(images.loads[i].path, Folder().path + expected[i].first);
    EXPECT_EQ(images.loads[i].background, expected[i].second);
  }

  EXPECT_EQ(skin.labels.lTime.font.color, 0x0096BED3u);
  EXPECT_EQ(skin.labels.lTime.font.height, 19);  // 14 points at 96 dpi
  EXPECT_EQ(skin.labels.lTitle.font.height, 9);
  EXPECT_EQ(skin.labels.lDate.font.color, 0xFFFFFFu);
  EXPECT_EQ(skin.right.left, 100);
  EXPECT_EQ(skin.right.height, 16);
}

TEST_F(SkinLoaderTest, FaceImageSizeReplacesTheDeclaredSize) {
  images.images["face.png"] = {300, 250};
  Load(Edited(kSkinXml, {{R"(width="150" height="150")", R"(width="600" height="400")"}}));
  for (const TBitmap32* b : {&skin.surfaces.face, &skin.surfaces.overlay.bitmap,
                             &skin.surfaces.frame, &skin.surfaces.zoom}) {
    EXPECT_EQ(b->width, 300);
    EXPECT_EQ(b->height, 250);
  }
}

TEST_F(SkinLoaderTest, UnparsableNumbersTakeTheirDefaults) {
  struct Case {
    const char* from;
    const char* to;
    std::function<double(const SkinState&)> read;
    double expected;
  };
  const Case cases[] = {
      {R"(text="WEDNESDAY" x="50")", R"(text="WEDNESDAY" x="abc")",
       [](const SkinState& s) { return s.labels.lWeekDay.left; }, 62},
      {R"(x="50" y="52")", R"(x="50" y="")", [](const SkinState& s) { return s.labels.lWeekDay.top; }, 55},
      {R"(<bitmapCenter x="2.5")", R"(<bitmapCenter x="2.5.1")",
       [](const SkinState& s) { return s.surfaces.minutes.bitmapCenter.x; }, 2.5},
      {R"(y="61"/><position x="75")", R"(y="61"/><position x="1e")",
       [](const SkinState& s) { return s.surfaces.seconds.position.x; }, 75},
      {R"(id="left" x="20" y="65" width="30")", R"(id="left" x="20" y="65" width="3O")",
       [](const SkinState& s) { return s.left.width; }, 62},
      {R"(id="right" x="100")", R"(id="right" x="1OO")", [](const SkinState& s) { return s.right.left; }, 62},
      {R"(name="Digital" size="14" color="$0096BED3")", R"(name="Digital" size="big" color="$0096BED3")",
       [](const SkinState& s) { return s.labels.lTime.font.height; }, 83},  // 62 points
      {R"(name="Digital" size="14" color="$0096BED3")", R"(name="Digital" size="0" color="$0096BED3")",
       [](const SkinState& s) { return s.labels.lTime.font.height; }, 83},
      {R"(name="Digital" size="14" color="$0096BED3")", R"(name="Digital" size="100000" color="$0096BED3")",
       [](const SkinState& s) { return s.labels.lTime.font.height; }, 83},
  };
  for (const Case& c : cases) {
    skin = SkinState();
    Load(Edited(kSkinXml, {{c.from, c.to}}));
    EXPECT_DOUBLE_EQ(c.read(skin), c.expected) << c.to;
  }
}

TEST_F(SkinLoaderTest, FloatsFollowTheUsersDecimalSeparator) {
  format.decimalSeparator = ',';
  Load(Edited(kSkinXml, {
      {R"(<bitmapCenter x="4" y="42.5"/>)", R"(<bitmapCenter x="4,25" y="42.5"/>)"},
      {R"(<position x="75" y="76"/>)", R"(<position x="75" y="76.5"/>)"},
  }));
  EXPECT_FLOAT_EQ(skin.surfaces.hours.bitmapCenter.x, 4.25f);
  EXPECT_FLOAT_EQ(skin.surfaces.hours.bitmapCenter.y, 42.5f);  // its default
  EXPECT_FLOAT_EQ(skin.surfaces.seconds.position.y, 75.0f);
}

TEST_F(SkinLoaderTest, LabelBoxes) {
  skin.labels.lTitle.width = 77;
  skin.labels.lTitle.height = 13;
  skin.labels.lAmPm.alignment = LabelAlignment::Left;
  Load(Edited(kSkinXml, {
      {R"(x="45" y="40" width="60" height="11")", R"(x="45" y="40")"},
      {R"(text="AMPM" x="100" y="95" align="center")", R"(text="AMPM" x="100" y="95" align="Center")"},
      {R"(text="date" x="62" y="112" align="center")", R"(text="date" x="62" y="112" width="40" align="right")"},
  }));
  const FaceLabels& l = skin.labels;

  // The title keeps its fixed box when the skin gives no size.
  EXPECT_EQ(l.lTitle.left, 45);
  EXPECT_EQ(l.lTitle.width, 77);
  EXPECT_EQ(l.lTitle.height, 13);

  // The others are as big as their text in the skin's font, whatever they said.
  const TextExtent eights = text.Measure(l.lTime.font, "88:88:88");
  EXPECT_EQ(l.lTime.width, eights.width);
  EXPECT_EQ(l.lTime.height, eights.height);
  EXPECT_EQ(l.lTimeBg.width, eights.width);
  EXPECT_EQ(l.lTime.left, 45);
  EXPECT_EQ(l.lWeekDay.width, text.Measure(l.lWeekDay.font, "WEDNESDAY").width);

  // A right-aligned box keeps its right edge (62 + 40) as it sizes to its text.
  const int dateWidth = text.Measure(l.lDate.font, "date").width;
  EXPECT_EQ(l.lDate.width, dateWidth);
  EXPECT_EQ(l.lDate.left + l.lDate.width, 102);
  EXPECT_EQ(l.lDate.alignment, LabelAlignment::Right);

  // Alignment words are exact: "Center" leaves what was there.
  EXPECT_EQ(l.lAmPm.alignment, LabelAlignment::Left);
  EXPECT_EQ(l.lTime.alignment, LabelAlignment::Center);
}

TEST_F(SkinLoaderTest, ButtonStatesSurviveASkinSwitch) {
  skin.left.state = TSknButton::kHover;
  Load(kSkinXml);
  EXPECT_EQ(skin.left.state, TSknButton::kHover);
  EXPECT_EQ(skin.left.left, 20);
}

TEST_F(SkinLoaderTest, AFailedLoadKeepsThePreviousSkin) {
  struct Case {
    const char* why;
    std::function<void(SkinLoaderTest&)> breakIt;
    std::string message;  // after the skin folder
  };
  const Case cases[] = {
      {"missing skin.xml",
       [](SkinLoaderTest& t) { std::filesystem::remove(t.dir.Path() + "blue/skin.xml"); }, "skin.xml: "},
      {"malformed XML", [](SkinLoaderTest& t) { t.dir.Write("blue/skin.xml", "<skin><glass>g.png</skin>"); },
       "skin.xml: "},
      {"missing node",
       [](SkinLoaderTest& t) { t.dir.Write("blue/skin.xml", Edited(kSkinXml, {{"<glass>glass.png</glass>", ""}})); },
       "skin.xml: no node matches skin/glass/text()"},
      {"missing attribute",
       [](SkinLoaderTest& t) {
         t.dir.Write("blue/skin.xml", Edited(kSkinXml, {{R"(<button id="right" x="100")", R"(<button id="right")"}}));
       },
       "skin.xml: no node matches skin/button[@id=\"right\"]/@x"},
      {"missing label font",
       [](SkinLoaderTest& t) {
         t.dir.Write("blue/skin.xml",
                     Edited(kSkinXml, {{R"(<font name="Digital" size="14" color="$003C3434"/>)", ""}}));
       },
       "skin.xml: no node matches skin/label[@id=\"timebg\"]/font"},
      {"bad colour",
       [](SkinLoaderTest& t) { t.dir.Write("blue/skin.xml", Edited(kSkinXml, {{"$0096BED3", "xyz"}})); },
       "skin.xml: skin/label[@id=\"time\"]/font/@color: 'xyz' is not a valid integer value"},
      {"missing image", [](SkinLoaderTest& t) { t.images.images.erase("minutes.png"); },
       "minutes.png: The file does not exist."},
      {"corrupt image", [](SkinLoaderTest& t) { t.images.corrupt.insert("glass.png"); },
       "glass.png: Invalid PNG signature."},
  };
  for (const Case& c : cases) {
    LoadPrevious();
    c.breakIt(*this);
    images.images["face.png"] = {200, 200};
    const std::string message = FailedLoad(c.why);
    EXPECT_EQ(message.rfind(Folder().path + c.message, 0), 0u) << c.why << ": " << message;
    ExpectPrevious(c.why);
    dir.Write("blue/skin.xml", kSkinXml);
  }
}

// What no skin author wrote: sizes beyond the cap, memory running out, a library's own
// exception, a window that cannot take the frames. Each is refused in words like a broken
// skin, and the clock keeps the skin it had.
TEST_F(SkinLoaderTest, EveryKindOfFailureKeepsThePreviousSkinAndSaysWhatIsWrong) {
  const std::string folder = Folder().path;
  struct Case {
    const char* why;
    std::function<void(SkinLoaderTest&)> breakIt;
    std::string message;
    bool framesFit = true;
  };
  const Case cases[] = {
      {"a declared face of 60000 x 60000 over a small image",
       [](SkinLoaderTest& t) {
         t.dir.Write("blue/skin.xml",
                     Edited(kSkinXml, {{R"(width="150" height="150")", R"(width="60000" height="60000")"}}));
       },
       folder + "skin.xml: the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown"},
      {"a hand image beyond the cap", [](SkinLoaderTest& t) { t.images.images["hours.png"] = {8, 3000}; },
       folder + "hours.png: the image is 8 x 3000 pixels; at most 2048 x 2048 can be shown"},
      {"memory running out",
       [](SkinLoaderTest& t) { t.images.failures["glass.png"] = std::make_exception_ptr(std::bad_alloc()); },
       folder + "glass.png: there is not enough memory to load it"},
      {"a size the containers cannot hold",
       [](SkinLoaderTest& t) {
         t.images.failures["face.png"] = std::make_exception_ptr(std::length_error("vector::_M_default_append"));
       },
       folder + "face.png: there is not enough memory to load it"},
      {"a library's own exception",
       [](SkinLoaderTest& t) {
         t.images.failures["pmam.png"] = std::make_exception_ptr(std::runtime_error("basic_ios::clear"));
       },
       folder + "pmam.png: an unexpected error stopped the load"},
      {"frames the window cannot present", [](SkinLoaderTest&) {},
       "there is not enough graphics memory to show a 200 x 200 face", false},
  };
  for (const Case& c : cases) {
    LoadPrevious();
    c.breakIt(*this);
    images.images["face.png"] = {200, 200};
    std::vector<std::pair<int, int>> asked;
    const std::string message = FailedLoad(c.why, [&](int w, int h) {
      asked.push_back({w, h});
      return c.framesFit;
    });
    EXPECT_EQ(message, c.message) << c.why;
    ExpectPrevious(c.why);
    // Only a skin built whole is offered to the window.
    EXPECT_EQ(asked.size(), c.framesFit ? 0u : 1u) << c.why;
    dir.Write("blue/skin.xml", kSkinXml);
  }
  // A face at the cap loads, and the window is asked for its frames.
  images.images["face.png"] = {2048, 2048};
  std::vector<std::pair<int, int>> asked;
  LoadSkin(Folder(), services, skin, [&](int w, int h) {
    asked.push_back({w, h});
    return true;
  });
  EXPECT_EQ(skin.surfaces.frame.width, 2048);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2048, 2048}}));
}

TEST(SkinLoadMessages, AnyFailureIsToldInWords) {
  auto textOf = [](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (...) {
      return LoadFailureText();
    }
  };
  EXPECT_EQ(textOf(std::make_exception_ptr(OrmelError("face.png: no such file"))), "face.png: no such file");
  EXPECT_EQ(textOf(std::make_exception_ptr(std::bad_alloc())), "there is not enough memory to load it");
  EXPECT_EQ(textOf(std::make_exception_ptr(std::length_error("vector::_M_default_append"))),
            "there is not enough memory to load it");
  EXPECT_EQ(textOf(std::make_exception_ptr(42)), "an unexpected error stopped the load");
  EXPECT_EQ(CannotShowSkin("huge", "the face is too big"), "The skin \"huge\" cannot be shown:\r\nthe face is too big");
}

TEST_F(SkinLoaderTest, BackslashesInFileNamesFollowTheFolder) {
  images.images["big face.png"] = {64, 64};
  Load(Edited(kSkinXml, {{">face.png<", ">img\\big face.png<"}}));
  EXPECT_EQ(images.loads.front().path, Folder().path + "img/big face.png");
  EXPECT_EQ(skin.surfaces.face.width, 64);
}

// The skin authors' page walks through this skin: the numbers it quotes must stay true.
TEST(ExampleSkin, LoadsLaidOutAsItsPageSays) {
  const PngFormatRegistration png;
  PugiXmlReader xml;
  PngSkinImages images;
  FakeTextMeasure text;
  const FormatSettings format;
  SkinState skin;
  LoadSkin(SkinFolder{std::string(ORMEL_SOURCE_DIR) + "/docs/example-skin/", '/'},
           SkinServices{xml, images, text, format}, skin);

  const SkinSurfaces& s = skin.surfaces;
  ASSERT_EQ(s.face.width, 160);
  ASSERT_EQ(s.face.height, 160);
  const FloatPoint centre{80, 80};
  // Each hand turns about the centre, its pivot inside its image, and reaches no further
  // than the face's edge.
  const std::pair<const char*, const TRotLayer*> hands[] = {
      {"hours", &s.hours}, {"minutes", &s.minutes}, {"seconds", &s.seconds}};
  for (const auto& [name, hand] : hands) {
    EXPECT_EQ(hand->position.x, centre.x) << name;
    EXPECT_EQ(hand->position.y, centre.y) << name;
    EXPECT_GT(hand->bitmapCenter.x, 0) << name;
    EXPECT_LT(hand->bitmapCenter.x, hand->bitmap.width) << name;
    EXPECT_GT(hand->bitmapCenter.y, 0) << name;
    EXPECT_LT(hand->bitmapCenter.y, hand->bitmap.height) << name;
    EXPECT_LT(hand->bitmapCenter.y, centre.y) << name << " reaches off the face";
  }
  EXPECT_EQ(s.hours.bitmapCenter.y, 38) << "the page's hour hand reach";

  // Six square frames; each button's box is the area it paints, the two side by side and
  // centred on the face.
  const int side = s.buttonStrip.height;
  EXPECT_EQ(s.buttonStrip.width, 6 * side);
  for (const TSknButton* b : {&skin.left, &skin.right}) {
    EXPECT_EQ(b->width, side + b->IconOffset);
    EXPECT_EQ(b->height, side);
  }
  EXPECT_EQ(skin.left.left + skin.left.width, skin.right.left);
  EXPECT_EQ(skin.left.left + skin.right.left + skin.right.width, 160);

  const TLabel& title = skin.labels.lTitle;
  EXPECT_EQ(title.left * 2 + title.width, 160) << "the title box is centred";
}
