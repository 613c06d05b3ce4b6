#include "frontend/private_directory.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace frontend {
namespace {

constexpr mode_t kOwnerOnly = 0700;

QString SystemError(const QString& path) {
  return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// A directory name of our own; the user id keeps users apart in a shared base.
QString DirectoryName(bool sharedBase) {
  const QString name = QStringLiteral("velunor");
  return sharedBase ? name + QLatin1Char('-') + QString::number(geteuid()) : name;
}

}  // namespace

QString EnsurePrivateDirectory(const QString& base, const QString& name, QString* error) {
  QString path = QDir::cleanPath(base + QLatin1Char('/') + name);
  const QByteArray native = QFile::encodeName(path);
  if (::mkdir(native.constData(), kOwnerOnly) != 0 && errno != EEXIST) {
    if (error) *error = SystemError(path);
    return {};
  }
  // lstat, not stat: a symlink planted under our name must not be followed.
  struct stat status {};
  if (::lstat(native.constData(), &status) != 0) {
    if (error) *error = SystemError(path);
    return {};
  }
  if (!S_ISDIR(status.st_mode)) {
    if (error) *error = path + QStringLiteral(": not a directory");
    return {};
  }
  if (status.st_uid != geteuid()) {
    if (error) *error = path + QStringLiteral(": owned by another user");
    return {};
  }
  if ((status.st_mode & 077) != 0 && ::chmod(native.constData(), kOwnerOnly) != 0) {
    if (error) *error = SystemError(path);
    return {};
  }
  return path + QLatin1Char('/');
}

bool IsOnNoExecMount(const QString& path) {
  struct statvfs status {};
  if (::statvfs(QFile::encodeName(path).constData(), &status) != 0) return false;
  return (status.f_flag & ST_NOEXEC) != 0;
}

QString CalculatorDirectory(QString* error) {
  const QString temporary = QDir::tempPath();
  if (!IsOnNoExecMount(temporary)) {
    return EnsurePrivateDirectory(temporary, DirectoryName(true), error);
  }
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists() && !IsOnNoExecMount(runtime)) {
    return EnsurePrivateDirectory(runtime, DirectoryName(false), error);
  }
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache)) {
    if (error) *error = QStringLiteral("no user cache directory");
    return {};
  }
  return EnsurePrivateDirectory(cache, DirectoryName(false), error);
}

}  // namespace frontend
