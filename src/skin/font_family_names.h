#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The family names a TrueType or OpenType font file gives (name ID 1, in every language it
// carries, as UTF-8): the names GDI matches a label's font name against. Empty when the data
// is not such a font or names no family.
std::vector<std::string> FontFamilyNames(const std::vector<uint8_t>& file);
