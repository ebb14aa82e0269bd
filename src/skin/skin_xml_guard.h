#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What both XML readers make sure of before they parse a skin.xml, so that a skin file can
// neither stall the clock nor reach outside itself, and are refused alike on every platform.

// A skin description is a few kB; this leaves a wide margin and still parses at once.
inline constexpr std::uint64_t kMaxSkinXmlBytes = 4u * 1024 * 1024;

// Throws OrmelError in words when a file of `bytes` is beyond the cap.
void RefuseOversizedSkinXml(std::uint64_t bytes);

// Throws OrmelError in words when the file declares a document type: a skin needs none, and
// without one it can neither expand entities nor name other files to be read.
void RefuseDocumentType(std::string_view file);

// For a file the parser found malformed: the element left open, when an end tag closes
// another one or the file ends first, with the lines concerned; nothing otherwise.
std::optional<std::string> ElementLeftOpen(std::string_view file);
