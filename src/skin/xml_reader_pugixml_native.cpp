#include "skin/xml_reader_pugixml_native.h"

#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/ormel_error.h"
#include "skin/skin_xml_guard.h"

namespace {

// pugixml tells the byte offset of a parse error; authors look for a line and column.
std::string WhereInFile(const std::string& file, std::ptrdiff_t offset) {
  int line = 1, column = 1;
  for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(file.size()); ++i) {
    if (file[i] == '\n') {
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

  std::vector<std::unique_ptr<XmlNode>> SelectNodes(const std::string& xpath) const override {
    std::vector<std::unique_ptr<XmlNode>> nodes;
    try {
      for (const pugi::xpath_node& n : node_.node().select_nodes(xpath.c_str()))
        nodes.push_back(std::make_unique<PugiNode>(n));
    } catch (const pugi::xpath_exception& e) {
      throw OrmelError(e.what());
    }
    return nodes;
  }

 private:
  pugi::xpath_node node_;
};

// The file's bytes, once it is known to be within the cap and to declare no document type.
std::string ReadGuarded(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw OrmelError("The file does not exist.");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw OrmelError("The file could not be read.");
  RefuseOversizedSkinXml(size);
  std::ifstream in(path, std::ios::binary);
  std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) throw OrmelError("The file could not be read.");
  RefuseDocumentType(file);
  return file;
}

class PugiDocument : public XmlDocument {
 public:
  explicit PugiDocument(const std::string& path) {
    const std::string file = ReadGuarded(path);
    const pugi::xml_parse_result r = doc_.load_buffer(file.data(), file.size());
    if (r.status == pugi::status_end_element_mismatch) {
      if (const std::optional<std::string> open = ElementLeftOpen(file)) throw OrmelError(*open);
    }
    if (!r) throw OrmelError(WhereInFile(file, r.offset) + r.description());
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
