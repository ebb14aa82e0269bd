#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One node that an XPath query selected: an element, a text node or an attribute.
class XmlNode {
 public:
  virtual ~XmlNode() = default;
  // Text of a text node, value of an attribute; empty for an element.
  virtual std::string Value() const = 0;
  // The element's attribute of that name, if it has one.
  virtual std::optional<std::string> Attribute(const std::string& name) const = 0;
  // The element's or attribute's name; empty for a text node.
  virtual std::string Name() const = 0;
  // Every node an XPath query relative to this element selects, in document order: one pass
  // over them, where a query by position for each would cost a pass for each.
  virtual std::vector<std::unique_ptr<XmlNode>> SelectNodes(const std::string& xpath) const = 0;
};

// An open skin.xml. Nodes it hands out live no longer than the document.
class XmlDocument {
 public:
  virtual ~XmlDocument() = default;
  // The first node the query selects, or null when it selects none.
  virtual std::unique_ptr<XmlNode> SelectSingleNode(const std::string& xpath) = 0;
};

// The platform XML service. Failures throw OrmelError carrying the service's own message.
class XmlReader {
 public:
  virtual ~XmlReader() = default;
  virtual std::unique_ptr<XmlDocument> Open(const std::string& path) = 0;
};
