#pragma once
#include <cstddef>
#include <cstdint>

// CRC-32 as PNG chunks carry it (polynomial 0xEDB88320, start all ones, result inverted).
// Continue a running value by passing the previous result as crc.
uint32_t PngCrc(const uint8_t* data, size_t size, uint32_t crc = 0);
