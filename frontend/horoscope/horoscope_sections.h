// The horoscope as a document outline: titled sections of plain lines in the
// order of the window's pages. The plain text and the printed document are
// both drawn from it, so they never differ in content.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "frontend/horoscope/horoscope.h"

namespace frontend {

struct HoroscopeSection {
  int level = 1;  // 1 a page of the window, 2 a part of a page
  QString title;
  QStringList lines;
  bool monthPicture = false;  // the month's solar symbol stands before the lines
};

// The document's title line: "Гороскоп: " and the person's full name.
QString HoroscopeTitle(const Horoscope& horoscope);

// Lines of a table's text joined by line feeds, as a text box shows them.
QString JoinLines(const content::Lines& lines);

std::vector<HoroscopeSection> HoroscopeSections(const Horoscope& horoscope);

// "53° 54′ с. ш." / "27° 34′ в. д.": a coordinate as typed, with its side.
QString LatitudeText(const Coordinate& latitude);
QString LongitudeText(const Coordinate& longitude);

}  // namespace frontend
