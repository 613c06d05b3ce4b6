#include "frontend/calculator_run/private_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "frontend/calculator_run/environment_paths.h"
#include "frontend/calculator_run/system_error_text.h"

namespace frontend {
namespace {

constexpr mode_t kOwnerOnly = 0700;

QString Failed(const QString& what, int error) {
  return what + QStringLiteral(": ") + SystemErrorText(error);
}

QString CreateIfMissing(const QByteArray& path) {
  if (::mkdir(path.constData(), kOwnerOnly) == 0 || errno == EEXIST) return {};
  return Failed(QStringLiteral("не удалось создать каталог"), errno);
}

// O_NOFOLLOW: a symlink planted under our name must not lead elsewhere. All
// later checks go through the descriptor, so the name cannot be swapped under
// them.
QString OpenWithoutFollowing(const QByteArray& path, int* descriptor) {
  *descriptor = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (*descriptor >= 0) return {};
  if (errno == ELOOP) return QStringLiteral("на месте каталога находится символическая ссылка");
  if (errno == ENOTDIR) return QStringLiteral("на месте каталога находится файл");
  return Failed(QStringLiteral("не удалось открыть каталог"), errno);
}

QString CheckOwnedByUser(int directory) {
  struct stat status {};
  if (::fstat(directory, &status) != 0) return Failed(QStringLiteral("каталог недоступен"), errno);
  if (status.st_uid != ::geteuid())
    return QStringLiteral("каталог принадлежит другому пользователю");
  return {};
}

QString ShutOutOthers(int directory) {
  struct stat status {};
  if (::fstat(directory, &status) != 0) return Failed(QStringLiteral("каталог недоступен"), errno);
  if ((status.st_mode & 07777) == kOwnerOnly || ::fchmod(directory, kOwnerOnly) == 0) return {};
  return Failed(QStringLiteral("не удалось закрыть каталог от других"), errno);
}

// Only the program of this user creates entries here, and only regular files
// with one name. Anything else came from someone else while the directory was
// open to others: a symlink, a file of another user, a hard link to a file
// kept elsewhere.
bool IsForeign(const struct stat& entry) {
  return entry.st_uid != ::geteuid() || !S_ISREG(entry.st_mode) || entry.st_nlink != 1;
}

QString RemoveForeignEntries(int directory) {
  const int listing = ::dup(directory);
  DIR* entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
  if (entries == nullptr) {
    const int error = errno;
    if (listing >= 0) ::close(listing);
    return Failed(QStringLiteral("не удалось прочитать каталог"), error);
  }
  QString problem;
  while (const dirent* entry = ::readdir(entries)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    struct stat status {};
    if (::fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;  // gone
    if (!IsForeign(status)) continue;
    const int flags = S_ISDIR(status.st_mode) ? AT_REMOVEDIR : 0;
    if (::unlinkat(directory, name, flags) != 0 && errno != ENOENT) {
      problem = Failed(
          QStringLiteral("не удалось удалить чужой файл «%1»").arg(QFile::decodeName(name)), errno);
      break;
    }
  }
  ::closedir(entries);
  return problem;
}

// The user id keeps users apart in a base that all of them share.
QString SharedDirectoryName() {
  return QStringLiteral("velunor-%1").arg(::geteuid());
}

}  // namespace

QString DirectoryCandidate::path() const {
  return QDir::cleanPath(base + QLatin1Char('/') + name) + QLatin1Char('/');
}

std::vector<DirectoryCandidate> CalculatorDirectoryCandidates() {
  std::vector<DirectoryCandidate> candidates;
  // Empty when TMPDIR names a directory that does not exist; one that cannot
  // be named at all is listed with the reason it is not used.
  const QString temporaryProblem = UndecodableVariableProblem({"TMPDIR"});
  const QString temporary =
      temporaryProblem.isEmpty() ? QDir::tempPath() : qEnvironmentVariable("TMPDIR");
  if (!temporary.isEmpty()) {
    candidates.push_back({temporary, SharedDirectoryName(), temporaryProblem});
  }
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString runtimeProblem = UndecodableVariableProblem({"XDG_RUNTIME_DIR"});
  if (!runtime.isEmpty() && (!runtimeProblem.isEmpty() || QDir(runtime).exists())) {
    candidates.push_back({runtime, QStringLiteral("velunor"), runtimeProblem});
  }
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (!cache.isEmpty()) {
    candidates.push_back(
        {cache, QStringLiteral("velunor"), UndecodableVariableProblem({"HOME", "XDG_CACHE_HOME"})});
  }
  return candidates;
}

QString EnsurePrivateDirectory(const QString& base, const QString& name, QString* problem) {
  const QString path = QDir::cleanPath(base + QLatin1Char('/') + name);
  const QByteArray native = QFile::encodeName(path);
  int directory = -1;
  QString reason = CreateIfMissing(native);
  if (reason.isEmpty()) reason = OpenWithoutFollowing(native, &directory);
  if (reason.isEmpty()) reason = CheckOwnedByUser(directory);
  // Closed to others first, so that nothing new appears while we clear it.
  if (reason.isEmpty()) reason = ShutOutOthers(directory);
  if (reason.isEmpty()) reason = RemoveForeignEntries(directory);
  if (directory >= 0) ::close(directory);
  if (!reason.isEmpty()) {
    if (problem != nullptr) *problem = reason;
    return {};
  }
  return path + QLatin1Char('/');
}

}  // namespace frontend
