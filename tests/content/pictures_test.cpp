// Checks of the shipped month pictures and icon bitmaps: format, palette and
// the two colours they may use.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "content/table_files.h"

namespace content {
namespace {

uint32_t U32(const std::string& bytes, std::size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

uint16_t U16(const std::string& bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1])
                                                                     << 8);
}

// Checks a 4-bit, uncompressed, bottom-up bitmap with the standard 16-colour
// palette that uses red (9) on white (15) only; returns its pixel bytes.
std::string CheckSolarBitmap(const std::string& file, int32_t size) {
  SCOPED_TRACE(file);
  const std::string bytes = ReadFileBytes(std::string(VELUNOR_DATA_DIR) + "/" + file);
  const std::size_t rowBytes = static_cast<std::size_t>((size * 4 + 31) / 32 * 4);
  const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(size);
  EXPECT_EQ(bytes.size(), 14 + 40 + 64 + pixelBytes);
  if (bytes.size() != 14 + 40 + 64 + pixelBytes) return {};
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 10), 118u);
  EXPECT_EQ(U32(bytes, 14), 40u);
  EXPECT_EQ(U32(bytes, 18), static_cast<uint32_t>(size));
  EXPECT_EQ(U32(bytes, 22), static_cast<uint32_t>(size));  // positive height: bottom-up
  EXPECT_EQ(U16(bytes, 26), 1);
  EXPECT_EQ(U16(bytes, 28), 4);
  EXPECT_EQ(U32(bytes, 30), 0u);  // uncompressed
  // Palette entries are blue, green, red, 0.
  EXPECT_EQ(bytes.substr(54 + 9 * 4, 4), std::string("\x00\x00\xFF\x00", 4));
  EXPECT_EQ(bytes.substr(54 + 15 * 4, 4), std::string("\xFF\xFF\xFF\x00", 4));
  EXPECT_EQ(bytes.substr(54, 4), std::string("\x00\x00\x00\x00", 4));
  EXPECT_EQ(bytes.substr(54 + 7 * 4, 4), std::string("\xC0\xC0\xC0\x00", 4));
  EXPECT_EQ(bytes.substr(54 + 8 * 4, 4), std::string("\x80\x80\x80\x00", 4));

  const std::string pixels = bytes.substr(118);
  std::set<int> used;
  for (const char byte : pixels) {
    used.insert(static_cast<uint8_t>(byte) >> 4);
    used.insert(static_cast<uint8_t>(byte) & 0x0F);
  }
  EXPECT_EQ(used, (std::set<int>{9, 15}));
  return pixels;
}

TEST(MonthPictures, TwelveDistinctRedOnWhiteBitmaps) {
  std::set<std::string> distinct;
  for (int month = 1; month <= 12; ++month) {
    distinct.insert(CheckSolarBitmap("sun" + std::to_string(month) + ".bmp", 200));
  }
  EXPECT_EQ(distinct.size(), 12u);
}

TEST(MonthPictures, IconBitmaps) {
  CheckSolarBitmap("icons/velunor-32.bmp", 32);
  CheckSolarBitmap("icons/velunor-16.bmp", 16);
}

}  // namespace
}  // namespace content
