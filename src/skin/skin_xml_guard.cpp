#include "skin/skin_xml_guard.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/ormel_error.h"

namespace {

// The markup of the file one character a code unit: a UTF-16 file's characters beyond
// ASCII become 0x80, which no markup uses.
std::string MarkupOf(std::string_view file) {
  const bool littleEndian = file.size() >= 2 && file[0] == '\xFF' && file[1] == '\xFE';
  const bool bigEndian = file.size() >= 2 && file[0] == '\xFE' && file[1] == '\xFF';
  if (!littleEndian && !bigEndian) return std::string(file);
  std::string markup;
  markup.reserve(file.size() / 2);
  for (size_t i = 2; i + 1 < file.size(); i += 2) {
    const unsigned char low = static_cast<unsigned char>(file[littleEndian ? i : i + 1]);
    const unsigned char high = static_cast<unsigned char>(file[littleEndian ? i + 1 : i]);
    markup += high == 0 && low < 0x80 ? static_cast<char>(low) : '\x80';
  }
  return markup;
}

struct OpenElement {
  std::string name;
  int line;
};

// Walks the markup of a file, tag by tag, keeping the elements open and the line it is on.
class MarkupWalk {
 public:
  explicit MarkupWalk(std::string_view file) : text_(MarkupOf(file)) {}

  enum class Stop { End, DocumentType, Mismatch };

  // Walks until the file ends, a document type is declared or an end tag closes an element
  // other than the one open.
  Stop Run() {
    while (Advance('<')) {
      tagLine_ = line_;
      if (Starts("<!--")) {
        Skip("-->");
      } else if (Starts("<![CDATA[")) {
        Skip("]]>");
      } else if (Starts("<!")) {  // <!DOCTYPE, or a declaration of one such as <!ENTITY
        return Stop::DocumentType;
      } else if (Starts("<?")) {
        Skip("?>");
      } else if (Starts("</")) {
        pos_ += 2;
        const std::string name = Name();
        if (open_.empty() || open_.back().name != name) {
          closing_ = name;
          return Stop::Mismatch;
        }
        open_.pop_back();
        SkipTag();
      } else {
        ++pos_;
        const std::string name = Name();
        if (!SkipTag()) open_.push_back({name, tagLine_});
      }
    }
    return Stop::End;
  }

  const std::vector<OpenElement>& Open() const { return open_; }
  const std::string& Closing() const { return closing_; }
  int TagLine() const { return tagLine_; }

 private:
  bool Starts(const char* s) const { return text_.compare(pos_, std::char_traits<char>::length(s), s) == 0; }

  // Moves to the next `c`, counting lines; false at the end.
  bool Advance(char c) {
    while (pos_ < text_.size() && text_[pos_] != c) {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
    return pos_ < text_.size();
  }

  void Skip(const char* end) {
    while (pos_ < text_.size() && !Starts(end)) {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
    pos_ += std::char_traits<char>::length(end);
  }

  std::string Name() {
    const size_t begin = pos_;
    while (pos_ < text_.size() && !std::strchr(" \t\r\n/>", text_[pos_])) ++pos_;
    return text_.substr(begin, pos_ - begin);
  }

  // Skips to the tag's end, past quoted attribute values; true when it closes itself.
  bool SkipTag() {
    char quote = 0;
    for (; pos_ < text_.size(); ++pos_) {
      const char c = text_[pos_];
      if (c == '\n') ++line_;
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        ++pos_;
        return text_[pos_ - 2] == '/';
      }
    }
    return false;
  }

  std::string text_;
  size_t pos_ = 0;
  int line_ = 1;
  int tagLine_ = 1;
  std::vector<OpenElement> open_;
  std::string closing_;
};

std::string Megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
  return text;
}

}  // namespace

void RefuseOversizedSkinXml(std::uint64_t bytes) {
  if (bytes <= kMaxSkinXmlBytes) return;
  throw OrmelError("the file is " + Megabytes(bytes) + "; a skin description may be at most " +
                   Megabytes(kMaxSkinXmlBytes) + " (a skin's is a few kB), so it is not read");
}

void RefuseDocumentType(std::string_view file) {
  MarkupWalk walk(file);
  if (walk.Run() != MarkupWalk::Stop::DocumentType) return;
  throw OrmelError("line " + std::to_string(walk.TagLine()) +
                   ": the file declares a document type (<!DOCTYPE> or <!ENTITY>); a skin description "
                   "needs none and the clock reads none, so that a skin cannot expand entities or read "
                   "other files: remove the declaration");
}

std::optional<std::string> ElementLeftOpen(std::string_view file) {
  MarkupWalk walk(file);
  const MarkupWalk::Stop stop = walk.Run();
  if (walk.Open().empty() || stop == MarkupWalk::Stop::DocumentType) return std::nullopt;
  const OpenElement& open = walk.Open().back();
  const std::string left = "<" + open.name + "> of line " + std::to_string(open.line) + " is left open";
  if (stop == MarkupWalk::Stop::End) return "the file ends, but " + left + "; close it with </" + open.name + ">";
  return "line " + std::to_string(walk.TagLine()) + ": </" + walk.Closing() + "> comes while " + left +
         "; close it with </" + open.name + "> first";
}
