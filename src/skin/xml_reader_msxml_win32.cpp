#include "skin/xml_reader_msxml_win32.h"

#include <windows.h>

#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <utility>

#include "base/handles_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"
#include "skin/skin_xml_guard.h"

namespace {

// mingw's import libraries lack the MSXML interface ids.
const IID kIidXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// A COM interface pointer, released when the owner goes.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { if (p_) p_->Release(); }
  ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  ComPtr& operator=(ComPtr&&) = delete;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  T** out() { return &p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::string& s) {
    const std::wstring w = Wide(s);
    b_ = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
  }
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() { return &b_; }

 private:
  BSTR b_ = nullptr;
};

// A VARIANT the parser filled, cleared when the owner goes.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  const VARIANT& get() const { return v_; }
  VARIANT* out() { return &v_; }

 private:
  VARIANT v_;
};

// A BSTR carries its length: a NUL inside it is text, not its end.
std::string Narrow(BSTR w) {
  if (!w) return {};
  return Utf8(std::wstring_view(w, SysStringLen(w)));
}

std::string NodeValue(IXMLDOMNode* node) {
  Variant v;
  if (FAILED(node->get_nodeValue(v.out())) || v.get().vt != VT_BSTR) return {};
  return Narrow(v.get().bstrVal);
}

class MsxmlNode : public XmlNode {
 public:
  explicit MsxmlNode(ComPtr<IXMLDOMNode> node) : node_(std::move(node)) {}
  std::string Value() const override { return NodeValue(node_.get()); }
  std::optional<std::string> Attribute(const std::string& name) const override {
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    if (FAILED(node_->get_attributes(attributes.out())) || !attributes) return std::nullopt;
    ComPtr<IXMLDOMNode> attribute;
    Bstr bname(name);
    if (attributes->getNamedItem(bname.get(), attribute.out()) != S_OK || !attribute) return std::nullopt;
    return NodeValue(attribute.get());
  }
  std::string Name() const override {
    DOMNodeType type;
    if (FAILED(node_->get_nodeType(&type)) || (type != NODE_ELEMENT && type != NODE_ATTRIBUTE)) return {};
    Bstr name;
    if (FAILED(node_->get_nodeName(name.out()))) return {};
    return Narrow(name.get());
  }
  std::vector<std::unique_ptr<XmlNode>> SelectNodes(const std::string& xpath) const override {
    ComPtr<IXMLDOMNodeList> list;
    Bstr query(xpath);
    if (FAILED(node_->selectNodes(query.get(), list.out())) || !list) throw OrmelError("Invalid XPath query: " + xpath);
    std::vector<std::unique_ptr<XmlNode>> nodes;
    for (;;) {
      ComPtr<IXMLDOMNode> node;
      if (list->nextNode(node.out()) != S_OK || !node) break;
      nodes.push_back(std::make_unique<MsxmlNode>(std::move(node)));
    }
    return nodes;
  }

 private:
  ComPtr<IXMLDOMNode> node_;
};

class MsxmlDocument : public XmlDocument {
 public:
  explicit MsxmlDocument(ComPtr<IXMLDOMDocument2> doc) : doc_(std::move(doc)) {}
  std::unique_ptr<XmlNode> SelectSingleNode(const std::string& xpath) override {
    ComPtr<IXMLDOMNode> node;
    Bstr query(xpath);
    const HRESULT hr = doc_->selectSingleNode(query.get(), node.out());
    if (FAILED(hr)) throw OrmelError("Invalid XPath query: " + xpath);
    if (!node) return nullptr;
    return std::make_unique<MsxmlNode>(std::move(node));
  }

 private:
  ComPtr<IXMLDOMDocument2> doc_;
};

class MsxmlReader : public XmlReader {
 public:
  MsxmlReader() { CoInitialize(nullptr); }
  ~MsxmlReader() override { CoUninitialize(); }

