// Times one pass of the place search over the whole built-in list, as each
// keystroke in the place box makes: short prefixes match thousands of names,
// longer ones a few, a missing name none.
// Usage: place_search_bench [passes]   (default 2000 per text)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "frontend/places/place_list.h"
#include "frontend/places/place_search.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int passes = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
  QFile file(QStringLiteral(VELUNOR_DATA_DIR "/coord.dat"));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
    return 1;
  }
  QStringList names;
  for (const QString& line : frontend::ReadPlaceList(file.readAll()))
    names.append(frontend::PlaceName(line));

  QElapsedTimer build;
  build.start();
  const frontend::PlaceSearch search(names);
  std::printf("%lld names, index built in %.2f ms\n", static_cast<long long>(names.size()),
              build.nsecsElapsed() / 1e6);
  std::printf("%-12s %8s %10s %10s %10s\n", "typed", "matches", "median ms", "min ms", "max ms");
  for (const char* typed : {"м", "мо", "моск", "МОСК", "s", "san", "york", "орел", "zzzz"}) {
    const QString text = QString::fromUtf8(typed);
    std::vector<double> samples;
    qsizetype matches = 0;
    for (int i = 0; i < passes; ++i) {
      QElapsedTimer timer;
      timer.start();
      matches = search.Find(text).size();
      samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    std::printf("%-12s %8lld %10.3f %10.3f %10.3f\n", typed, static_cast<long long>(matches),
                samples[samples.size() / 2], samples.front(), samples.back());
  }
  return 0;
}
