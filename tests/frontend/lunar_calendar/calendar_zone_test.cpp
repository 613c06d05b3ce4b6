// The calendar's clock: where each date begins and where the clocks change,
// for zones with summer time, a change at midnight and a change of standard
// time; the expected instants follow from each zone's rules.
#include <gtest/gtest.h>

#include <QDateTime>

#include "frontend/lunar_calendar/calendar_day_lines.h"
#include "frontend/lunar_calendar/calendar_zone.h"
#include "frontend/lunar_calendar/old_style_days.h"

namespace frontend {
namespace {

int64_t Utc(const char* iso) {
  return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch();
}

struct ChangeCase {
  const char* zone;
  CivilDate date;
  const char* dateBegins;  // UTC
  const char* nextBegins;  // UTC
  const char* changeText;
};

class ClockChangeDay : public testing::TestWithParam<ChangeCase> {};

TEST_P(ClockChangeDay, BeginsEndsAndSaysSo) {
  const ChangeCase& c = GetParam();
  const CalendarZone zone = CalendarZone::Following(QString::fromLatin1(c.zone));
  ASSERT_TRUE(zone.valid());
  const int64_t begins = zone.FirstInstantOf(c.date);
  const CivilDate next = CivilDateOf(DayNumberOf(c.date) + 1);
  EXPECT_EQ(begins, Utc(c.dateBegins));
  EXPECT_EQ(zone.FirstInstantOf(next), Utc(c.nextBegins));
  const auto change = zone.ChangeDuring(begins, zone.FirstInstantOf(next));
  ASSERT_TRUE(change.has_value());
  EXPECT_EQ(ClockChangeText(*change), QString::fromUtf8(c.changeText));
  // The day before is whole and without a change.
  const int64_t dayBefore = zone.FirstInstantOf(CivilDateOf(DayNumberOf(c.date) - 1));
  EXPECT_EQ(begins - dayBefore, 86400);
  EXPECT_FALSE(zone.ChangesDuring(dayBefore, begins));
}

INSTANTIATE_TEST_SUITE_P(
    Zones, ClockChangeDay,
    testing::Values(
        // Last Sunday of March and October, at 1:00 UTC.
        ChangeCase{"Europe/Kyiv",
                   {2026, 3, 29},
                   "2026-03-28T22:00:00Z",
                   "2026-03-29T21:00:00Z",
                   "летнее время: 3:00 → 4:00"},
        ChangeCase{"Europe/Kyiv",
                   {2026, 10, 25},
                   "2026-10-24T21:00:00Z",
                   "2026-10-25T22:00:00Z",
                   "зимнее время: 4:00 → 3:00"},
        // Second Sunday of March, first of November, at 2:00 local.
        ChangeCase{"America/New_York",
                   {2026, 3, 8},
                   "2026-03-08T05:00:00Z",
                   "2026-03-09T04:00:00Z",
                   "летнее время: 2:00 → 3:00"},
        ChangeCase{"America/New_York",
                   {2026, 11, 1},
                   "2026-11-01T04:00:00Z",
                   "2026-11-02T05:00:00Z",
                   "зимнее время: 2:00 → 1:00"},
        // Moscow went from +4 to +3 for good: standard time both sides.
        ChangeCase{"Europe/Moscow",
                   {2014, 10, 26},
                   "2014-10-25T20:00:00Z",
                   "2014-10-26T21:00:00Z",
                   "часы переведены: 2:00 → 1:00"},
        // Chile puts the clocks forward at midnight: the date begins at 1:00.
        ChangeCase{"America/Santiago",
                   {2026, 9, 6},
                   "2026-09-06T04:00:00Z",
                   "2026-09-07T03:00:00Z",
                   "летнее время: 0:00 → 1:00"}),
    [](const testing::TestParamInfo<ChangeCase>& info) {
      return QString::fromLatin1(info.param.zone).section(u'/', -1).toStdString() +
             std::to_string(info.param.date.year) + "_" + std::to_string(info.param.date.month);
    });

TEST(HandZone, OneOffsetForEveryDate) {
  const CalendarZone zone = CalendarZone::Fixed(5 * 60 + 30);
  for (const CivilDate date : {CivilDate{2026, 1, 1}, CivilDate{2026, 7, 1}}) {
    const int64_t begins = zone.FirstInstantOf(date);
    EXPECT_EQ(zone.OffsetAt(begins), 19800);
    EXPECT_EQ(zone.LocalAt(begins), (LocalMoment{date.year, date.month, date.day, 0}));
  }
  EXPECT_FALSE(zone.ChangesDuring(Utc("2026-01-01T00:00:00Z"), Utc("2027-01-01T00:00:00Z")));
}

// The table counts the old style: its 1 January falls on 14 January now,
// on 13 January in the 19th century, and on 1 January itself in 1500.
TEST(OldStyle, TableDaysLandOnTheirCivilDates) {
  const struct {
    CivilDate civil;
    bool unfavourable;
  } cases[] = {
      {{2026, 1, 14}, true}, {{2026, 1, 1}, false},  {{2026, 1, 15}, true},  // 2 January o.s.
      {{1850, 1, 13}, true}, {{1850, 1, 14}, true},  {{1850, 1, 15}, false},
      {{1500, 1, 1}, true},  {{1500, 1, 14}, false}, {{2026, 3, 1}, false},  // 16 February o.s.
      {{2026, 2, 16}, true},                                                 // 3 February o.s.
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUnfavourableDay(DayNumberOf(c.civil)), c.unfavourable)
        << c.civil.year << "-" << c.civil.month << "-" << c.civil.day;
  }
}

}  // namespace
}  // namespace frontend
