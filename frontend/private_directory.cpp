#include "frontend/private_directory.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

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
  // Candidates in order of preference; a later one is tried when an earlier
  // one cannot run programs or is refused (say, another user holds our name in
  // the shared temporary directory).
  struct Candidate {
    QString base;
    bool shared;
  };
  std::vector<Candidate> candidates = {{QDir::tempPath(), true}};
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) candidates.push_back({runtime, false});
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (!cache.isEmpty()) candidates.push_back({cache, false});

  QString reasons;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const Candidate& candidate = candidates[i];
    const bool last = i + 1 == candidates.size();
    if (!last && IsOnNoExecMount(candidate.base)) {
      reasons += candidate.base + QStringLiteral(": mounted noexec; ");
      continue;
    }
    if (!QDir().mkpath(candidate.base)) {
      reasons += candidate.base + QStringLiteral(": cannot be created; ");
      continue;
    }
    QString reason;
    const QString path =
        EnsurePrivateDirectory(candidate.base, DirectoryName(candidate.shared), &reason);
    if (!path.isEmpty()) return path;
    reasons += reason + QStringLiteral("; ");
  }
  if (error) *error = reasons.isEmpty() ? QStringLiteral("no directory to use") : reasons;
  return {};
}

}  // namespace frontend
