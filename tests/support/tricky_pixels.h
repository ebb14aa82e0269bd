#pragma once
#include <cstdint>
#include <vector>

// Pixels that take every path of a blend, in an order that puts every kind of group of four
// together somewhere: every alpha 0 to 255 with colour at, below and above it (not really
// premultiplied), and runs of nine pixels all transparent, all opaque, and of both mixed.
std::vector<uint32_t> TrickyPixels();
// The same pixels in another order, to lie under them.
std::vector<uint32_t> TrickyPixelsShuffled(unsigned seed);
