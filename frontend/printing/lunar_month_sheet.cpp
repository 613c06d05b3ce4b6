#include "frontend/printing/lunar_month_sheet.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

namespace {

// The grid is drawn at this size in its own pixels and scaled to the sheet,
// so that its letters keep their proportions to the cells on paper.
constexpr int kGridWidth = 1120;
constexpr int kGridHeight = 640;

void SetLandscapeA4(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                   QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter));
}

void PaintSheet(QPainter& painter, const QRect& page, const LunarMonthSheet& sheet) {
  // Everything below is laid out in 1/1000 of the page's width.
  const double unit = page.width() / 1000.0;
  QFont titleFont(QStringLiteral("DejaVu Sans"));
  titleFont.setPixelSize(static_cast<int>(22 * unit));
  titleFont.setBold(true);
  QFont textFont(QStringLiteral("DejaVu Sans"));
  textFont.setPixelSize(static_cast<int>(12 * unit));

  int top = page.top();
  painter.setFont(titleFont);
  const int titleHeight = QFontMetrics(titleFont, painter.device()).height();
  painter.drawText(QRect(page.left(), top, page.width(), titleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, sheet.title);
  top += titleHeight;
  painter.setFont(textFont);
  const int lineHeight = QFontMetrics(textFont, painter.device()).height();
  for (const QString& line : sheet.subtitle) {
    painter.drawText(QRect(page.left(), top, page.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, line);
    top += lineHeight;
  }
  top += lineHeight / 2;

  const QRect legend(page.left(), page.bottom() - 3 * lineHeight, page.width(), 3 * lineHeight);
  const QRect gridArea(page.left(), top, page.width(), legend.top() - top - lineHeight / 2);
  if (sheet.grid != nullptr) {
    const QSize old = sheet.grid->size();
    sheet.grid->resize(kGridWidth, kGridHeight);
    const double scale =
        std::min(gridArea.width() / double(kGridWidth), gridArea.height() / double(kGridHeight));
    painter.save();
    painter.translate(gridArea.left(), gridArea.top());
    painter.scale(scale, scale);
    sheet.grid->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
    sheet.grid->resize(old);
  }
  painter.setFont(textFont);
  painter.drawText(legend, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sheet.legend);
}

}  // namespace

void PaintLunarMonthSheet(QPagedPaintDevice& device, const LunarMonthSheet& sheet) {
  SetLandscapeA4(device);
  QPainter painter(&device);
  PaintSheet(painter, painter.viewport(), sheet);
}

QString WriteLunarMonthPdf(const QString& path, const LunarMonthSheet& sheet) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Не удалось открыть файл для записи: %1").arg(file.errorString());
  }
  {
    QPdfWriter writer(&file);
    writer.setResolution(300);
    writer.setTitle(sheet.title);
    writer.setCreator(QStringLiteral("Велунор"));
    PaintLunarMonthSheet(writer, sheet);
  }
  if (!file.commit()) {
    return QStringLiteral("Не удалось записать файл: %1").arg(file.errorString());
  }
  return {};
}

void PrintLunarMonthSheet(QPrinter& printer, const LunarMonthSheet& sheet) {
  PaintLunarMonthSheet(printer, sheet);
}
