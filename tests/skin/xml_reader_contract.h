#pragma once
// What the skin loader asks of an XML reader, as one table that every reader must answer
// alike: the clock reads skins through MSXML, the native tools through pugixml, and a
// skin that checks clean natively must load the same in the clock. Each reader's test
// instantiates the suite with a Reader type that has
//   static std::unique_ptr<XmlReader> Make();
//   static std::string PathOf(const std::string& written);  // a TempFolder file as the reader names it
//   static std::string RoyaleXml();                           // the shipped royale's skin.xml
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader.h"

namespace xml_contract {

// A description with what the loader meets: numbers that are none, a backslash in a text,
// attributes present and missing.
inline constexpr char kWrittenSkin[] = R"(<?xml version="1.0"?>
<skin>
  <clockface width="150" height="abc">face.png</clockface>
  <sounds><chime>sound\chime.mp3</chime></sounds>
  <label id="weekday" text="WED" x="50"><font name="Small Fonts"/></label>
  <label id="title" text="clock" x="45" width="60"><font name="Tahoma" size="7"/></label>
</skin>)";

// One query: the value of the node it selects, or of that node's attribute when one is
// named; no answer when there is no such node or attribute.
struct Query {
  const char* xpath;
  const char* attribute;
  std::optional<std::string> answer;
};

inline const Query kWrittenQueries[] = {
    {"skin/clockface/text()", nullptr, "face.png"},
    {"skin/clockface/@width", nullptr, "150"},
    {"skin/clockface/@height", nullptr, "abc"},
    {"skin/sounds/chime/text()", nullptr, "sound\\chime.mp3"},
    {"skin/label[@id=\"title\"]/font/@size", nullptr, "7"},
    {"skin/label[@id=\"title\"]", nullptr, ""},  // an element has no value of its own
    {"skin/glass/text()", nullptr, std::nullopt},
    {"skin/label[@id=\"date\"]", nullptr, std::nullopt},
    {"skin/label[@id=\"title\"]", "text", "clock"},
    {"skin/label[@id=\"title\"]", "width", "60"},
    {"skin/label[@id=\"title\"]", "height", std::nullopt},
    {"skin/label[@id=\"title\"]", "Width", std::nullopt},  // names are exact
};

inline const Query kRoyaleQueries[] = {
    {"skin/clockface/text()", nullptr, "face.png"},
    {"skin/clockface/@width", nullptr, "192"},
    {"skin/sounds/chime/text()", nullptr, "sound\\chime.mp3"},
    {"skin/hours/bitmapCenter/@y", nullptr, "46"},
    {"skin/label[@id=\"time\"]/font/@name", nullptr, "DSEG7 Classic"},
    {"skin/label[@id=\"nothing\"]", nullptr, std::nullopt},
    {"skin/label[@id=\"weekday\"]", "text", "WEDNESDAY"},
    {"skin/label[@id=\"weekday\"]", "width", std::nullopt},
};

template <typename Reader>
class XmlReaderContract : public ::testing::Test {
 protected:
  template <size_t N>
  void ExpectAnswers(const std::string& path, const Query (&queries)[N]) {
    auto doc = reader->Open(path);
    for (const Query& q : queries) {
      SCOPED_TRACE(std::string(q.xpath) + (q.attribute ? std::string(" @") + q.attribute : ""));
      auto node = doc->SelectSingleNode(q.xpath);
      if (!q.attribute) {
        if (!q.answer) {
          EXPECT_EQ(node, nullptr);
          continue;
        }
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->Value(), *q.answer);
      } else {
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->Attribute(q.attribute), q.answer);
      }
    }
  }

  TempFolder dir;
  std::unique_ptr<XmlReader> reader = Reader::Make();
};

TYPED_TEST_SUITE_P(XmlReaderContract);

TYPED_TEST_P(XmlReaderContract, AnswersTheLoadersQueries) {
  this->ExpectAnswers(TypeParam::PathOf(this->dir.Write("skin.xml", kWrittenSkin)), kWrittenQueries);
}

TYPED_TEST_P(XmlReaderContract, AnswersTheLoadersQueriesOnRoyale) {
  this->ExpectAnswers(TypeParam::RoyaleXml(), kRoyaleQueries);
}

// What an author reads for a description that is missing or malformed, in words.
inline std::string OpenFailure(XmlReader& reader, const std::string& path) {
  try {
    reader.Open(path);
  } catch (const OrmelError& e) {
    return e.what();
  }
  return "(opened)";
}

TYPED_TEST_P(XmlReaderContract, FailuresCarryTheServiceMessage) {
  XmlReader& reader = *this->reader;
  EXPECT_EQ(OpenFailure(reader, TypeParam::PathOf(this->dir.Path() + "absent.xml")), "The file does not exist.");
  const std::string malformed =
      OpenFailure(reader, TypeParam::PathOf(this->dir.Write("bad.xml", "<skin><clockface>face.png</skin>")));
  EXPECT_NE(malformed, "(opened)");
  EXPECT_NE(malformed, "The file does not exist.");
  EXPECT_NE(malformed.find(' '), std::string::npos) << "a bare word: " << malformed;
  auto doc = reader.Open(TypeParam::PathOf(this->dir.Write("skin.xml", kWrittenSkin)));
  EXPECT_THROW(doc->SelectSingleNode("skin/label[@id="), OrmelError);
}

// The checker walks the description by position to find names the loader does not read.
TYPED_TEST_P(XmlReaderContract, NamesElementsAndAttributes) {
  auto doc = this->reader->Open(TypeParam::PathOf(this->dir.Write("skin.xml", kWrittenSkin)));
  const std::pair<const char*, const char*> named[] = {
      {"skin/*[1]", "clockface"}, {"skin/*[3]", "label"}, {"skin/*[2]/*[1]", "chime"},
      {"skin/*[1]/@*[2]", "height"}, {"skin/*[3]/font", "font"}, {"skin/*[1]/text()", ""}};
  for (const auto& [xpath, name] : named) {
    auto node = doc->SelectSingleNode(xpath);
    ASSERT_NE(node, nullptr) << xpath;
    EXPECT_EQ(node->Name(), name) << xpath;
  }
  EXPECT_EQ(doc->SelectSingleNode("skin/*[5]"), nullptr);
  EXPECT_EQ(doc->SelectSingleNode("skin/*[1]/@*[3]"), nullptr);
}

REGISTER_TYPED_TEST_SUITE_P(XmlReaderContract, AnswersTheLoadersQueries, AnswersTheLoadersQueriesOnRoyale,
                            FailuresCarryTheServiceMessage, NamesElementsAndAttributes);

}  // namespace xml_contract
