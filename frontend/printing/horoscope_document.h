// The current horoscope as one printable document: A4, every result page in
// order, the month picture kept sharp. Printing and PDF share it.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "frontend/horoscope/horoscope.h"

class QPagedPaintDevice;
class QTextDocument;

// The document, with `monthPicture` (the 200 x 200 month symbol) as its
// image resource.
std::unique_ptr<QTextDocument> HoroscopeDocument(const frontend::Horoscope& horoscope,
                                                 const QImage& monthPicture);

// Lays the document out on `device`'s pages (A4 is set on it) and draws it.
void PrintHoroscope(const frontend::Horoscope& horoscope, const QImage& monthPicture,
                    QPagedPaintDevice* device);

// Writes the document as a PDF file; the file appears whole or not at all.
// False with the reason in Russian, naming the file, in `problem`.
bool WriteHoroscopePdf(const frontend::Horoscope& horoscope, const QImage& monthPicture,
                       const QString& path, QString* problem);
