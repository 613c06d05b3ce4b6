// Uncompressed, bottom-up Windows bitmaps at 4 bits per pixel with the
// standard 16-colour palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace month_pictures {

inline constexpr uint8_t kRed = 9;     // FF0000 in the standard palette
inline constexpr uint8_t kWhite = 15;  // FFFFFF

// Palette indexes, row by row from the top.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height entries, 0..15
};

// The file's bytes: 14-byte file header, 40-byte information header, 64-byte
// palette, then the rows from the bottom up, each padded to 4 bytes.
std::string EncodeBmp4(const IndexedImage& image);

}  // namespace month_pictures
