// The lunar calendar's month on one landscape A4 sheet: the heading (month,
// place, zone), the grid as the page draws it, and the legend; printed, or
// written as a PDF file.
#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

struct LunarMonthSheet {
  QString title;         // "Декабрь 2026 — Минск"
  QStringList subtitle;  // the coordinates and the zone heading
  QString legend;        // plain text
  QWidget* grid = nullptr;
};

// Paints the sheet on a device set up for landscape A4.
void PaintLunarMonthSheet(QPagedPaintDevice& device, const LunarMonthSheet& sheet);

// Writes the sheet as a PDF file through a temporary file, so that a failed
// write leaves an earlier file as it was. The reason in Russian when it fails.
QString WriteLunarMonthPdf(const QString& path, const LunarMonthSheet& sheet);

void PrintLunarMonthSheet(QPrinter& printer, const LunarMonthSheet& sheet);
