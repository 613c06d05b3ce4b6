#include "calculator/table_format.h"

#include <gtest/gtest.h>

namespace moon {
namespace {

DateTimeRecord Moment(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                      int32_t second) {
  DateTimeRecord r;
  EXPECT_EQ(SetDate(day, month, year, r), 0);
  EXPECT_EQ(SetTime(hour, minute, second, r), 0);
  return r;
}

// The front end's usual input: 7.3.1985, 5:7, zone 3, no place, 55.45, 37.35.
RunParameters FrontEndParameters(bool progressed) {
  RunParameters p;
  p.headerName = "Autocreated";
  p.birth.name = "Autocreated";
  InitMoment(p.birth.moment);
  p.birth.moment.dateTime = Moment(7, 3, 1985, 5, 7, kMissingTimePart);
  p.birth.moment.dateTime.timeZone = 3;
  p.birth.moment.place = {CoordinateKind::kPartial, CoordinateKind::kPartial, (55 * 60 + 45) * 60,
                          (37 * 60 + 35) * 60};
  p.numberOfMonths = 2;
  p.progressed = progressed;
  return p;
}

TEST(TableFormat, DateAndTimeTexts) {
  const DateTimeRecord r = Moment(7, 3, 1985, 5, 7, 9);
  EXPECT_EQ(DateText(r), " 7.03.1985 Th");
  EXPECT_EQ(TimeText(r), " 5:07:09");
  EXPECT_EQ(TimeText(Moment(1, 1, 2000, 23, 41, 0)), "23:41:00");
  EXPECT_EQ(DateText(Moment(25, 12, 185, 0, 0, 0)).substr(0, 10), "25.12.0185");
  // The reform: Thursday 4 October was followed by Friday 15 October 1582.
  EXPECT_EQ(DateText(Moment(4, 10, 1582, 0, 0, 0)), " 4.10.1582 Th");
  EXPECT_EQ(DateText(Moment(15, 10, 1582, 0, 0, 0)), "15.10.1582 Fr");
  EXPECT_EQ(DateText(Moment(1, 1, -10, 0, 0, 0)).substr(0, 9), " 1.01.-00");  // astronomical -9
  DateTimeRecord partial = r;
  partial.timeKind = TimeKind::kPartial;
  EXPECT_EQ(TimeText(partial), " 5:07");
  EXPECT_EQ(TimeText(DateTimeRecord{}), "");
  EXPECT_EQ(DateText(DateTimeRecord{}), "");
}

TEST(TableFormat, MoonTextTruncatesToArcMinutes) {
  EXPECT_EQ(MoonText(true, (15 * 60 + 7) * 60 + 40), "15Ar07");
  EXPECT_EQ(MoonText(true, (359 * 60 + 59) * 60 + 59), "29Pi59");
  EXPECT_EQ(MoonText(true, 30), " 0Ar00");
  EXPECT_EQ(MoonText(true, -30), "29Pi59");  // wraps into the circle
  EXPECT_EQ(MoonText(true, 1296000 + 3600 * 95), " 5Cn00");
  EXPECT_EQ(MoonText(false, 12345), "      ");
}

TEST(TableFormat, CoordinateTexts) {
  EXPECT_EQ(CoordinateText(CoordinateKind::kPartial, (55 * 60 + 45) * 60),
            "  55\xF8"
            "45'");
  EXPECT_EQ(CoordinateText(CoordinateKind::kFull, -((37 * 60 + 5) * 60 + 9)),
            " -37\xF8"
            "05'09\"");
  EXPECT_EQ(CoordinateText(CoordinateKind::kPartial, -648000),
            "-180\xF8"
            "00'");
  EXPECT_EQ(CoordinateText(CoordinateKind::kPartial, -30 * 60),
            "  -0\xF8"
            "30'");  // south or west of 0 degrees keeps its sign
  EXPECT_EQ(CoordinateText(CoordinateKind::kFull, -8 * 60 - 5),
            "  -0\xF8"
            "08'05\"");
  EXPECT_EQ(CoordinateText(CoordinateKind::kPartial, 30 * 60),
            "   0\xF8"
            "30'");
  EXPECT_EQ(CoordinateText(CoordinateKind::kNone, 1234), "");
}

TEST(TableFormat, NormalHeaderMatchesFrontEndExample) {
  const auto lines = HeaderLines(FrontEndParameters(false));
  EXPECT_EQ(lines[0], "          Autocreated");
  EXPECT_EQ(lines[1], std::string(11, ' ') +
                          "  55\xF8"
                          "45'/37\xF8"
                          "35', Time_zone = 3");
  EXPECT_EQ(lines[2], "    Date            Time         Moon day        Moon");
}

TEST(TableFormat, ProgressedHeaderAndPlace) {
  RunParameters p = FrontEndParameters(true);
  p.birth.place = "Moskva";
  p.birth.moment.dateTime.timeZone = -5;
  p.birth.moment.place.longitude = -2 * 3600;
  const auto lines = HeaderLines(p);
  EXPECT_EQ(lines[0], "          Autocreated,  7.03.1985 Th,  5:07(-5)");
  EXPECT_EQ(lines[1], std::string(11, ' ') +
                          "Moskva,   55\xF8"
                          "45'/-2\xF8"
                          "00'");
  EXPECT_EQ(lines[2], "    Date            Time         Moon day        Moon         Progr date");
}

TEST(TableFormat, RowColumns) {
  const DateTimeRecord start = Moment(7, 3, 1985, 5, 7, 9);
  const std::string row = RowText(start, 3, "15Ar07", nullptr);
  ASSERT_EQ(row.size(), 55u);
  EXPECT_EQ(row.substr(0, 2), "  ");
  EXPECT_EQ(row.substr(2, 13), " 7.03.1985 Th");
  EXPECT_EQ(row.substr(15, 3), "   ");
  EXPECT_EQ(row.substr(18, 8), " 5:07:09");
  EXPECT_EQ(row.substr(26, 9), std::string(9, ' '));
  EXPECT_EQ(row.substr(35, 2), " 3");
  EXPECT_EQ(row.substr(37, 12), std::string(12, ' '));
  EXPECT_EQ(row.substr(49, 6), "15Ar07");

  const std::string progressedDate = "17.11.1995 Fr";
  const std::string progressed = RowText(start, 30, "15Ar07", &progressedDate);
  ASSERT_EQ(progressed.size(), 75u);
  EXPECT_EQ(progressed.substr(35, 2), "30");
  EXPECT_EQ(progressed.substr(55, 7), std::string(7, ' '));
  EXPECT_EQ(progressed.substr(62), progressedDate);
}

}  // namespace
}  // namespace moon
