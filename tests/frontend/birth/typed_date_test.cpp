// Dates and times as typed: each text gives the one value it names, or is
// refused with a reason that names what is wrong.
#include <gtest/gtest.h>

#include "frontend/birth/typed_date.h"

namespace frontend {
namespace {

// Two-digit years are read against this year.
constexpr int kThisYear = 2026;

struct DateCase {
  const char* typed;
  CivilDate date;
};

TEST(ReadTypedDate, TakesEverySpellingOfOneDate) {
  const DateCase cases[] = {
      {"17.05.1990", {1990, 5, 17}},
      {"17.5.1990", {1990, 5, 17}},
      {"7/5/1990", {1990, 5, 7}},
      {"17-05-1990", {1990, 5, 17}},
      {"17 5 1990", {1990, 5, 17}},
      {"17,5,1990.", {1990, 5, 17}},
      {"1990-05-17", {1990, 5, 17}},
      {" 17 . 05 . 1990 ", {1990, 5, 17}},
      {"17051990", {1990, 5, 17}},
      {"170590", {1990, 5, 17}},
      // Two digits: the nearest such year not after this one.
      {"17.05.90", {1990, 5, 17}},
      {"05.05.05", {2005, 5, 5}},
      {"31.12.26", {2026, 12, 31}},
      {"1.1.27", {1927, 1, 1}},
      {"1.1.00", {2000, 1, 1}},
      // The first year the calculator takes, with and without its zero.
      {"1.1.100", {100, 1, 1}},
      {"1.1.0100", {100, 1, 1}},
      // Julian before the reform: 1500 is a leap year there.
      {"29.02.1500", {1500, 2, 29}},
      {"4.10.1582", {1582, 10, 4}},
      {"15.10.1582", {1582, 10, 15}},
      {"29.02.2000", {2000, 2, 29}},
      {"31.10.3995", {3995, 10, 31}},
  };
  for (const DateCase& c : cases) {
    const DateReading reading = ReadTypedDate(QString::fromUtf8(c.typed), kThisYear);
    ASSERT_TRUE(reading.date.has_value()) << c.typed << ": " << reading.refusal.toStdString();
    EXPECT_EQ(*reading.date, c.date) << c.typed;
    EXPECT_TRUE(reading.refusal.isEmpty()) << c.typed;
  }
}

struct RefusalCase {
  const char* typed;
  const char* names;  // what the reason must say
};

TEST(ReadTypedDate, RefusesWhatNamesNoDateAndSaysWhy) {
  const RefusalCase cases[] = {
      {"31.02.1990", "Такой даты нет: в феврале 1990 года 28 дней"},
      {"30.02.2000", "в феврале 2000 года 29 дней"},
      {"29.02.1900", "в феврале 1900 года 28 дней"},
      {"29.02.2100", "в феврале 2100 года 28 дней"},
      {"31.04.2000", "в апреле 30 дней"},
      {"32.01.2000", "в январе 31 день"},
      {"0.01.2000", "в январе 31 день"},
      {"99.99.9999", "месяца 99 нет"},
      {"1.0.2000", "месяца 0 нет"},
      {"5.10.1582", "15 октября"},
      {"14.10.1582", "15 октября"},
      {"31.12.99", ""},  // 1999 is fine: only the checks below refuse
      {"31.12.0099", "1 января 100 г."},
      {"1.1.5", "1 января 100 г."},
      {"1.11.3995", "31 октября 3995 г."},
      {"1.1.4000", "31 октября 3995 г."},
      {"", "не введена"},
      {"17.05", "не распознана"},
      {"17.05.1990.1", "не распознана"},
      {"17 мая 1990", "не распознана"},
  };
  for (const RefusalCase& c : cases) {
    const DateReading reading = ReadTypedDate(QString::fromUtf8(c.typed), kThisYear);
    if (*c.names == '\0') {
      EXPECT_TRUE(reading.date.has_value()) << c.typed;
      continue;
    }
    EXPECT_FALSE(reading.date.has_value()) << c.typed;
    EXPECT_TRUE(reading.refusal.contains(QString::fromUtf8(c.names)))
        << c.typed << ": " << reading.refusal.toStdString();
  }
}

TEST(ReadTypedTime, TakesHoursAndMinutesOrSaysWhatIsWrong) {
  struct Case {
    const char* typed;
    QTime time;         // invalid when refused
    const char* names;  // what the refusal says
  };
  const Case cases[] = {
      {"1:30", QTime(1, 30), ""},
      {"01:30", QTime(1, 30), ""},
      {"1.30", QTime(1, 30), ""},
      {"1 30", QTime(1, 30), ""},
      {"0:00", QTime(0, 0), ""},
      {"23:59", QTime(23, 59), ""},
      {"14", QTime(14, 0), ""},
      {"1430", QTime(14, 30), ""},
      {"7:45:", QTime(7, 45), ""},
      {"130", QTime(1, 30), ""},
      {"14:60", QTime(), "минуты от 0 до 59"},
      {"24:00", QTime(), "часы от 0 до 23"},
      {"25:00", QTime(), "часы от 0 до 23"},
      {"", QTime(), "не введено"},
      {"14:3x", QTime(), "не распознано"},
      {"-1:30", QTime(), "не распознано"},
  };
  for (const Case& c : cases) {
    const TimeReading reading = ReadTypedTime(QString::fromUtf8(c.typed));
    if (c.time.isValid()) {
      ASSERT_TRUE(reading.time.has_value()) << c.typed << ": " << reading.refusal.toStdString();
      EXPECT_EQ(*reading.time, c.time) << c.typed;
    } else {
      EXPECT_FALSE(reading.time.has_value()) << c.typed;
      EXPECT_TRUE(reading.refusal.contains(QString::fromUtf8(c.names)))
          << c.typed << ": " << reading.refusal.toStdString();
    }
  }
}

}  // namespace
}  // namespace frontend
