// Times the calendar's export from the command line as a whole process:
// `velunor --calendar … --ics` for one month and for twelve, and `--json` for
// twelve (start-up, place list, one calculator run, composition, output).
// Usage: calendar_export_bench [runs]   (default 20)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/frontend/timings.h"

namespace {

double TimeRun(const QStringList& arguments) {
  QProcess process;
  process.setProgram(QStringLiteral(VELUNOR_PROGRAM));
  process.setArguments(arguments);
  QElapsedTimer clock;
  clock.start();
  process.start();
  process.waitForFinished(60'000);
  const double elapsed = clock.nsecsElapsed() / 1e6;
  if (process.exitCode() != 0 || process.readAllStandardOutput().isEmpty()) {
    std::fprintf(stderr, "velunor %s failed: %s\n", qPrintable(arguments.join(u' ')),
                 process.readAllStandardError().constData());
  }
  return elapsed;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  const int runs = std::max(arguments.size() > 1 ? arguments[1].toInt() : 20, 1);
  const struct {
    const char* what;
    QStringList options;
  } cases[] = {
      {"--ics, 1 month, Москва",
       {QStringLiteral("--calendar"), QStringLiteral("2026-12"), QStringLiteral("--place"),
        QStringLiteral("Москва"), QStringLiteral("--ics")}},
      {"--ics, 12 months, Москва",
       {QStringLiteral("--calendar"), QStringLiteral("2026-12"), QStringLiteral("--months"),
        QStringLiteral("12"), QStringLiteral("--place"), QStringLiteral("Москва"),
        QStringLiteral("--ics")}},
      {"--ics, 12 months, Киев (summer time)",
       {QStringLiteral("--calendar"), QStringLiteral("2026-01"), QStringLiteral("--months"),
        QStringLiteral("12"), QStringLiteral("--place"), QStringLiteral("Киев"),
        QStringLiteral("--ics")}},
      {"--json, 12 months, Киев",
       {QStringLiteral("--calendar"), QStringLiteral("2026-01"), QStringLiteral("--months"),
        QStringLiteral("12"), QStringLiteral("--place"), QStringLiteral("Киев"),
        QStringLiteral("--json")}},
  };
  for (const auto& c : cases) {
    TimeRun(c.options);  // warms the disk cache
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) samples.push_back(TimeRun(c.options));
    bench::Print(c.what, samples.size(), bench::Summarise(samples));
  }
  return 0;
}
