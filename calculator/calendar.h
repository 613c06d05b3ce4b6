// Moments of the lunar calculator: calendar date, local clock time, time zone
// and place, and the arithmetic on them.
//
// All calendar arithmetic is integer arithmetic on 32-bit values with
// truncating division. Only the day number and the time addition use floating
// point (64-bit doubles, intermediates in x87 extended precision, i.e. long double).
#pragma once

#include <cstdint>
#include <stdexcept>

namespace moon {

// How much of a time of day, or of a coordinate, was given.
enum class TimeKind : int8_t {
  kNone,     // no time of day: the moment stands at local noon
  kPartial,  // minute or second missing
  kFull,
};
enum class CoordinateKind : int8_t {
  kNone,
  kPartial,  // minutes or seconds missing
  kFull,
};

// A date and a local time of day.
struct DateTimeRecord {
  bool dateGiven = false;
  TimeKind timeKind = TimeKind::kNone;
  int32_t julianDay = 0;     // Julian day number of the local civil date
  int32_t secondsOfDay = 0;  // local clock time, seconds since local midnight, 0..86399
  // Copy of secondsOfDay taken when the time is set or fixed (see FixTime);
  // AddSeconds does not refresh it.
  int32_t referenceSecondsOfDay = 0;
  int16_t timeZone = 0;  // hours east of Greenwich: local time minus Universal Time
};

// A place on the Earth.
struct CoordinateRecord {
  CoordinateKind latitudeKind = CoordinateKind::kNone;
  CoordinateKind longitudeKind = CoordinateKind::kNone;
  int32_t latitude = 0;   // arc-seconds, positive north, -324000..324000
  int32_t longitude = 0;  // arc-seconds, positive east, -648000..648000
};

// The calculator's unit of time and place.
struct MomentRecord {
  DateTimeRecord dateTime;
  CoordinateRecord place;
};

// SetTime's markers for parts of a time that were not given.
inline constexpr int32_t kMissingTimePart = 255;  // minute or second
inline constexpr int32_t kNoTimeOfDay = 25;       // hour

void ClearDateTime(DateTimeRecord& record);
void InitMoment(MomentRecord& moment);

bool IsLeapYear(int32_t year);

// Stores the Julian day number of day.month.year (Julian calendar before
// 15 October 1582, Gregorian from then on). Negative years count
// historically (-1 is the year before 1).
// Returns 0 when accepted, 1 for a bad day, 2 for a bad month; on an error
// the record is unchanged.
int SetDate(int32_t day, int32_t month, int32_t year, DateTimeRecord& record);

// Sets the local time of day (and its reference copy and time kind).
// minute/second == kMissingTimePart count as 0 and make the kind partial;
// hour == kNoTimeOfDay clears the time of day.
// Returns 0 when accepted, 1 bad hour, 2 bad minute, 3 bad second; on an
// error nothing is stored.
int SetTime(int32_t hour, int32_t minute, int32_t second, DateTimeRecord& record);

struct CalendarDate {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;     // astronomical year
  int32_t weekDay = 0;  // 1 = Sunday .. 7 = Saturday
};

// Inverse of SetDate. Returns 0, or non-zero when the record has no date.
int GetDate(const DateTimeRecord& record, CalendarDate& date);

struct ClockTime {
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

// Splits the seconds of day. Returns 1 when the hour is 24 or more, else 0.
int GetTime(const DateTimeRecord& record, ClockTime& time);

// referenceSecondsOfDay := secondsOfDay.
void FixTime(MomentRecord& moment);

// The Julian day numbers the time scale accepts.
inline constexpr int32_t kMinJulianDay = -1000000;
inline constexpr int32_t kMaxJulianDay = 3182030;  // 1 January 4000

// A Julian day number outside kMinJulianDay..kMaxJulianDay: the run cannot go
// on, and the program reports it with ReportBadJulianDay.
class JulianDayOutOfRange : public std::range_error {
 public:
  explicit JulianDayOutOfRange(int32_t julianDay);
  int32_t julianDay() const { return julianDay_; }

 private:
  int32_t julianDay_;
};

// Universal Time in days since 1899-12-31 00:00 UT (1900-01-01 00:00 UT is 1.0).
// 0.0 without a date. Throws JulianDayOutOfRange.
double DayNumber(const DateTimeRecord& record);

void AddDays(DateTimeRecord& record, int32_t days);
// Carries into the date; does nothing without a time of day; leaves
// referenceSecondsOfDay alone.
void AddSeconds(DateTimeRecord& record, int32_t seconds);
// Moves by whole days, then by the fraction as whole seconds truncated toward zero.
void AddTime(DateTimeRecord& record, double days);
// value mod 86400 in 0..86399.
int32_t NormaliseSeconds(int32_t value);

// a plus half the interval to b, in whole seconds.
MomentRecord Midpoint(const MomentRecord& a, const MomentRecord& b);
// birth moved by (day number of r - day number of birth) x 365.2425 days.
MomentRecord Progressed(const MomentRecord& birth, const MomentRecord& r);
// 0 nothing, 1 date, 2 date and time, 3 also longitude, 4 also latitude.
int Completeness(const MomentRecord& moment);

// Exit code of a run stopped by JulianDayOutOfRange.

// Writes "Bad JDay" between two line ends to the terminal (standard error
// when there is none).
void ReportBadJulianDay();

}  // namespace moon
