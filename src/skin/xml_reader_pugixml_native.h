#pragma once
#include "skin/xml_reader.h"

// The XML service on Linux (tests and ormel-skin), over pugixml's XPath.
class PugiXmlReader : public XmlReader {
 public:
  std::unique_ptr<XmlDocument> Open(const std::string& path) override;
};
