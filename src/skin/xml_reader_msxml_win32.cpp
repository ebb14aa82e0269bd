#include "skin/xml_reader_msxml_win32.h"

#include <windows.h>

#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <utility>

#include "base/ormel_error.h"
#include "base/wide_text_win32.h"

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
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    Bstr wpath(path);
    // Some parsers report a missing file and a malformed one alike; the file is checked first.
    if (GetFileAttributesW(wpath.get()) == INVALID_FILE_ATTRIBUTES) throw OrmelError("The file does not exist.");
    source.bstrVal = wpath.get();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    doc->load(source, &loaded);
    if (loaded != VARIANT_TRUE) throw OrmelError(ParseErrorText(doc.get()));  // the loader names the file
    VARIANT language;
    VariantInit(&language);
    language.vt = VT_BSTR;
    Bstr xpath("XPath");
    language.bstrVal = xpath.get();
    Bstr property("SelectionLanguage");
    doc->setProperty(property.get(), language);
    return std::make_unique<MsxmlDocument>(std::move(doc));
  }

 private:
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