  std::unique_ptr<XmlDocument> Open(const std::string& path) override {
    ComPtr<IXMLDOMDocument2> doc = CreateDocument();
    doc->put_async(VARIANT_FALSE);
    // A skin needs neither a document type nor other files: whichever MSXML loaded, and
    // whatever its defaults, it reads none, so that a skin can neither expand entities nor
    // read files it names.
    doc->put_resolveExternals(VARIANT_FALSE);
    doc->put_validateOnParse(VARIANT_FALSE);
    SetProperty(doc.get(), "ProhibitDTD", BoolVariant(true));
    SetProperty(doc.get(), "ResolveExternals", BoolVariant(false));
    Bstr wpath(path);
    // Some parsers report a missing file and a malformed one alike; the file is checked first.
    const std::string file = ReadGuarded(wpath.get());
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = wpath.get();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    doc->load(source, &loaded);
    if (loaded != VARIANT_TRUE) {
      if (const std::optional<std::string> open = ElementLeftOpen(file)) throw OrmelError(*open);
      throw OrmelError(ParseErrorText(doc.get()));  // the loader names the file
    }
    VARIANT language;
    VariantInit(&language);
    language.vt = VT_BSTR;
    Bstr xpath("XPath");
    language.bstrVal = xpath.get();
    SetProperty(doc.get(), "SelectionLanguage", language);
    return std::make_unique<MsxmlDocument>(std::move(doc));
  }

 private:
  static VARIANT BoolVariant(bool value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
  }

  // A version that lacks the property keeps its default; the file is checked beforehand.
  static void SetProperty(IXMLDOMDocument2* doc, const char* name, const VARIANT& value) {
    Bstr property(name);
    doc->setProperty(property.get(), value);
  }

  // The file's bytes, once it is known to be within the cap and to declare no document type.
  static std::string ReadGuarded(const wchar_t* path) {
    KernelHandle handle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle.get() == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      throw OrmelError(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? "The file does not exist."
                                                                                      : "The file could not be read.");
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle.get(), &size)) throw OrmelError("The file could not be read.");
    RefuseOversizedSkinXml(static_cast<std::uint64_t>(size.QuadPart));
    std::string file(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!file.empty() && (!ReadFile(handle.get(), file.data(), static_cast<DWORD>(file.size()), &read, nullptr) ||
                          read != file.size()))
      throw OrmelError("The file could not be read.");
    RefuseDocumentType(file);
    return file;
  }

  static ComPtr<IXMLDOMDocument2> CreateDocument() {
    for (const wchar_t* progId : {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0"}) {
      CLSID clsid;
      if (FAILED(CLSIDFromProgID(progId, &clsid))) continue;
      ComPtr<IXMLDOMDocument2> doc;
      if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIidXmlDomDocument2,
                                     reinterpret_cast<void**>(doc.out()))))
        return doc;
    }
    throw OrmelError("The XML parser (MSXML) is not available.");
  }

  static std::string ParseErrorText(IXMLDOMDocument2* doc) {
    const char* const kUnreadable = "The skin description could not be read.";
    ComPtr<IXMLDOMParseError> error;
    Bstr reason;
    std::string text;
    if (!SUCCEEDED(doc->get_parseError(error.out())) || !error) return kUnreadable;
    if (SUCCEEDED(error->get_reason(reason.out()))) text = Narrow(reason.get());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    // A reason of one word (Wine's parser says only "error") tells an author nothing.
    if (text.empty() || text == "error") text = "It is not well-formed XML; this system's XML reader does not say where.";
    // A missing file has no place in it; a malformed one names where the parser stopped.
    long line = 0, column = 0;
    if (SUCCEEDED(error->get_line(&line)) && SUCCEEDED(error->get_linepos(&column)) && line > 0)
      text = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + text;
    return text;
  }
};

}  // namespace

std::unique_ptr<XmlReader> CreateMsxmlReader() { return std::make_unique<MsxmlReader>(); }
