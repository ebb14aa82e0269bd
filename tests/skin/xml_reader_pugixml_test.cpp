#include "skin/xml_reader_pugixml_native.h"

#include <gtest/gtest.h>

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
