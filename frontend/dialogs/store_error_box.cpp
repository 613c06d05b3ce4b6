#include "frontend/dialogs/store_error_box.h"

#include <QMessageBox>

#include "frontend/persons/person_store.h"

void ShowStoreError(QWidget* parent, const frontend::PersonStore& store) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Сохраненные люди"), store.lastError(),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("StoreErrorBox"));
  if (!store.lastErrorDetail().isEmpty()) box.setDetailedText(store.lastErrorDetail());
  box.exec();
}
