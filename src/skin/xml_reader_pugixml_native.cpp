#include "skin/xml_reader_pugixml_native.h"

#include <pugixml.hpp>

#include <fstream>

#include "base/ormel_error.h"

namespace {

// pugixml tells the byte offset of a parse error; authors look for a line and column.
std::string WhereInFile(const std::string& path, std::ptrdiff_t offset) {
  std::ifstream in(path, std::ios::binary);
  int line = 1, column = 1;
  char c;
  for (std::ptrdiff_t i = 0; i < offset && in.get(c); ++i) {
    if (c == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

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

  std::string Name() const override {
    return node_.attribute() ? node_.attribute().name() : node_.node().name();
  }

 private:
  pugi::xpath_node node_;
};

class PugiDocument : public XmlDocument {
 public:
  explicit PugiDocument(const std::string& path) {
    const pugi::xml_parse_result r = doc_.load_file(path.c_str());
    if (r.status == pugi::status_file_not_found) throw OrmelError("The file does not exist.");
    if (r.status == pugi::status_io_error) throw OrmelError("The file could not be read.");
    if (!r) throw OrmelError(WhereInFile(path, r.offset) + r.description());
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
