#include "frontend/resources/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtRussianTranslations(QCoreApplication& application) {
  // qtbase holds the texts of the widgets' dialogs; the translator lives as
  // long as the application that uses it.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_ru"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}
