#include "skin/xml_reader_pugixml_native.h"

#include <pugixml.hpp>

#include "base/ormel_error.h"

namespace {

class PugiNode : public XmlNode {
 public:
  explicit PugiNode(pugi::xpath_node node) : node_(node) {}

  std::string Value() const override {
    if (node_.attribute()) return node_.attribute().value();
    return node_.node().type() == pugi::node_element ? std::string() : node_.node().value();
  }

  std::optional<std::string> Attribute(const std::string& name) const override {
    const pugi::xml_attribute a = node_.node().attribute(name.c_str());
    if (!a) return std::nullopt;
    return std::string(a.value());
  }

 private:
  pugi::xpath_node node_;
};

class PugiDocument : public XmlDocument {
 public:
  explicit PugiDocument(const std::string& path) {
    const pugi::xml_parse_result r = doc_.load_file(path.c_str());
    if (!r) throw OrmelError(r.description());
  }

  std::unique_ptr<XmlNode> SelectSingleNode(const std::string& xpath) override {
    try {
      const pugi::xpath_node node = doc_.select_node(xpath.c_str());
      if (!node) return nullptr;
      return std::make_unique<PugiNode>(node);
    } catch (const pugi::xpath_exception& e) {
      throw OrmelError(e.what());
    }
  }

 private:
  pugi::xml_document doc_;
};

}  // namespace

std::unique_ptr<XmlDocument> PugiXmlReader::Open(const std::string& path) {
  return std::make_unique<PugiDocument>(path);
}
