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
#include <vector>

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader.h"
#include "skin/skin_xml_guard.h"

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

// The checker walks the description element by element to find names the loader does not read.
TYPED_TEST_P(XmlReaderContract, ListsElementsAndAttributesInOrder) {
  auto doc = this->reader->Open(TypeParam::PathOf(this->dir.Write("skin.xml", kWrittenSkin)));
  auto skin = doc->SelectSingleNode("skin");
  ASSERT_NE(skin, nullptr);
  const std::pair<const char*, std::vector<std::string>> listed[] = {
      {"*", {"clockface", "sounds", "label", "label"}},
      {"clockface/@*", {"width", "height"}},
      {"label[1]/@*", {"id", "text", "x"}},
      {"sounds/*", {"chime"}},
      {"glass/*", {}},
  };
  for (const auto& [xpath, names] : listed) {
    std::vector<std::string> found;
    for (const auto& node : skin->SelectNodes(xpath)) found.push_back(node->Name());
    EXPECT_EQ(found, names) << xpath;
  }
  EXPECT_THROW(skin->SelectNodes("label[@id="), OrmelError);
}

// A skin can neither expand entities nor read other files, nor stall the clock with its size:
// both readers refuse such a description in the same words, before parsing it.
TYPED_TEST_P(XmlReaderContract, RefusesDocumentTypesAndOversizedFiles) {
  XmlReader& reader = *this->reader;
  const std::string secret = this->dir.Write("secret.txt", "face.png");
  const std::pair<const char*, std::string> refused[] = {
      {"entity expansion",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE skin [\n <!ENTITY a \"aaaaaaaaaaaaaaaa\">\n"
       " <!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
       " <!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n]>\n"
       "<skin><clockface>&c;</clockface></skin>"},
      {"external entity",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE skin [<!ENTITY face SYSTEM \"" + TypeParam::PathOf(secret) +
           "\">]>\n<skin><clockface>&face;</clockface></skin>"},
      {"external document type",
       "<!-- <skin/> -->\n<!DOCTYPE skin SYSTEM \"skin.dtd\">\n<skin><clockface>face.png</clockface></skin>"},
  };
  for (const auto& [what, xml] : refused) {
    const std::string failure = OpenFailure(reader, TypeParam::PathOf(this->dir.Write("skin.xml", xml)));
    EXPECT_NE(failure.find("declares a document type"), std::string::npos) << what << ": " << failure;
    EXPECT_EQ(failure.find("face.png"), std::string::npos) << what;
  }
  // A declaration only written in a comment or a CDATA section is no declaration.
  const char kMentioned[] = "<skin><!-- no <!DOCTYPE> here --><clockface><![CDATA[<!DOCTYPE>]]></clockface></skin>";
  auto doc = reader.Open(TypeParam::PathOf(this->dir.Write("skin.xml", kMentioned)));
  EXPECT_NE(doc->SelectSingleNode("skin/clockface"), nullptr);

  const std::string padding(kMaxSkinXmlBytes, ' ');
  EXPECT_NO_THROW(reader.Open(TypeParam::PathOf(this->dir.Write("skin.xml", "<skin/>" + padding.substr(7)))));
  EXPECT_EQ(OpenFailure(reader, TypeParam::PathOf(this->dir.Write("skin.xml", "<skin/>" + padding))),
            "the file is 4.0 MB; a skin description may be at most 4.0 MB (a skin's is a few kB), so it is not read");
}

// An element left open is named with the line it opens on, whichever tag the parser stops at.
TYPED_TEST_P(XmlReaderContract, NamesTheElementLeftOpen) {
  const std::pair<const char*, const char*> malformed[] = {
      {"<skin>\n  <label id=\"title\" text=\"a>b\">\n    <font name=\"Tahoma\"/>\n</skin>",
       "line 4: </skin> comes while <label> of line 2 is left open; close it with </label> first"},
      {"<skin>\n<!-- <glass> -->\n  <sounds>\n    <chime>c.mp3</chime>\n",
       "the file ends, but <sounds> of line 3 is left open; close it with </sounds>"},
  };
  for (const auto& [xml, expected] : malformed)
    EXPECT_EQ(OpenFailure(*this->reader, TypeParam::PathOf(this->dir.Write("skin.xml", xml))), expected) << xml;
}

REGISTER_TYPED_TEST_SUITE_P(XmlReaderContract, AnswersTheLoadersQueries, AnswersTheLoadersQueriesOnRoyale,
                            FailuresCarryTheServiceMessage, ListsElementsAndAttributesInOrder,
                            RefusesDocumentTypesAndOversizedFiles, NamesTheElementLeftOpen);

}  // namespace xml_contract
