#include "calculator/positions.h"

#include <cmath>

namespace moon {
namespace {

// Intermediates are formed in x87 extended precision (long double); the
// chart's time quantities are held as 64-bit doubles.
using Extended = long double;

constexpr Extended kDegreesPerRadian = 57.29577951308232L;
constexpr Extended kPi = 3.14159265358979323846264338327950288L;
constexpr Extended kTwoPi = 2 * kPi;
constexpr Extended kRadiansPerSiderealSecond = 7.27220521664304e-05L;  // 2 pi / 86400
constexpr Extended kRadiansPerArcSecond = 4.84813681109536e-06L;       // pi / 648000

constexpr Extended kSecondsPerJulianCentury = 3155760000.0L;  // 36525 x 86400

// Sines and cosines go through double: the library's long double versions
// are several times slower and differ only far below an arc-second.
Extended Sin(Extended radians) {
  return std::sin(static_cast<double>(radians));
}
Extended Cos(Extended radians) {
  return std::cos(static_cast<double>(radians));
}
Extended SinDegrees(Extended degrees) {
  return Sin(degrees / kDegreesPerRadian);
}

// Reduces to [0, 360) degrees.
Extended NormaliseDegrees(Extended degrees) {
  const int32_t turns = static_cast<int32_t>(degrees / 360);  // toward zero
  Extended result = degrees - static_cast<Extended>(turns) * 360;
  if (result < 0) result += 360;
  return result;
}

// Angle of the vector (x, y) in radians, in [0, 2 pi) except -pi/2 for a
// downward vector on the y axis, which callers normalise.
Extended QuadrantArcTangent(Extended y, Extended x) {
  if (x == 0) return y >= 0 ? kPi / 2 : -kPi / 2;
  if (y == 0) return x >= 0 ? 0 : kPi;
  Extended angle = std::atan(static_cast<double>(y / x));
  if (angle < 0) angle += kPi;
  if (y < 0) angle += kPi;
  return angle;
}

int32_t ToArcSeconds(Extended degrees) {
  return static_cast<int32_t>(degrees * 3600);
}

PositionRecord Computed(int32_t longitude, int32_t motion) {
  return PositionRecord{kLongitudeValid | kMotionValid, longitude, motion};
}

// Stage 1: day number and the time argument T.
void ComputeTime(Chart& chart) {
  if (chart.stage >= 1) return;
  chart.dayNumber = DayNumber(chart.moment.dateTime);
  chart.t = static_cast<double>((static_cast<Extended>(chart.dayNumber) - 0.5L) / 36525.0L);
  chart.t2 = chart.t * chart.t;
  // Delta T (seconds) is applied for the years 1900-1999 only.
  if (chart.t > 0 && chart.t < 1) {
    const Extended t = chart.t;
    const Extended t2 = chart.t2;
    const Extended deltaT = -3.936L + 167.0L * t - 332.1L * t2 + 259.5L * t2 * t;
    chart.t = static_cast<double>(t + deltaT / kSecondsPerJulianCentury);
  }
  chart.stage = 1;
}

// Stage 2: sidereal seconds at Greenwich and the obliquity of the ecliptic.
// T already holds the fraction of the day, so adding the clock time in stage
// 3 gives the sidereal time of the moment itself.
void ComputeGreenwichSiderealTime(Chart& chart) {
  if (chart.stage >= 2 || chart.dataLevel < 1) return;
  const Extended t = chart.t;
  const Extended seconds = 23925.836L + 8640184.54189725L * t;
  const auto rounded = static_cast<int32_t>(std::nearbyint(seconds));  // ties to even
  chart.greenwichSiderealSeconds = NormaliseSeconds(rounded);
  const Extended obliquity = (23.452294L - 0.0130125L * t) / kDegreesPerRadian;
  chart.obliquity = static_cast<double>(obliquity);
  chart.cosObliquity = static_cast<double>(Cos(obliquity));
  chart.tanObliquity = static_cast<double>(Sin(obliquity) / chart.cosObliquity);
  chart.stage = 2;
}

// Stage 3: local sidereal time. Uses the moment's current clock seconds: the
// searches move moments with AddSeconds, which leaves the reference copy of
// the time stale.
void ComputeLocalSiderealTime(Chart& chart) {
  if (chart.stage >= 3 || chart.dataLevel < 3) return;
  const DateTimeRecord& time = chart.moment.dateTime;
  // Longitude arc-seconds to time seconds truncate toward zero (-610" gives -40 s).
  const int32_t local = chart.greenwichSiderealSeconds + time.secondsOfDay -
                        3600 * static_cast<int32_t>(time.timeZone) +
                        chart.moment.place.longitude / 15;
  chart.localSiderealSeconds = NormaliseSeconds(local);
  const Extended angle = chart.localSiderealSeconds * kRadiansPerSiderealSecond;
  chart.siderealAngle = static_cast<double>(angle);
  chart.cosSiderealAngle = static_cast<double>(Cos(angle));
  chart.sinSiderealAngle = static_cast<double>(Sin(angle));
  chart.stage = 3;
}

// Stage 4: the place's latitude.
void ComputeLatitudeTerms(Chart& chart) {
  if (chart.stage >= 4 || chart.dataLevel < 4) return;
  const Extended latitude = chart.moment.place.latitude * kRadiansPerArcSecond;
  chart.latitude = static_cast<double>(latitude);
  chart.latitudeObliquityTerm =
      static_cast<double>(Sin(latitude) * chart.tanObliquity / Cos(latitude));
  chart.stage = 4;
}

// Geocentric Sun: the Earth on a Keplerian ellipse, negated.
PositionRecord ComputeSun(const Chart& chart) {
  const Extended t = chart.t;
  const Extended t2 = chart.t2;
  const Extended meanAnomaly =
      NormaliseDegrees(358.4758L + 35999.0498L * t - 0.0002L * t2) / kDegreesPerRadian;
  const Extended eccentricity = 0.01675L - 0.00004L * t;
  const Extended semiMajorAxis = 1.0L;  // AU
  const Extended perihelion = (101.2208L + 1.7192L * t + 0.00045L * t2) / kDegreesPerRadian;
  const Extended node = 0;
  const Extended inclination = 0;

  Extended eccentricAnomaly = meanAnomaly;
  for (int i = 0; i < 5; ++i) {
    eccentricAnomaly = meanAnomaly + eccentricity * Sin(eccentricAnomaly);
  }
  const Extended sinE = Sin(eccentricAnomaly);
  const Extended cosE = Cos(eccentricAnomaly);
  const Extended minorFactor = std::sqrt(static_cast<double>(1 - eccentricity * eccentricity));

  const Extended xOrbit = semiMajorAxis * (cosE - eccentricity);
  const Extended yOrbit = semiMajorAxis * minorFactor * sinE;
  constexpr Extended kGaussian = 0.01720209L;  // radians per day
  const Extended axisPower = std::exp(1.5 * std::log(static_cast<double>(semiMajorAxis)));
  const Extended meanMotion = kGaussian / (axisPower * (1 - eccentricity * cosE));
  const Extended vxOrbit = -semiMajorAxis * meanMotion * sinE;
  const Extended vyOrbit = semiMajorAxis * meanMotion * minorFactor * cosE;

  const Extended cosW = Cos(perihelion), sinW = Sin(perihelion);
  const Extended cosN = Cos(node), sinN = Sin(node);
  const Extended cosI = Cos(inclination), sinI = Sin(inclination);
  const Extended px = cosW * cosN - sinW * sinN * cosI;
  const Extended py = cosW * sinN + sinW * cosN * cosI;
  const Extended pz = sinW * sinI;
  const Extended qx = -sinW * cosN - cosW * sinN * cosI;
  const Extended qy = -sinW * sinN + cosW * cosN * cosI;
  const Extended qz = cosW * sinI;

  const Extended x = -(px * xOrbit + qx * yOrbit);
  const Extended y = -(py * xOrbit + qy * yOrbit);
  const Extended z = -(pz * xOrbit + qz * yOrbit);
  const Extended vx = -(px * vxOrbit + qx * vyOrbit);
  const Extended vy = -(py * vxOrbit + qy * vyOrbit);

  const Extended motion = (x * vy - y * vx) / (x * x + y * y) * kDegreesPerRadian;  // deg/day
  const Extended distance = std::sqrt(static_cast<double>(x * x + y * y + z * z));  // AU
  constexpr Extended kLightTimePerAu = 0.0057756L;                                  // days
  const Extended lightTime = kLightTimePerAu * distance * motion;                   // degrees
  const Extended longitude =
      NormaliseDegrees(QuadrantArcTangent(y, x) * kDegreesPerRadian - lightTime);
  return Computed(ToArcSeconds(longitude), ToArcSeconds(motion));
}

// Periodic terms of the Moon's longitude: amplitude in arc-seconds and the
// multiples of D, M, M' and F in the argument.
struct LunarTerm {
  Extended amplitude;
  int8_t d, m, mp, f;
};

constexpr LunarTerm kLunarTerms[] = {
    {22639.6L, 0, 0, 1, 0},    {-4586.5L, -2, 0, 1, 0},   {2369.9L, 2, 0, 0, 0},
    {769.0L, 0, 0, 2, 0},      {-668.1L, 0, 1, 0, 0},     {-411.6L, 0, 0, 0, 2},
    {-211.7L, -2, 0, 2, 0},    {-206.0L, -2, 1, 1, 0},    {192.0L, 2, 0, 1, 0},
    {-165.1L, -2, 1, 0, 0},    {147.7L, 0, -1, 1, 0},     {-125.0L, 1, 0, 0, 0},
    {-109.7L, 0, 1, 1, 0},     {-55.2L, -2, 0, 0, 2},     {-45.1L, 0, 0, 1, 2},
    {39.5L, 0, 0, 1, -2},      {-4.0L, 0, 0, 2, 2},       {-6.4L, 2, 0, 1, -2},
    {-7.5L, 0, 2, 0, 0},       {-8.100001L, -2, 2, 0, 0}, {-7.6L, 0, 1, 2, 0},
    {-38.4L, -4, 0, 1, 0},     {36.1L, 0, 0, 3, 0},       {-30.8L, -4, 0, 2, 0},
    {28.5L, -2, -1, 1, 0},     {-24.4L, 2, 1, 0, 0},      {18.6L, -1, 1, 0, 0},
    {18.0L, 1, 1, 0, 0},       {14.6L, 2, -1, 1, 0},      {14.4L, 2, 0, 2, 0},
    {14.0L, 4, 0, 0, 0},       {-13.2L, -2, 0, 3, 0},     {9.7L, 0, -1, 2, 0},
    {9.399999L, -2, 0, 1, -2}, {-8.600001L, -2, 1, 2, 0}, {-8.5L, 1, 0, 1, 0},
    {-7.4L, 0, 2, 1, 0},       {-4.4L, -4, 1, 1, 0},
};
static_assert(sizeof(kLunarTerms) / sizeof(kLunarTerms[0]) == 38);

// Mean lunar elements in degrees, deliberately not reduced to one turn.
struct LunarElements {
  Extended meanLongitude;       // L'
  Extended meanElongation;      // D
  Extended solarMeanAnomaly;    // M
  Extended lunarMeanAnomaly;    // M'
  Extended argumentOfLatitude;  // F
};

LunarElements MeanLunarElements(Extended t, Extended t2) {
  return LunarElements{
      270.43416388888886L + 481267.88314166665L * t - 0.0011333333333333334L * t2,
      350.73748611111114L + 445267.11421666667L * t - 0.001436111111111111L * t2,
      358.47583333333336L + 35999.04975L * t - 0.00015L * t2,
      296.1046083333333L + 477198.84910833335L * t + 0.009191666666666667L * t2,
      11.25088888888889L + 483202.02515L * t - 0.003211111111111111L * t2,
  };
}

// Adds multiples of the elements in the order the argument is written:
// M' first, then M, F and D.
Extended TermArgument(const LunarTerm& term, const LunarElements& e) {
  Extended argument = 0;
  bool first = true;
  auto add = [&](int multiple, Extended element) {
    if (multiple == 0) return;
    const Extended part = multiple * element;
    argument = first ? part : argument + part;
    first = false;
  };
  add(term.mp, e.lunarMeanAnomaly);
  add(term.m, e.solarMeanAnomaly);
  add(term.f, e.argumentOfLatitude);
  add(term.d, e.meanElongation);
  return argument;
}

PositionRecord ComputeMoon(const Chart& chart) {
  const LunarElements elements = MeanLunarElements(chart.t, chart.t2);
  Extended sum = 0;  // arc-seconds
  for (const LunarTerm& term : kLunarTerms) {
    sum += term.amplitude * SinDegrees(TermArgument(term, elements));
  }
  const Extended longitude = NormaliseDegrees(elements.meanLongitude + sum / 3600);
  constexpr int32_t kFixedMotion = 46800;  // 13 degrees per day
  return Computed(ToArcSeconds(longitude), kFixedMotion);
}

PositionRecord ComputeAscendant(Chart& chart) {
  ComputeGreenwichSiderealTime(chart);
  ComputeLocalSiderealTime(chart);
  ComputeLatitudeTerms(chart);
  if (chart.stage < 4) return PositionRecord{};

  const Extended y = chart.cosSiderealAngle;
  Extended x = -static_cast<Extended>(chart.cosObliquity) *
               (static_cast<Extended>(chart.sinSiderealAngle) + chart.latitudeObliquityTerm);
  if (x == 0) x = 0.000001L;
  Extended angle = std::atan(static_cast<double>(y / x));
  if (angle < 0) angle += kPi;
  if (y < 0) angle += kPi;
  if (angle < 0) angle += kTwoPi;
  if (angle >= kTwoPi) angle -= kTwoPi;
  const Extended longitude = NormaliseDegrees(angle * kDegreesPerRadian);
  constexpr int32_t kFixedMotion = kFullCircle;  // one turn per day
  return Computed(ToArcSeconds(longitude), kFixedMotion);
}

}  // namespace

Chart MakeChart(const MomentRecord& moment) {
  Chart chart;
  chart.moment = moment;
  chart.dataLevel = static_cast<int8_t>(Completeness(moment));
  return chart;
}

PositionRecord EvaluateBody(Chart& chart, int bodyCode) {
  if (bodyCode < 1 || bodyCode > kChartSlots) return PositionRecord{};
  PositionRecord& slot = chart.slots[bodyCode - 1];
  if (slot.flags != 0) return slot;
  if (chart.dataLevel < 1) return slot;
  ComputeTime(chart);
  switch (bodyCode) {
    case kSun:
      slot = ComputeSun(chart);
      break;
    case kMoon:
      slot = ComputeMoon(chart);
      break;
    case kAscendant:
      slot = ComputeAscendant(chart);
      break;
    default:
      break;
  }
  return slot;
}

PositionRecord Difference(const PositionRecord& a, const PositionRecord& b) {
  PositionRecord result;
  result.flags = a.flags & b.flags;
  if (result.flags & kLongitudeValid) {
    result.longitude = a.longitude - b.longitude;
    if (result.longitude < 0) result.longitude += kFullCircle;
  }
  if (result.flags & kMotionValid) result.motion = a.motion - b.motion;
  return result;
}

LongitudeOrder CompareLongitudes(const PositionRecord& a, const PositionRecord& b) {
  if (!a.HasLongitude() || !b.HasLongitude()) return LongitudeOrder::kMissing;
  if (a.longitude == b.longitude) return LongitudeOrder::kEqual;
  return a.longitude < b.longitude ? LongitudeOrder::kLess : LongitudeOrder::kGreater;
}

}  // namespace moon
