#include "frontend/resources/resources.h"

#include <QDir>
#include <QFile>
#include <QPixmap>

namespace {

// The entry of `directory` whose name equals `name` ignoring case, or empty.
QString FindEntry(const QDir& directory, const QString& name, QDir::Filters filters) {
  for (const QString& entry : directory.entryList(filters)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}

}  // namespace

ResourceNotFound::ResourceNotFound(const QString& name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString()) {}

QByteArray LoadResource(const QString& type, const QString& name) {
  const QString typeEntry = FindEntry(QDir(QStringLiteral(":/")), type, QDir::Dirs);
  if (!typeEntry.isEmpty()) {
    const QDir typeDirectory(QStringLiteral(":/") + typeEntry);
    const QString nameEntry = FindEntry(typeDirectory, name, QDir::Files);
    if (!nameEntry.isEmpty()) {
      QFile file(typeDirectory.filePath(nameEntry));
      if (file.open(QIODevice::ReadOnly)) return file.readAll();
    }
  }
  throw ResourceNotFound(name);
}

QIcon LoadMainIcon() {
  QIcon icon;
  for (const char* size : {"16", "32"}) {
    try {
      QPixmap pixmap;
      if (pixmap.loadFromData(
              LoadResource(QStringLiteral("MAINICON"), QString::fromLatin1(size)))) {
        icon.addPixmap(pixmap);
      }
    } catch (const ResourceNotFound&) {
    }
  }
  return icon;
}
