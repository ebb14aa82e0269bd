#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The platform's colour-text form: a colour name such as "clWhite" (any letter case), or an
// integer in decimal or in hexadecimal after '$' (also "0x"), read as 0x00BBGGRR.
// Text that is neither throws OrmelError "'<text>' is not a valid integer value".
uint32_t ParseColourText(const std::string& text);

// Six hexadecimal digits after '$' are usually red, green, blue, as web pages write colours;
// the platform reads them blue first. For such a text whose red and blue differ: how it
// reads and how to write what was probably meant. Nothing for any other text.
std::optional<std::string> RedFirstColourHint(const std::string& text);
