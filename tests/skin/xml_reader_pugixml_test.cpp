#include "skin/xml_reader_pugixml_native.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_contract.h"

// The native tools' reader answers the loader's queries as the clock's reader does.
struct PugiXml {
  static std::unique_ptr<XmlReader> Make() { return std::make_unique<PugiXmlReader>(); }
  static std::string PathOf(const std::string& written) { return written; }
  static std::string RoyaleXml() { return std::string(ORMEL_SOURCE_DIR) + "/skins/royale/skin.xml"; }
};

namespace xml_contract {
INSTANTIATE_TYPED_TEST_SUITE_P(PugiXml, XmlReaderContract, PugiXml);
}  // namespace xml_contract

// pugixml gives a byte offset, which the reader turns into the line and column. MSXML says
// them itself, though not under Wine.
TEST(PugiXmlReader, AMalformedDescriptionNamesLineAndColumn) {
  TempFolder dir;
  try {
    PugiXmlReader().Open(dir.Write("bad.xml", "<skin>\n  <glass>glass.png</glass>\n</skin x>"));
    ADD_FAILURE() << "a malformed description opened";
  } catch (const OrmelError& e) {
    EXPECT_EQ(std::string(e.what()), "line 3, column 8: Error parsing end element tag");
  }
}
