// The horoscope as plain text (clipboard, command line) and as HTML for a
// printed page, both drawn from HoroscopeSections().
#pragma once

#include <QString>

#include "frontend/horoscope/horoscope.h"

namespace frontend {

// Lines ended by "\n"; titles underlined with "=" (pages) or "-" (parts).
QString HoroscopeText(const Horoscope& horoscope);

// A whole HTML document for QTextDocument. The month picture is an <img>
// whose source is `pictureName`, `pictureSizeMm` wide and high, which the
// caller provides as the document's image resource.
QString HoroscopeHtml(const Horoscope& horoscope, const QString& pictureName, double pictureSizeMm);

}  // namespace frontend
