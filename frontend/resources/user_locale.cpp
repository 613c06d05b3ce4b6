#include "frontend/resources/user_locale.h"

QLocale UserLocale() {
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C) return QLocale(QLocale::Russian, QLocale::Russia);
  return system;
}
