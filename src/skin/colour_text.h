#pragma once
#include <cstdint>
#include <string>

// The platform's colour-text form: a colour name such as "clWhite" (any letter case), or an
// integer in decimal or in hexadecimal after '$' (also "0x"), read as 0x00BBGGRR.
// Text that is neither throws OrmelError "'<text>' is not a valid integer value".
uint32_t ParseColourText(const std::string& text);
