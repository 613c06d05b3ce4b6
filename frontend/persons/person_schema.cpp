#include "frontend/persons/person_schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <optional>

namespace frontend {

namespace {

// Every field of a person as the window holds it; coordinates as typed, the
// time with its milliseconds.
const QStringList kVersion1 = {
    QStringLiteral("CREATE TABLE persons ("
                   " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                   " surname TEXT NOT NULL,"
                   " first_name TEXT NOT NULL,"
                   " patronymic TEXT NOT NULL,"
                   " sex TEXT NOT NULL CHECK (sex IN ('M', 'F')),"
                   " birth_date TEXT NOT NULL,"  // yyyy-MM-dd
                   " birth_time TEXT NOT NULL,"  // HH:mm:ss.zzz, local clock time
                   " zone_hours INTEGER NOT NULL,"
                   " place TEXT NOT NULL,"
                   " latitude_degrees INTEGER NOT NULL,"
                   " latitude_minutes INTEGER NOT NULL,"
                   " longitude_degrees INTEGER NOT NULL,"
                   " longitude_minutes INTEGER NOT NULL,"
                   " saved_at TEXT NOT NULL)"),  // UTC, ISO 8601
    QStringLiteral("PRAGMA application_id = %1").arg(kPersonFileApplicationId),
};

// Zones with minutes (+5:30), and the time-zone database's name of a zone
// that followed the picked place ("" for a zone typed by hand).
const QStringList kVersion2 = {
    QStringLiteral("ALTER TABLE persons ADD COLUMN zone_minutes INTEGER NOT NULL DEFAULT 0"),
    QStringLiteral("ALTER TABLE persons ADD COLUMN zone_name TEXT NOT NULL DEFAULT ''"),
};

// The side of each coordinate apart from its degrees, which from now on are
// whole degrees without a sign: before, the sign lived in the degrees, and a
// place less than one degree south or west (London, Quito) lost its side.
const QStringList kVersion3 = {
    QStringLiteral("ALTER TABLE persons ADD COLUMN latitude_south INTEGER NOT NULL DEFAULT 0"
                   " CHECK (latitude_south IN (0, 1))"),
    QStringLiteral("ALTER TABLE persons ADD COLUMN longitude_west INTEGER NOT NULL DEFAULT 0"
                   " CHECK (longitude_west IN (0, 1))"),
    QStringLiteral("UPDATE persons SET latitude_south = latitude_degrees < 0,"
                   " latitude_degrees = abs(latitude_degrees),"
                   " longitude_west = longitude_degrees < 0,"
                   " longitude_degrees = abs(longitude_degrees)"),
};

std::optional<qlonglong> Number(QSqlDatabase& database, const QString& statement,
                                QString* problem) {
  QSqlQuery query(database);
  if (!query.exec(statement) || !query.next()) {
    *problem = query.lastError().text();
    return std::nullopt;
  }
  return query.value(0).toLongLong();
}

bool Exec(QSqlDatabase& database, const QString& statement, QString* problem) {
  QSqlQuery query(database);
  if (query.exec(statement)) return true;
  *problem = query.lastError().text();
  return false;
}

// Why the file, at `version`, cannot be brought up to date; empty when it can.
QString Refusal(QSqlDatabase& database, qlonglong version, qsizetype current, QString* problem) {
  if (version > current) {
    return QStringLiteral("файл записан более новой версией программы (версия %1, эта знает до %2)")
        .arg(version)
        .arg(current);
  }
  const auto application = Number(database, QStringLiteral("PRAGMA application_id"), problem);
  const auto tables =
      Number(database, QStringLiteral("SELECT count(*) FROM sqlite_master"), problem);
  if (!application || !tables) return *problem;
  const bool empty = version == 0 && *tables == 0;
  if (!empty && *application != kPersonFileApplicationId) {
    return QStringLiteral("это не файл сохраненных людей");
  }
  return {};
}

}  // namespace

const std::vector<QStringList>& PersonSchemaSteps() {
  static const std::vector<QStringList> steps = {kVersion1, kVersion2, kVersion3};
  return steps;
}

bool MigrateSchema(QSqlDatabase& database, const std::vector<QStringList>& steps,
                   QString* problem) {
  // Immediate: a second copy of the program opening the same new file waits
  // here rather than creating the tables a second time.
  if (!Exec(database, QStringLiteral("BEGIN IMMEDIATE"), problem)) return false;
  const auto fail = [&](const QString& why) {
    *problem = why;
    QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
    return false;
  };
  QString reason;
  const auto version = Number(database, QStringLiteral("PRAGMA user_version"), &reason);
  if (!version) return fail(reason);
  const auto current = static_cast<qsizetype>(steps.size());
  if (const QString refusal = Refusal(database, *version, current, &reason); !refusal.isEmpty()) {
    return fail(refusal);
  }
  if (*version == current) {
    // Nothing to change: the transaction only held off a concurrent creation.
    QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
    return true;
  }
  for (qsizetype step = *version; step < current; ++step) {
    for (const QString& statement : steps[static_cast<size_t>(step)]) {
      if (!Exec(database, statement, &reason)) return fail(reason);
    }
  }
  if (!Exec(database, QStringLiteral("PRAGMA user_version = %1").arg(current), &reason) ||
      !Exec(database, QStringLiteral("COMMIT"), &reason)) {
    return fail(reason);
  }
  return true;
}

}  // namespace frontend
