#include "bmp4.h"

#include <array>

namespace month_pictures {
namespace {

// Entries 0..15 as R, G, B.
constexpr std::array<std::array<uint8_t, 3>, 16> kStandardPalette = {{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kPaletteBytes = 16 * 4;

void PutU16(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void PutU32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

std::string EncodeBmp4(const IndexedImage& image) {
  const uint32_t rowBytes = ((static_cast<uint32_t>(image.width) * 4 + 31) / 32) * 4;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
  const uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kPaletteBytes;

  std::string out;
  out += "BM";
  PutU32(out, pixelOffset + pixelBytes);
  PutU32(out, 0);  // reserved
  PutU32(out, pixelOffset);

  PutU32(out, kInfoHeaderBytes);
  PutU32(out, static_cast<uint32_t>(image.width));
  PutU32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up
  PutU16(out, 1);                                    // planes
  PutU16(out, 4);                                    // bits per pixel
  PutU32(out, 0);                                    // no compression
  PutU32(out, pixelBytes);
  PutU32(out, 0);   // horizontal resolution not stated
  PutU32(out, 0);   // vertical resolution not stated
  PutU32(out, 16);  // palette entries
  PutU32(out, 0);   // all entries important

  for (const auto& [r, g, b] : kStandardPalette) {
    out += static_cast<char>(b);
    out += static_cast<char>(g);
    out += static_cast<char>(r);
    out += '\0';
  }

  for (int y = image.height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < image.width; ++x) {
      const uint8_t index = image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0x0F;
      // The left pixel of each pair sits in the high nibble.
      row[static_cast<std::size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
    }
    out += row;
  }
  return out;
}

}  // namespace month_pictures
