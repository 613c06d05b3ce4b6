#include "calculator/calendar.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "calculator/messages.h"

namespace moon {
namespace {

constexpr int32_t kMonthLength[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr int32_t kSecondsPerDay = 86400;
// Julian day number of 31 December 1899, day 0 of the day-number scale.
constexpr int32_t kDayNumberEpoch = 2415020;
// Julian-calendar count of 15 October 1582, the first Gregorian date.
constexpr int32_t kGregorianStartJulianCount = 2299171;
// Julian day numbers of 4 and 15 October 1582 (consecutive days).
constexpr int32_t kLastJulianDay = 2299160;
constexpr int32_t kFirstGregorianDay = 2299161;
constexpr int32_t kReformYear = 1582;
constexpr int32_t kDaysDroppedByReform = 10;

int32_t MonthLength(int32_t month, int32_t year) {
  return kMonthLength[IsLeapYear(year) ? 1 : 0][month];
}

// Julian day number of an astronomical year; 64-bit intermediates keep
// absurd years from overflowing, results within the 16-bit years of the
// parameter file are those of 32-bit arithmetic.
int32_t JulianDayOf(int32_t day, int32_t month, int32_t year) {
  const int64_t a = (int64_t{year} + 4800) * 12 + month - 3;
  int64_t j = (a * 365 + (a % 12) * 2 + 7) / 12 + a / 48 - 32083 + day;
  if (j >= kGregorianStartJulianCount) j += a / 4800 - a / 1200 + 38;
  return static_cast<int32_t>(j);
}

}  // namespace

void ClearDateTime(DateTimeRecord& record) {
  record = DateTimeRecord{};
}

void InitMoment(MomentRecord& moment) {
  moment = MomentRecord{};
}

bool IsLeapYear(int32_t year) {
  if (year % 4 != 0) return false;
  if (year >= kReformYear && year % 100 == 0 && year % 400 != 0) return false;
  return true;
}

int SetDate(int32_t day, int32_t month, int32_t year, DateTimeRecord& record) {
  if (year < 0) ++year;  // historical to astronomical: -1 (1 BC) is year 0
  if (month < 1 || month > 12) return 2;
  if (day < 1 || day > MonthLength(month, year)) return 1;
  record.julianDay = JulianDayOf(day, month, year);
  record.dateGiven = true;
  return 0;
}

int GetDate(const DateTimeRecord& record, CalendarDate& date) {
  if (!record.dateGiven) return 1;
  const int32_t j = record.julianDay;
  int32_t year = static_cast<int32_t>(std::trunc((j - 1721058) / 365.2425));
  int32_t dayOfYear = 0;
  for (;;) {
    const int32_t yearStart = JulianDayOf(1, 1, year);
    dayOfYear = j - yearStart + 1;
    if (dayOfYear <= 0) {
      --year;
      continue;
    }
    // The difference of two year starts also gives 1582 its 355 days.
    if (dayOfYear > JulianDayOf(1, 1, year + 1) - yearStart) {
      ++year;
      continue;
    }
    break;
  }
  // From 15 October 1582 on, count that year as if no days had been dropped.
  if (year == kReformYear && j >= kFirstGregorianDay) dayOfYear += kDaysDroppedByReform;

  int32_t month = 1;
  while (month < 12 && dayOfYear > MonthLength(month, year)) {
    dayOfYear -= MonthLength(month, year);
    ++month;
  }
  date.day = dayOfYear;
  date.month = month;
  date.year = year;
  int32_t remainder = (j + 1) % 7;
  if (remainder < 0) remainder += 7;
  date.weekDay = remainder + 1;
  return 0;
}

int SetTime(int32_t hour, int32_t minute, int32_t second, DateTimeRecord& record) {
  if (hour == kNoTimeOfDay) {
    record.timeKind = TimeKind::kNone;
    record.secondsOfDay = 0;
    return 0;
  }
  TimeKind kind = TimeKind::kFull;
  if (minute == kMissingTimePart) {
    minute = 0;
    kind = TimeKind::kPartial;
  }
  if (second == kMissingTimePart) {
    second = 0;
    kind = TimeKind::kPartial;
  }
  if (second < 0 || second > 59) return 3;
  if (minute < 0 || minute > 59) return 2;
  if (hour < 0 || hour > 23) return 1;
  record.secondsOfDay = (hour * 60 + minute) * 60 + second;
  record.referenceSecondsOfDay = record.secondsOfDay;
  record.timeKind = kind;
  return 0;
}

int GetTime(const DateTimeRecord& record, ClockTime& time) {
  const int32_t s = record.secondsOfDay;
  time.second = s % 60;
  time.minute = (s / 60) % 60;
  time.hour = s / 3600;
  return time.hour >= 24 ? 1 : 0;
}

void FixTime(MomentRecord& moment) {
  moment.dateTime.referenceSecondsOfDay = moment.dateTime.secondsOfDay;
}

double DayNumber(const DateTimeRecord& record) {
  if (!record.dateGiven) return 0.0;
  if (record.julianDay < kMinJulianDay || record.julianDay > kMaxJulianDay) {
    throw JulianDayOutOfRange(record.julianDay);
  }
  // Seconds of Universal Time on the local civil date; may fall outside 0..86399.
  int32_t seconds = record.timeKind == TimeKind::kNone ? kSecondsPerDay / 2 : record.secondsOfDay;
  seconds -= int32_t{record.timeZone} * 3600;
  const long double days = static_cast<long double>(record.julianDay - kDayNumberEpoch) +
                           static_cast<long double>(seconds) / 86400.0L;
  return static_cast<double>(days);
}

void AddDays(DateTimeRecord& record, int32_t days) {
  if (!record.dateGiven) return;
  record.julianDay += days;
}

void AddSeconds(DateTimeRecord& record, int32_t seconds) {
  if (record.timeKind == TimeKind::kNone) return;
  // Whole days first so that huge steps do not loop day by day.
  const int32_t wholeDays = seconds / kSecondsPerDay;
  int32_t s = record.secondsOfDay + (seconds - wholeDays * kSecondsPerDay);
  int32_t julianDay = record.julianDay + wholeDays;
  while (s < 0) {
    s += kSecondsPerDay;
    --julianDay;
  }
  while (s >= kSecondsPerDay) {
    s -= kSecondsPerDay;
    ++julianDay;
  }
  record.secondsOfDay = s;
  record.julianDay = julianDay;
}

void AddTime(DateTimeRecord& record, double days) {
  // Both steps in x87 extended precision: 1/12 day gives 7199.99… seconds, so 7199.
  const long double x = days;
  const long double whole = std::trunc(x);
  AddDays(record, static_cast<int32_t>(whole));
  const long double seconds = std::trunc((x - whole) * 86400.0L);
  AddSeconds(record, static_cast<int32_t>(seconds));
}

int32_t NormaliseSeconds(int32_t value) {
  int32_t r = value % kSecondsPerDay;
  if (r < 0) r += kSecondsPerDay;
  return r;
}

namespace {

bool HasDateAndTime(const MomentRecord& m) {
  return m.dateTime.dateGiven && m.dateTime.timeKind != TimeKind::kNone;
}

MomentRecord EmptyMoment() {
  MomentRecord m;
  InitMoment(m);
  return m;
}

bool HasBothCoordinates(const MomentRecord& m) {
  return m.place.latitudeKind != CoordinateKind::kNone &&
         m.place.longitudeKind != CoordinateKind::kNone;
}

}  // namespace

MomentRecord Midpoint(const MomentRecord& a, const MomentRecord& b) {
  if (!HasDateAndTime(a) || !HasDateAndTime(b)) return EmptyMoment();
  MomentRecord result = a;
  // Each step rounded to a 64-bit double before the time addition.
  const double difference = DayNumber(b.dateTime) - DayNumber(a.dateTime);
  const double half = difference / 2;
  AddTime(result.dateTime, half);
  result.dateTime.timeKind = TimeKind::kFull;
  FixTime(result);
  if (HasBothCoordinates(a) && HasBothCoordinates(b)) {
    result.place.latitude = (a.place.latitude + b.place.latitude) / 2;
    result.place.longitude = a.place.longitude + (b.place.longitude - a.place.longitude) / 2;
    result.place.latitudeKind = CoordinateKind::kPartial;
    result.place.longitudeKind = CoordinateKind::kPartial;
  } else {
    result.place.latitudeKind = CoordinateKind::kNone;
    result.place.longitudeKind = CoordinateKind::kNone;
  }
  return result;
}

MomentRecord Progressed(const MomentRecord& birth, const MomentRecord& r) {
  if (!HasDateAndTime(birth) || !HasDateAndTime(r)) return EmptyMoment();
  MomentRecord result = birth;
  // One day after birth stands for one mean year of 365.2425 days.
  const double difference = DayNumber(r.dateTime) - DayNumber(birth.dateTime);
  const double shift = difference * 365.2425;
  AddTime(result.dateTime, shift);
  result.dateTime.timeKind = TimeKind::kFull;
  FixTime(result);
  return result;
}

int Completeness(const MomentRecord& moment) {
  if (!moment.dateTime.dateGiven) return 0;
  if (moment.dateTime.timeKind == TimeKind::kNone) return 1;
  if (moment.place.longitudeKind == CoordinateKind::kNone) return 2;
  if (moment.place.latitudeKind == CoordinateKind::kNone) return 3;
  return 4;
}

void ReportBadJulianDay() {
  // Straight to the screen, bypassing standard output, which may be redirected.
  const std::string text = "\n" + std::string(kBadJulianDayMessage) + "\n";
  if (std::FILE* tty = std::fopen("/dev/tty", "w")) {
    std::fputs(text.c_str(), tty);
    std::fclose(tty);
  } else {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
  }
}

JulianDayOutOfRange::JulianDayOutOfRange(int32_t julianDay)
    : std::range_error("Julian day number " + std::to_string(julianDay) + " out of range"),
      julianDay_(julianDay) {}

}  // namespace moon
