#include "calculator/params.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "calculator/line_reader.h"
#include "calculator/messages.h"
#include "calculator/number_scan.h"

namespace moon {
namespace {

constexpr std::size_t kMaxFileNameLength = 80;
constexpr std::size_t kMaxPersonNameLength = 37;
constexpr std::size_t kMaxPlaceNameLength = 36;

// Arc-seconds of degrees, minutes and seconds. The sign is the minus written
// before the degrees, so "-0.30" (30' south or west) keeps it although the
// degrees number itself is 0.
int32_t ArcSeconds(bool negative, int32_t degrees, int32_t minutes, int32_t seconds) {
  const int32_t magnitude = (std::abs(degrees) * 60 + minutes) * 60 + seconds;
  return negative ? -magnitude : magnitude;
}

// Each parser returns true when the line is accepted. An empty DATE, TIME,
// LATITUDE or LONGITUDE line is refused: without them the lunar-day search
// cannot converge.

bool ParseDate(std::string_view line, DateTimeRecord& record) {
  NumberScanner scanner(line);
  const auto day = scanner.NextToken(NumberScanner::Minus::kSeparates, 2);
  if (!day) return false;
  const auto month = scanner.NextToken(NumberScanner::Minus::kSeparates, 2);
  if (!month) return false;
  auto year = scanner.NextToken(NumberScanner::Minus::kIsSign, 6);
  if (!year) return false;
  if (year->size() == 2 && year->front() != '-') year->insert(0, "19");  // 85 means 1985
  const auto yearValue = TokenValue(*year);
  // The year is held in 16 bits; larger values are refused rather than wrapped.
  if (!yearValue || *yearValue < INT16_MIN || *yearValue > INT16_MAX) return false;
  return SetDate(*TokenValue(*day), *TokenValue(*month), *yearValue, record) == 0;
}

bool ParseTime(std::string_view line, DateTimeRecord& record) {
  NumberScanner scanner(line);
  const auto hour = scanner.NextToken(NumberScanner::Minus::kSeparates, 2);
  if (!hour) return false;
  int32_t minute = kMissingTimePart;
  int32_t second = kMissingTimePart;
  if (const auto m = scanner.NextToken(NumberScanner::Minus::kSeparates, 2)) {
    minute = *TokenValue(*m);
    if (const auto s = scanner.NextToken(NumberScanner::Minus::kSeparates, 2))
      second = *TokenValue(*s);
  }
  // Checked here in full: SetTime would take hour 25 for "no time of day".
  const int32_t h = *TokenValue(*hour);
  if (second != kMissingTimePart && second > 59) return false;
  if (minute != kMissingTimePart && minute > 59) return false;
  if (h > 23) return false;
  return SetTime(h, minute, second, record) == 0;
}

bool ParseTimeZone(std::string_view line, int16_t& zone) {
  zone = 0;
  if (line.empty()) return true;
  const auto value = WholeLineInteger(line);
  if (!value) return true;  // text that is not a number counts as zone 0
  if (*value < -12 || *value > 12) return false;
  zone = static_cast<int16_t>(*value);
  return true;
}

enum class Axis { kLatitude, kLongitude };

bool ParseCoordinate(std::string_view line, Axis axis, CoordinateKind& kind, int32_t& value) {
  const bool latitude = axis == Axis::kLatitude;
  const int32_t limit = latitude ? 90 : 180;
  NumberScanner scanner(line);
  const auto degreesToken = scanner.NextToken(NumberScanner::Minus::kIsSign, latitude ? 3 : 4);
  if (!degreesToken) return false;
  const auto degrees = TokenValue(*degreesToken);
  if (!degrees) return false;
  std::optional<int32_t> minutes;
  std::optional<int32_t> seconds;
  if (const auto m = scanner.NextToken(NumberScanner::Minus::kSeparates, 2)) {
    minutes = TokenValue(*m);
    if (const auto s = scanner.NextToken(NumberScanner::Minus::kSeparates, 2))
      seconds = TokenValue(*s);
  }
  const int32_t d = std::abs(*degrees);
  const int32_t mi = minutes.value_or(0);
  const int32_t s = seconds.value_or(0);
  if (d > limit) return false;
  if (mi > 59) return false;
  if (d == limit && mi != 0) return false;
  if (s > 59) return false;
  if (d == limit && s != 0) return false;
  value = ArcSeconds(degreesToken->front() == '-', *degrees, mi, s);
  kind = minutes && seconds ? CoordinateKind::kFull : CoordinateKind::kPartial;
  return true;
}

bool ParseNumberOfMonths(std::string_view line, uint16_t& count) {
  const auto value = WholeLineInteger(line);
  if (!value || *value < 1 || *value > 120) return false;
  count = static_cast<uint16_t>(*value);
  return true;
}

bool ParseMode(std::string_view line, bool& progressed) {
  if (line.empty()) return false;
  switch (line.front()) {
    case 'A':
    case 'a':
      progressed = false;
      return true;
    case 'P':
    case 'p':
      progressed = true;
      return true;
    default:
      return false;
  }
}

// Parses line `number` into `p`; returns the error text after "Error in file
// <name>: ", or nothing when the line is accepted.
std::optional<std::string> ParseLine(int number, const std::string& line, RunParameters& p) {
  MomentRecord& moment = p.birth.moment;
  switch (number) {
    case 1:
      if (line.empty()) return std::string(LineComplaint(1));
      p.birth.name = line.substr(0, kMaxPersonNameLength);
      p.headerName = line;
      return std::nullopt;
    case 2:
      if (!ParseDate(line, moment.dateTime)) return std::string(LineComplaint(2));
      return std::nullopt;
    case 3:
      if (!ParseTime(line, moment.dateTime)) return std::string(LineComplaint(3));
      return std::nullopt;
    case 4:
      if (!ParseTimeZone(line, moment.dateTime.timeZone)) return std::string(LineComplaint(4));
      return std::nullopt;
    case 5:
      p.birth.place = line.substr(0, kMaxPlaceNameLength);
      return std::nullopt;
    case 6:
      if (!ParseCoordinate(line, Axis::kLatitude, moment.place.latitudeKind,
                           moment.place.latitude)) {
        return std::string(LineComplaint(6));
      }
      return std::nullopt;
    case 7:
      if (!ParseCoordinate(line, Axis::kLongitude, moment.place.longitudeKind,
                           moment.place.longitude)) {
        return std::string(LineComplaint(7));
      }
      return std::nullopt;
    case 8:
      if (!ParseNumberOfMonths(line, p.numberOfMonths)) {
        return std::string(LineComplaint(8));
      }
      return std::nullopt;
    case 9:
      if (!ParseMode(line, p.progressed)) return std::string(LineComplaint(9));
      return std::nullopt;
    default:
      if (line.empty()) return std::string(LineComplaint(10));
      p.outputPath = line;
      return std::nullopt;
  }
}

LoadOutcome Failure(std::string message) {
  LoadOutcome outcome;
  outcome.message = std::move(message);
  return outcome;
}

}  // namespace

LoadOutcome LoadParameters(std::string_view fileNameArgument) {
  RunParameters p;
  p.fileName =
      std::string(fileNameArgument.empty() ? kDefaultParameterFile
                                           : fileNameArgument.substr(0, kMaxFileNameLength));
  InitMoment(p.birth.moment);
  const std::string& name = p.fileName;

  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return Failure(std::string(kNotFoundPrefix) + name + std::string(kNotFoundSuffix));
    return Failure(std::string(kCannotOpenPrefix) + name + std::string(kErrorCodeInfix) +
                   std::to_string(error));
  }

  LineReader reader(file);
  std::string line;
  for (int number = 1; number <= kParameterLineCount; ++number) {
    if (const int error = reader.ReadLine(line); error != 0) {
      std::fclose(file);
      return Failure(std::string(kCannotReadPrefix) + name + std::string(kErrorCodeInfix) +
                     std::to_string(error));
    }
    if (auto problem = ParseLine(number, line, p)) {
      std::fclose(file);
      return Failure(std::string(kLineErrorPrefix) + name + std::string(kLineErrorInfix) +
                     *problem);
    }
  }

  errno = 0;
  if (std::fclose(file) != 0) {
    const int error = errno != 0 ? errno : EIO;
    return Failure(std::string(kCannotClosePrefix) + name + std::string(kErrorCodeInfix) +
                   std::to_string(error));
  }

  LoadOutcome outcome;
  outcome.ok = true;
  outcome.message = std::string(kLoadedPrefix) + name + std::string(kLoadedSuffix);
  outcome.parameters = std::move(p);
  return outcome;
}

}  // namespace moon
