#include "frontend/core/birth_data.h"

namespace frontend {

CalculatorInput CalculatorInputOf(const BirthData& birth) {
  CalculatorInput input;
  input.day = birth.date.day();
  input.month = birth.date.month();
  input.year = birth.date.year();
  input.hour = birth.time.hour();
  input.minute = birth.time.minute();
  input.timeZone = birth.zoneHours;
  input.latitudeDegrees = birth.latitude.degrees;
  input.latitudeMinutes = birth.latitude.minutes;
  input.longitudeDegrees = birth.longitude.degrees;
  input.longitudeMinutes = birth.longitude.minutes;
  return input;
}

LocalMoment BirthMomentOf(const BirthData& birth) {
  return {birth.date.year(), birth.date.month(), birth.date.day(),
          birth.time.msecsSinceStartOfDay() / 1000};
}

content::BirthDate CompositionDateOf(const BirthData& birth) {
  return {birth.date.year(), birth.date.month(), birth.date.day()};
}

}  // namespace frontend
