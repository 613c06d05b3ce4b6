#include "calculator/params.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace moon {
namespace {

namespace fs = std::filesystem;

class ParamsTest : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::path(testing::TempDir()) /
                 ("params_test_" + std::to_string(::getpid()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  std::string WriteBytes(const std::string& bytes, const std::string& name = "MD.IN") {
    const fs::path path = directory_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  // Lines joined by CR LF, as the front end writes them.
  std::string WriteLines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return WriteBytes(bytes);
  }

  // The front end's usual file with one line replaced (line numbers from 1).
  LoadOutcome LoadWith(int lineNumber, const std::string& text) {
    std::string lines[10] = {"Autocreated", "7.3.1985", "5:7", "3", "",
                             "55.45",       "37.35",    "2",   "a", "/tmp/out.txt"};
    lines[lineNumber - 1] = text;
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return LoadParameters(WriteBytes(bytes));
  }

  std::string ErrorFor(int lineNumber, const std::string& text) {
    const LoadOutcome outcome = LoadWith(lineNumber, text);
    EXPECT_FALSE(outcome.ok) << "line " << lineNumber << ": " << text;
    const std::string prefix = "Error in file " + (directory_ / "MD.IN").string() + ": ";
    if (outcome.message.rfind(prefix, 0) != 0) return outcome.message;
    return outcome.message.substr(prefix.size());
  }

  fs::path directory_;
};

TEST_F(ParamsTest, FrontEndFileLoads) {
  const std::string path = WriteLines(
      {"Autocreated", "7.3.1985", "5:7", "3", "", "55.45", "37.35", "2", "a", "/tmp/x.out"});
  const LoadOutcome outcome = LoadParameters(path);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(outcome.message, "Load parameters from file " + path + " - OK");
  const RunParameters& p = outcome.parameters;
  const DateTimeRecord& dt = p.birth.moment.dateTime;
  CalendarDate date;
  ASSERT_EQ(GetDate(dt, date), 0);
  EXPECT_EQ(date.day, 7);
  EXPECT_EQ(date.month, 3);
  EXPECT_EQ(date.year, 1985);
  EXPECT_EQ(dt.secondsOfDay, 5 * 3600 + 7 * 60);
  EXPECT_EQ(dt.timeKind, TimeKind::kPartial);
  EXPECT_EQ(dt.timeZone, 3);
  EXPECT_EQ(p.birth.moment.place.latitude, (55 * 60 + 45) * 60);
  EXPECT_EQ(p.birth.moment.place.longitude, (37 * 60 + 35) * 60);
  EXPECT_EQ(p.birth.moment.place.latitudeKind, CoordinateKind::kPartial);
  EXPECT_EQ(p.birth.moment.place.longitudeKind, CoordinateKind::kPartial);
  EXPECT_EQ(p.numberOfMonths, 2);
  EXPECT_FALSE(p.progressed);
  EXPECT_EQ(p.outputPath, "/tmp/x.out");
  EXPECT_EQ(p.headerName, "Autocreated");
}

TEST_F(ParamsTest, OpenFailures) {
  const fs::path previous = fs::current_path();
  fs::current_path(directory_);
  EXPECT_EQ(LoadParameters("").message, "File MD.IN not found.");
  fs::current_path(previous);
  const std::string missingDir = (directory_ / "nowhere" / "x.in").string();
  EXPECT_EQ(LoadParameters(missingDir).message, "File " + missingDir + " not found.");
  const std::string file = WriteLines({"x"});
  EXPECT_EQ(LoadParameters(file + "/below").message, "File " + file + "/below not found.");
  if (::geteuid() != 0) {  // root reads every file
    ::chmod(file.c_str(), 0);
    EXPECT_EQ(LoadParameters(file).message, "Can not open file " + file + ". Error code = 13");
  }
  // A directory opens but cannot be read (EISDIR).
  const std::string dir = directory_.string();
  EXPECT_EQ(LoadParameters(dir).message, "Error read file " + dir + ". Error code = 21");
}

TEST_F(ParamsTest, LongFileNameIsCutTo80Characters) {
  const std::string longName = std::string(120, 'n');
  const LoadOutcome outcome = LoadParameters(longName);
  EXPECT_EQ(outcome.message, "File " + std::string(80, 'n') + " not found.");
}

TEST_F(ParamsTest, LineEndsAndEndOfFileMark) {
  // LF alone does not end a line: the whole file is one NAME line.
  LoadOutcome lfOnly =
      LoadParameters(WriteBytes("Autocreated\n7.3.1985\n5:7\n3\n\n55.45\n37.35\n2\na\n/tmp/o\n"));
  EXPECT_EQ(lfOnly.message.substr(lfOnly.message.find(": ")),
            ": bad DATE defined in line 2");  // the empty line 2 is refused

  // CR alone ends a line as well as CR LF; 0x1A ends the file.
  const LoadOutcome mixed = LoadParameters(
      WriteBytes("N\r7.3.1985\r\n5:7\r3\r\r\n55.45\r37.35\r2\ra\r/tmp/o\x1Amore\r\n"));
  ASSERT_TRUE(mixed.ok) << mixed.message;
  EXPECT_EQ(mixed.parameters.outputPath, "/tmp/o");

  const LoadOutcome cutShort =
      LoadParameters(WriteBytes("N\r\n7.3.1985\r\n5:7\r\n3\r\n\x1A\r\n55.45\r\n"));
  EXPECT_NE(cutShort.message.find("bad LATITUDE defined in line 6"), std::string::npos);
}

TEST_F(ParamsTest, TextLimitsAndOverlongLines) {
  // The rest of an overlong line is skipped, not read as the next line.
  const std::string longName = std::string(250, 'a') + std::string(20, 'b');
  const std::string place = std::string(40, 'p');
  const std::string path =
      WriteLines({longName, "7.3.1985", "5:7", "3", place, "55.45", "37.35", "2", "a", "/tmp/o"});
  const LoadOutcome outcome = LoadParameters(path);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(outcome.parameters.headerName, longName.substr(0, 255));
  EXPECT_EQ(outcome.parameters.birth.name, std::string(37, 'a'));
  EXPECT_EQ(outcome.parameters.birth.place, std::string(36, 'p'));
}

TEST_F(ParamsTest, ShortFileEndsAtTheFirstLineThatCannotBeEmpty) {
  const LoadOutcome nine = LoadParameters(
      WriteLines({"Autocreated", "7.3.1985", "5:7", "3", "", "55.45", "37.35", "2", "a"}));
  EXPECT_NE(nine.message.find(": OUT_FILE_NAME must be defined in line 10"), std::string::npos);
  const LoadOutcome empty = LoadParameters(WriteBytes(""));
  EXPECT_NE(empty.message.find(": NAME must be defined in line 1"), std::string::npos);
}

TEST_F(ParamsTest, RejectedLines) {
  const char* const messages[] = {"",
                                  "",
                                  "bad DATE defined in line 2",
                                  "bad TIME defined in line 3",
                                  "bad TIME_ZONE defined in line 4",
                                  "",
                                  "bad LATITUDE defined in line 6",
                                  "bad LONGITUDE defined in line 7",
                                  "bad NUMBER_OF_MONTH defined in line 8",
                                  "bad PROGR_FLAG defined in line 9"};
  // Among them: a year beyond 16 bits, and hour 25, which here does not mean "no time of day".
  const struct {
    int line;
    const char* text;
  } cases[] = {
      {2, "31.4.1990"},  {2, "29.2.1900"}, {2, "123.4.1990"}, {2, "7.3"},   {2, "7.3.-"},
      {2, "7.3.999999"}, {2, ""},          {3, "24:00"},      {3, "25"},    {3, "12:60"},
      {3, "12:00:60"},   {3, "123"},       {3, ""},           {4, "13"},    {4, "-13"},
      {6, "90.1"},       {6, "90.0.1"},    {6, "55.60"},      {6, "-900"},  {6, "91"},
      {6, "-"},          {6, ""},          {7, "180.30"},     {7, "-1800"}, {7, ""},
      {8, "0"},          {8, "121"},       {8, "2x"},         {8, ""},      {9, "x"},
      {9, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorFor(c.line, c.text), messages[c.line]) << c.line << ": " << c.text;
  }
}

TEST_F(ParamsTest, AcceptedValues) {
  auto load = [&](int line, const std::string& text) {
    const LoadOutcome outcome = LoadWith(line, text);
    EXPECT_TRUE(outcome.ok) << text << ": " << outcome.message;
    return outcome.parameters;
  };
  auto yearOf = [&](const std::string& text) {
    CalendarDate date;
    GetDate(load(2, text).birth.moment.dateTime, date);
    return date.year;
  };
  EXPECT_EQ(yearOf("29.2.1500"), 1500);
  EXPECT_EQ(yearOf("7.3.85"), 1985);
  EXPECT_EQ(yearOf("7.3.185"), 185);
  EXPECT_EQ(yearOf("7.3.085"), 85);
  EXPECT_EQ(yearOf("born 7/3/1985 !"), 1985);
  EXPECT_EQ(yearOf("7.3.-10"), -9);  // 10 BC is the astronomical year -9

  const DateTimeRecord full = load(3, "23:59:59").birth.moment.dateTime;
  EXPECT_EQ(full.secondsOfDay, 86399);
  EXPECT_EQ(full.timeKind, TimeKind::kFull);
  const DateTimeRecord hourOnly = load(3, "7").birth.moment.dateTime;
  EXPECT_EQ(hourOnly.secondsOfDay, 7 * 3600);
  EXPECT_EQ(hourOnly.timeKind, TimeKind::kPartial);

  EXPECT_EQ(load(4, " -5").birth.moment.dateTime.timeZone, -5);
  EXPECT_EQ(load(4, "3 ").birth.moment.dateTime.timeZone, 0);  // not a number: 0, no error
  EXPECT_EQ(load(4, "abc").birth.moment.dateTime.timeZone, 0);
  EXPECT_EQ(load(4, "").birth.moment.dateTime.timeZone, 0);

  const CoordinateRecord south = load(6, "-90").birth.moment.place;
  EXPECT_EQ(south.latitude, -324000);
  EXPECT_EQ(south.latitudeKind, CoordinateKind::kPartial);
  EXPECT_EQ(load(7, "-180.0").birth.moment.place.longitude, -648000);
  const CoordinateRecord full3 = load(7, "-37.35.15").birth.moment.place;
  EXPECT_EQ(full3.longitude, -((37 * 60 + 35) * 60 + 15));
  EXPECT_EQ(full3.longitudeKind, CoordinateKind::kFull);

  EXPECT_EQ(load(8, "120").numberOfMonths, 120);
  EXPECT_EQ(load(8, "$78").numberOfMonths, 120);
  EXPECT_FALSE(load(9, "all").progressed);
  EXPECT_TRUE(load(9, "Progressed").progressed);
}

// A minus before the degrees gives the side of the world even when the
// degrees are 0: London lies 8' west of Greenwich, Quito 10' south.
TEST_F(ParamsTest, MinusBeforeZeroDegreesKeepsTheSide) {
  struct Case {
    int line;
    const char* text;
    int32_t arcseconds;
  };
  const Case cases[] = {
      {6, "-0.10", -10 * 60}, {6, "0.10", 10 * 60},     {6, "-00.10", -10 * 60},
      {7, "-0.08", -8 * 60},  {7, "-000.13", -13 * 60}, {7, "0.08", 8 * 60},
      {7, "-0.0.30", -30},    {6, "-1.30", -(90 * 60)}, {7, "-0", 0},
  };
  for (const Case& c : cases) {
    const LoadOutcome outcome = LoadWith(c.line, c.text);
    ASSERT_TRUE(outcome.ok) << c.text << ": " << outcome.message;
    const CoordinateRecord& place = outcome.parameters.birth.moment.place;
    EXPECT_EQ(c.line == 6 ? place.latitude : place.longitude, c.arcseconds) << c.text;
  }
}

TEST_F(ParamsTest, FirstInvalidLineWins) {
  const LoadOutcome outcome =
      LoadParameters(WriteLines({"N", "31.4.1990", "24:00", "13", "", "91", "181", "0", "x", ""}));
  EXPECT_NE(outcome.message.find(": bad DATE defined in line 2"), std::string::npos);
  const LoadOutcome later =
      LoadParameters(WriteLines({"N", "1.1.1990", "12", "0", "", "10", "181", "0", "x", ""}));
  EXPECT_NE(later.message.find(": bad LONGITUDE defined in line 7"), std::string::npos);
}

}  // namespace
}  // namespace moon
