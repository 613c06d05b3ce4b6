// The table flow's ends that no valid parameter file reaches: a search that
// cannot converge and a moment without a date.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calculator/messages.h"
#include "calculator/table.h"
#include "lunar_table.h"
#include "moon_process.h"

namespace moon::testing {
namespace {

RunParameters MinskParameters(const std::filesystem::path& output) {
  RunParameters p;
  p.fileName = "p.in";
  InitMoment(p.birth.moment);
  SetDate(17, 5, 1990, p.birth.moment.dateTime);
  SetTime(14, 30, kMissingTimePart, p.birth.moment.dateTime);
  p.birth.moment.dateTime.timeZone = 3;
  p.birth.moment.place = CoordinateRecord{CoordinateKind::kPartial, CoordinateKind::kPartial,
                                          (53 * 60 + 54) * 60, (27 * 60 + 34) * 60};
  p.headerName = "Autocreated";
  p.numberOfMonths = 2;
  p.outputPath = output.string();
  return p;
}

struct FlowRun {
  int exitCode;
  std::string console;
  LunarTable table;
};

FlowRun RunFlow(const RunParameters& p) {
  std::FILE* console = std::tmpfile();
  FlowRun run;
  run.exitCode = ComputeAndWriteTable(p, console);
  std::fflush(console);
  std::rewind(console);
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, console)) > 0) run.console.append(buffer, n);
  std::fclose(console);
  run.table = ParseTable(ReadFile(p.outputPath).value_or(""));
  return run;
}

TEST(TableFlowTest, ASearchThatCannotConvergeEndsWithItsOwnCode) {
  // Without a latitude there is no Ascendant, so no moonrise can be found.
  ScratchDirectory dir;
  RunParameters p = MinskParameters(dir / "out.txt");
  p.birth.moment.place.latitudeKind = CoordinateKind::kNone;
  const FlowRun run = RunFlow(p);
  EXPECT_EQ(run.exitCode, kNotConvergingExitCode);
  EXPECT_NE(run.exitCode, 0);
  EXPECT_EQ(run.console, "\rDay 1           \n" + std::string(kNotConvergingMessage) + "\n");
  ASSERT_EQ(run.table.rows.size(), 1u);  // the new moon, kept
  EXPECT_EQ(run.table.rows[0].lunarDay, 1);
  EXPECT_TRUE(run.table.crlfOnly);
}

TEST(TableFlowTest, AMomentWithoutDateStopsSilently) {
  ScratchDirectory dir;
  RunParameters p = MinskParameters(dir / "out.txt");
  p.birth.moment.dateTime.dateGiven = false;
  const FlowRun run = RunFlow(p);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.console, "");
  EXPECT_EQ(run.table.header.size(), 3u);
  EXPECT_TRUE(run.table.rows.empty());
}

}  // namespace
}  // namespace moon::testing
