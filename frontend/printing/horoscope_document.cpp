#include "frontend/printing/horoscope_document.h"

#include <QDir>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include "frontend/horoscope/horoscope_sections.h"
#include "frontend/horoscope/horoscope_text.h"

namespace {

const QString kPictureName = QStringLiteral("velunor:month-picture");
// Printed 50 mm wide: at 200 pixels that is about 100 pixels per inch, so
// the picture is enlarged with whole pixels first (to 800 x 800, 400 per
// inch on paper), which a printer or PDF viewer will not blur.
constexpr double kPictureSizeMm = 50.0;
constexpr int kPictureScale = 4;
constexpr int kPdfResolutionDpi = 300;

QFont DocumentFont() {
  // DejaVu Sans carries Cyrillic on every Debian desktop; any sans font with
  // Cyrillic stands in for it where it is missing.
  QFont font(QStringLiteral("DejaVu Sans"), 10);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

std::unique_ptr<QTextDocument> HoroscopeDocument(const frontend::Horoscope& horoscope,
                                                 const QImage& monthPicture) {
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(DocumentFont());
  document->setMetaInformation(
      QTextDocument::DocumentTitle,
      horoscope.birth.surname + QLatin1Char(' ') + horoscope.birth.firstName);
  const QImage sharp = monthPicture.scaled(monthPicture.size() * kPictureScale,
                                           Qt::IgnoreAspectRatio, Qt::FastTransformation);
  document->addResource(QTextDocument::ImageResource, QUrl(kPictureName), sharp);
  document->setHtml(frontend::HoroscopeHtml(horoscope, kPictureName, kPictureSizeMm));
  return document;
}

void PrintHoroscope(const frontend::Horoscope& horoscope, const QImage& monthPicture,
                    QPagedPaintDevice* device) {
  device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  HoroscopeDocument(horoscope, monthPicture)->print(device);
}

bool WriteHoroscopePdf(const frontend::Horoscope& horoscope, const QImage& monthPicture,
                       const QString& path, QString* problem) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *problem = QStringLiteral("Не удалось создать файл «%1»: %2.")
                   .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolutionDpi);
    writer.setCreator(QStringLiteral("Велунор"));
    writer.setTitle(frontend::HoroscopeTitle(horoscope));
    PrintHoroscope(horoscope, monthPicture, &writer);
  }
  if (!file.commit()) {
    *problem = QStringLiteral("Не удалось записать файл «%1»: %2.")
                   .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  return true;
}
