// The horoscope as JSON for scripts, with field names that stay put; README.md
// lists them.
#pragma once

#include <QByteArray>

#include "frontend/horoscope/horoscope.h"

namespace frontend {

// An indented UTF-8 JSON object ending in a line feed.
QByteArray HoroscopeJson(const Horoscope& horoscope);

}  // namespace frontend
