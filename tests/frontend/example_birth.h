// A birth whose name holds Cyrillic, "ё" and the characters HTML escapes:
// 6 December 2026, 8:05 at Минск, UTC+3.
#pragma once

#include "frontend/birth/birth_data.h"

namespace frontend {

inline BirthData ExampleBirth() {
  BirthData birth;
  birth.surname = QStringLiteral("Ковалёва");
  birth.firstName = QStringLiteral("Дарья");
  birth.patronymic = QStringLiteral("<Тест & Co>");
  birth.sex = Sex::kFemale;
  birth.date = {2026, 12, 6};
  birth.time = QTime(8, 5);
  birth.zoneHours = 3;
  birth.place = QStringLiteral("Минск");
  birth.latitude = {false, 53, 54};
  birth.longitude = {false, 27, 34};
  return birth;
}

}  // namespace frontend
