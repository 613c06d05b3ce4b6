// Draws the month pictures and the program icon:
//   month-pictures <data directory>
// writes sun1.bmp .. sun12.bmp (200 x 200) and icons/velunor-32.bmp,
// icons/velunor-16.bmp, icons/velunor-1024.bmp: 4 bits per pixel, the standard
// 16-colour palette, a red (entry 9) solar sign on white (entry 15).
//
// The PNG icons of the desktop icon theme are made from the BMPs with
// ImageMagick, white made transparent; the large sizes are smoothed down from
// the 1024-pixel drawing (which is not kept in the repository):
//   convert data/icons/velunor-32.bmp -transparent white data/icons/velunor-32.png
//   convert data/icons/velunor-16.bmp -transparent white data/icons/velunor-16.png
//   for s in 48 64 128 256; do convert data/icons/velunor-1024.bmp
//     -transparent white -filter Lanczos -resize ${s}x${s}
//     PNG32:data/icons/velunor-$s.png; done   (one command line)
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

#include "bmp4.h"
#include "symbols.h"

namespace {

using month_pictures::IndexedImage;
using month_pictures::Point;

// Each pixel is sampled 4 x 4 times and turns red when at least half of its
// samples are ink, which keeps curves smooth with only two colours.
IndexedImage Render(int size, const std::function<bool(Point)>& ink) {
  constexpr int kSamples = 4;
  IndexedImage image{size, size, {}};
  image.pixels.reserve(static_cast<std::size_t>(size) * size);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (column + (sx + 0.5) / kSamples) / size * 2 - 1;
          const double y = 1 - (row + (sy + 0.5) / kSamples) / size * 2;
          if (ink({x, y})) ++hits;
        }
      }
      image.pixels.push_back(2 * hits >= kSamples * kSamples ? month_pictures::kRed
                                                             : month_pictures::kWhite);
    }
  }
  return image;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data directory>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  try {
    for (int month = 1; month <= 12; ++month) {
      const auto ink = [month](Point p) { return month_pictures::MonthSignInk(month, p); };
      WriteFile(directory / ("sun" + std::to_string(month) + ".bmp"),
                month_pictures::EncodeBmp4(Render(200, ink)));
    }
    std::filesystem::create_directories(directory / "icons");
    // 32 and 16 for the window; the large one only as the source of the
    // desktop theme's smoothed PNG icons (see data/README).
    for (const int size : {1024, 32, 16}) {
      WriteFile(directory / "icons" / ("velunor-" + std::to_string(size) + ".bmp"),
                month_pictures::EncodeBmp4(Render(
                    size, [size](Point p) { return month_pictures::IconSignInk(p, 2.0 / size); })));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "month-pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
