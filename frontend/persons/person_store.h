// The saved persons: one SQLite file in the user's data directory, created at
// the first save. Every change is one transaction, so two copies of the
// program writing at once both keep their changes. A file that cannot be read
// or is not a sound saved-persons file is reported and never written to; the
// store then refuses every operation and the rest of the program goes on.
#pragma once

#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

#include "frontend/birth/birth_data.h"

class QSqlQuery;

namespace frontend {

struct SavedPerson {
  qint64 id = 0;
  BirthData birth;
};

class PersonStore {
 public:
  // How long a change waits while another copy of the program writes, in ms.
  static constexpr int kBusyTimeoutMs = 10'000;

  explicit PersonStore(QString path = DefaultPath());
  ~PersonStore();
  PersonStore(const PersonStore&) = delete;
  PersonStore& operator=(const PersonStore&) = delete;

  // persons.sqlite in the application's data directory
  // (QStandardPaths::AppDataLocation).
  // Empty when the directory's path cannot be told from the environment (see
  // DefaultPathProblem()).
  static QString DefaultPath();
  // Why there is no default path, in Russian; empty when there is one.
  static QString DefaultPathProblem();
  const QString& path() const { return path_; }

  // Every saved person, by surname, then first name and patronymic, in
  // Russian alphabetical order. Empty, without touching the disk, while the
  // file does not exist.
  std::optional<std::vector<SavedPerson>> List();
  // Stores `birth` as a new person, or finds it already stored with every
  // field the same; its id.
  std::optional<qint64> Save(const BirthData& birth);
  // Replaces the three name fields of the person `id`.
  bool Rename(qint64 id, const QString& surname, const QString& firstName,
              const QString& patronymic);
  bool Remove(qint64 id);

  // Why the last operation failed, in Russian, naming the file.
  const QString& lastError() const { return lastError_; }
  // The database driver's own text of that failure, in English, for whoever
  // looks further; empty when the failure was not the database's.
  const QString& lastErrorDetail() const { return lastErrorDetail_; }
  // The file was found unreadable or damaged: nothing will be written to it
  // during this program run.
  bool unusable() const { return unusable_; }

 private:
  // Opens the file (creating it when `create`) and brings its layout up to
  // date; false with lastError() set.
  bool Open(bool create);
  bool Failed(const QString& what, const QString& why, bool fileUnusable = false,
              const QString& detail = {});
  // The same for a failure of the database, said in Russian.
  bool Failed(const QString& what, const QSqlError& error, bool fileUnusable = false);
  // Runs `statement` with `values` bound in order, as one transaction.
  bool Change(const QString& statement, const QVariantList& values, qint64* insertedId = nullptr);
  // Runs `work` inside one immediate transaction, committed when it returns
  // true and rolled back otherwise.
  bool InTransaction(const std::function<bool(QSqlQuery&)>& work);

  QString path_;
  QString connection_;
  bool open_ = false;
  bool unusable_ = false;
  QString unusableReason_;
  QString lastError_;
  QString lastErrorDetail_;
};

// Whether the person matches what was typed into the list's filter: every
// word of it occurs, ignoring case, in the surname, first name, patronymic or
// place.
bool MatchesFilter(const BirthData& birth, const QString& typed);

}  // namespace frontend
