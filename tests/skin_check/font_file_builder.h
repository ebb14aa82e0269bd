#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The smallest sfnt file a face-name reader needs: the offset table and one "name" table
// with the given records. Strings are stored as given (UTF-16BE for the Windows platform).
class FontFileBuilder {
 public:
  FontFileBuilder& Name(uint16_t platform, uint16_t encoding, uint16_t nameId, std::vector<uint8_t> bytes) {
    records_.push_back({platform, encoding, nameId, std::move(bytes)});
    return *this;
  }
  // A Windows Unicode name of ASCII text.
  FontFileBuilder& WindowsName(uint16_t nameId, const std::string& text) {
    std::vector<uint8_t> utf16;
    for (char c : text) utf16.insert(utf16.end(), {0, static_cast<uint8_t>(c)});
    return Name(3, 1, nameId, utf16);
  }
  FontFileBuilder& Version(uint32_t v) {
    version_ = v;
    return *this;
  }

  std::vector<uint8_t> bytes() const {
    std::vector<uint8_t> name;
    Put16(name, 0);
    Put16(name, static_cast<uint16_t>(records_.size()));
    Put16(name, static_cast<uint16_t>(6 + 12 * records_.size()));
    std::vector<uint8_t> strings;
    for (const Record& r : records_) {
      for (uint16_t v : {r.platform, r.encoding, uint16_t(0x409), r.nameId,
                         static_cast<uint16_t>(r.bytes.size()), static_cast<uint16_t>(strings.size())})
        Put16(name, v);
      strings.insert(strings.end(), r.bytes.begin(), r.bytes.end());
    }
    name.insert(name.end(), strings.begin(), strings.end());

    std::vector<uint8_t> file;
    Put32(file, version_);
    for (uint16_t v : {1, 16, 0, 0}) Put16(file, v);  // one table; search fields unread
    Put32(file, 0x6E616D65);                          // "name"
    Put32(file, 0);                                   // checksum, unread
    Put32(file, 28);
    Put32(file, static_cast<uint32_t>(name.size()));
    file.insert(file.end(), name.begin(), name.end());
    return file;
  }

 private:
  struct Record {
    uint16_t platform, encoding, nameId;
    std::vector<uint8_t> bytes;
  };
  static void Put16(std::vector<uint8_t>& out, uint16_t v) { out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)}); }
  static void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, uint16_t(v >> 16));
    Put16(out, uint16_t(v));
  }

  uint32_t version_ = 0x00010000;
  std::vector<Record> records_;
};
