// Dates and times as typed: each text gives the one value it names, or is
// refused with a reason that names what is wrong. The window's own tests type
// the common cases; these are the spellings and limits around them.
#include <gtest/gtest.h>

#include "frontend/birth/typed_date.h"

namespace frontend {
namespace {

constexpr int kThisYear = 2026;  // two-digit years are read against it

TEST(ReadTypedDate, TakesEverySpellingOfADateAndRefusesWhatNamesNone) {
  struct Case {
    const char* typed;
    CivilDate date;      // {} when refused
    const char* reason;  // what the refusal must say
  };
  const Case cases[] = {
      {"7/5/1990", {1990, 5, 7}, ""},
      {"17-05-1990", {1990, 5, 17}, ""},
      {" 17 . 05 . 1990 ", {1990, 5, 17}, ""},
      {"17,5,1990.", {1990, 5, 17}, ""},
      {"17051990", {1990, 5, 17}, ""},
      {"170590", {1990, 5, 17}, ""},
      {"1990-05-17", {1990, 5, 17}, ""},
      {"31.12.26", {2026, 12, 31}, ""},
      {"1.1.27", {1927, 1, 1}, ""},
      {"1.1.00", {2000, 1, 1}, ""},
      {"1.1.0100", {100, 1, 1}, ""},
      {"15.10.1582", {1582, 10, 15}, ""},
      {"31.10.3995", {3995, 10, 31}, ""},
      {"30.02.2000", {}, "в феврале 2000 года 29 дней"},
      {"29.02.1900", {}, "в феврале 1900 года 28 дней"},
      {"29.02.2100", {}, "в феврале 2100 года 28 дней"},
      {"31.04.2000", {}, "в апреле 30 дней"},
      {"32.01.2000", {}, "в январе 31 день"},
      {"0.01.2000", {}, "в январе 31 день"},
      {"1.0.2000", {}, "месяца 0 нет"},
      {"5.10.1582", {}, "15 октября"},
      {"14.10.1582", {}, "15 октября"},
      {"1.1.5", {}, "1 января 100 г."},
      {"1.11.3995", {}, "31 октября 3995 г."},
      {"", {}, "не введена"},
      {"17.05", {}, "не распознана"},
      {"17.05.1990.1", {}, "не распознана"},
      {"17 мая 1990", {}, "не распознана"},
  };
  for (const Case& c : cases) {
    const DateReading reading = ReadTypedDate(QString::fromUtf8(c.typed), kThisYear);
    EXPECT_EQ(reading.date.value_or(CivilDate{}), c.date) << c.typed;
    EXPECT_TRUE(reading.refusal.contains(QString::fromUtf8(c.reason)))
        << c.typed << ": " << reading.refusal.toStdString();
  }
}

TEST(ReadTypedTime, TakesHoursAndMinutesOrSaysWhatIsWrong) {
  struct Case {
    const char* typed;
    QTime time;  // invalid when refused
    const char* reason;
  };
  const Case cases[] = {
      {"1 30", QTime(1, 30), ""},          {"0:00", QTime(0, 0), ""},
      {"23:59", QTime(23, 59), ""},        {"14", QTime(14, 0), ""},
      {"1430", QTime(14, 30), ""},         {"7:45:", QTime(7, 45), ""},
      {"", QTime(), "не введено"},         {"14:3x", QTime(), "не распознано"},
      {"-1:30", QTime(), "не распознано"},
  };
  for (const Case& c : cases) {
    const TimeReading reading = ReadTypedTime(QString::fromUtf8(c.typed));
    EXPECT_EQ(reading.time.value_or(QTime()), c.time) << c.typed;
    EXPECT_TRUE(reading.refusal.contains(QString::fromUtf8(c.reason))) << c.typed;
  }
}

}  // namespace
}  // namespace frontend
