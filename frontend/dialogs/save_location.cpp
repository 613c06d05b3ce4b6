#include "frontend/dialogs/save_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace frontend {

namespace {

QString& LastFolder() {
  static QString folder;
  return folder;
}

QString StartFolder() {
  if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) return LastFolder();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

}  // namespace

QString SuggestedSavePath(const QString& fileName) {
  return QDir(StartFolder()).filePath(fileName);
}

void RememberSaveFolder(const QString& path) {
  if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
}

}  // namespace frontend
