#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// Text inside the clock is UTF-8 in std::string; the platform speaks UTF-16. These are the
// only conversions between the two. What is not valid in the source (a broken UTF-8 sequence,
// a lone surrogate) becomes U+FFFD, so nothing read from outside can stop a conversion.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// A file path given as UTF-8, for the standard streams: on Windows they then open the file by
// its UTF-16 name, whatever the system's code page can hold.
std::filesystem::path PathFromUtf8(const std::string& utf8);
