// Times the calendar's export from the command line as a whole process:
// `velunor --calendar … --ics` for one month and for twelve, and `--json` for
// twelve (start-up, place list, one calculator run, composition, output).
// And in the process: one month placed on a zone's clock from a table's
// instants (dates, clock changes, moon phases, full moon), as every run of
// the page does for each month it brings.
// Usage: calendar_export_bench [runs]   (default 20)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/frontend/timings.h"
#include "frontend/lunar_calendar/zoned_month.h"

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

// Lunar-day starts every 24 h 50 min from December 2025 on, numbered 1..30:
// as many rows as the calculator gives for seven lunations.
std::vector<frontend::LunarDayInstant> Rows() {
  std::vector<frontend::LunarDayInstant> rows;
  const int64_t first = 1764547200;  // 2025-12-01 00:00 UTC
  for (int32_t i = 0; i < 210; ++i) rows.push_back({first + i * 89400, i % 30 + 1});
  return rows;
}

void TimeMonthOnClock(int runs) {
  const auto rows = Rows();
  const frontend::CalendarZone zone =
      frontend::CalendarZone::Following(QStringLiteral("Europe/Kyiv"));
  std::vector<double> samples;
  for (int i = 0; i < runs * 10; ++i) {
    QElapsedTimer clock;
    clock.start();
    const auto month = frontend::LunarMonthOn(zone, rows, {2026, 3 + i % 4});
    samples.push_back(clock.nsecsElapsed() / 1e6);
    if (!month) std::fprintf(stderr, "no month\n");
  }
  bench::Print("a month on Europe/Kyiv's clock (in process)", samples.size(),
               bench::Summarise(samples));
}

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
  TimeMonthOnClock(runs);
  for (const auto& c : cases) {
    TimeRun(c.options);  // warms the disk cache
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) samples.push_back(TimeRun(c.options));
    bench::Print(c.what, samples.size(), bench::Summarise(samples));
  }
  return 0;
}
