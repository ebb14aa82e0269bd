#pragma once

// The texts a broken image reports; skin authors see them in the error box.
namespace png_messages {
inline constexpr const char* kInvalidHeader =
    "The file being readed is not a valid \"Portable Network Graphics\" image because it "
    "contains an invalid header. This file may be corruped, try obtaining it again.";
inline constexpr const char* kUnexpectedEnd =
    "This \"Portable Network Graphics\" image is invalid because the decoder found an "
    "unexpected end of the file.";
inline constexpr const char* kIhdrNotFirst =
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
    "(IHDR chunk is not the first)";
inline constexpr const char* kUnknownCritical =
    "This \"Portable Network Graphics\" image contains an unknown critical part which could "
    "not be decoded.";
inline constexpr const char* kCrcError =
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces "
    "of data (crc error)";
inline constexpr const char* kNoData =
    "This \"Portable Network Graphics\" image contains no data.";
inline constexpr const char* kIhdrCorrupt =
    "The \"Portable Network Graphics\" image could not be loaded because one of its main "
    "piece of data (ihdr) might be corrupted";
inline constexpr const char* kTooLarge =
    "This \"Portable Network Graphics\" image is not supported because either it's width or "
    "height exceeds the maximum size, which is 65535 pixels length.";
// Must say the pixel cap of png_chunks.h.
inline constexpr const char* kTooManyPixels =
    "This \"Portable Network Graphics\" image is not supported because its number of pixels "
    "exceeds the maximum size, which is 67108864 pixels (64 Mi pixels).";
inline constexpr const char* kUnknownCompression =
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme "
    "which could not be decoded.";
inline constexpr const char* kUnknownInterlace =
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could "
    "not be decoded.";
inline constexpr const char* kMissingParts =
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.";
// Followed by zlib's text for the failing result code.
inline constexpr const char* kInvalidCompressedData =
    "Could not decompress the image because it contains invalid compressed data.\r\n"
    " Description: ";
inline constexpr const char* kInvalidPalette =
    "The \"Portable Network Graphics\" image contains an invalid palette.";
inline constexpr const char* kNoSuchPaletteEntry = "There is no such palette entry.";
}  // namespace png_messages
