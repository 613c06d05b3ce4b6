#include "frontend/persons/person_store.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <functional>

#include "frontend/birth/russian_dates.h"
#include "frontend/calculator_run/environment_paths.h"
#include "frontend/persons/person_schema.h"
#include "frontend/persons/store_error_text.h"
#include "frontend/places/atlas_folding.h"

namespace frontend {

namespace {

QString NewConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("velunor-persons-%1").arg(++counter);
}

// Text columns are NOT NULL, and an empty field may come as a null QString.
QString Text(const QString& text) {
  return text.isNull() ? QStringLiteral("") : text;
}

// A column of the persons table and the value a birth gives it.
struct Column {
  const char* name;
  QVariant value;
};

// The columns that hold a birth, for writing it and for finding it again.
std::vector<Column> BirthColumns(const BirthData& birth) {
  return {{"surname", Text(birth.surname)},
          {"first_name", Text(birth.firstName)},
          {"patronymic", Text(birth.patronymic)},
          {"sex", birth.sex == Sex::kFemale ? QStringLiteral("F") : QStringLiteral("M")},
          {"birth_date", IsoText(birth.date)},
          {"birth_time", birth.time.toString(Qt::ISODateWithMs)},
          {"zone_hours", birth.zoneHours},
          {"place", Text(birth.place)},
          {"latitude_degrees", birth.latitude.degrees},
          {"latitude_minutes", birth.latitude.minutes},
          {"longitude_degrees", birth.longitude.degrees},
          {"longitude_minutes", birth.longitude.minutes},
          {"zone_minutes", birth.zoneMinutes},
          {"zone_name", Text(birth.zoneName)},
          {"latitude_south", int{birth.latitude.negative}},
          {"longitude_west", int{birth.longitude.negative}}};
}

// "a, b, c", or with `format` applied to each name (%1).
QString ColumnList(const std::vector<Column>& columns, const QString& separator,
                   const QString& format = QStringLiteral("%1")) {
  QStringList parts;
  for (const Column& column : columns) parts.append(format.arg(QLatin1String(column.name)));
  return parts.join(separator);
}

void BindColumns(QSqlQuery& query, const std::vector<Column>& columns) {
  for (const Column& column : columns) {
    query.bindValue(QLatin1Char(':') + QLatin1String(column.name), column.value);
  }
}

std::optional<SavedPerson> PersonOf(const QSqlQuery& row) {
  const auto field = [&row](const char* column) { return row.value(QLatin1String(column)); };
  SavedPerson person;
  person.id = field("id").toLongLong();
  BirthData& birth = person.birth;
  birth.surname = field("surname").toString();
  birth.firstName = field("first_name").toString();
  birth.patronymic = field("patronymic").toString();
  birth.sex = field("sex").toString() == QLatin1String("F") ? Sex::kFemale : Sex::kMale;
  const std::optional<CivilDate> date = CivilDateFromIso(field("birth_date").toString());
  birth.time = QTime::fromString(field("birth_time").toString(), Qt::ISODateWithMs);
  birth.zoneHours = field("zone_hours").toInt();
  birth.place = field("place").toString();
  birth.latitude = {field("latitude_south").toBool(), field("latitude_degrees").toInt(),
                    field("latitude_minutes").toInt()};
  birth.longitude = {field("longitude_west").toBool(), field("longitude_degrees").toInt(),
                     field("longitude_minutes").toInt()};
  birth.zoneMinutes = field("zone_minutes").toInt();
  birth.zoneName = field("zone_name").toString();
  // A row changed by hand into something that is no date cannot be opened.
  if (!date || !birth.time.isValid()) return std::nullopt;
  birth.date = *date;
  return person;
}

void SortByName(std::vector<SavedPerson>& persons) {
  QCollator collator(RussianLocale());
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  std::stable_sort(persons.begin(), persons.end(), [&](const SavedPerson& a, const SavedPerson& b) {
    for (const auto field : {&BirthData::surname, &BirthData::firstName, &BirthData::patronymic}) {
      const int order = collator.compare(a.birth.*field, b.birth.*field);
      if (order != 0) return order < 0;
    }
    return a.id < b.id;
  });
}

}  // namespace

PersonStore::PersonStore(QString path) : path_(std::move(path)), connection_(NewConnectionName()) {}

PersonStore::~PersonStore() {
  if (QSqlDatabase::contains(connection_)) {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
  }
}

QString PersonStore::DefaultPath() {
  if (!DefaultPathProblem().isEmpty()) return {};
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/persons.sqlite");
}

QString PersonStore::DefaultPathProblem() {
  return UndecodableVariableProblem({"HOME", "XDG_DATA_HOME"});
}

bool PersonStore::Failed(const QString& what, const QSqlError& error, bool fileUnusable) {
  return Failed(what, RussianReasonOf(error), fileUnusable, error.text());
}

bool PersonStore::Failed(const QString& what, const QString& why, bool fileUnusable,
                         const QString& detail) {
  lastErrorDetail_ = detail;
  lastError_ =
      QStringLiteral("%1 (файл «%2»): %3.").arg(what, QDir::toNativeSeparators(path_), why);
  if (fileUnusable) {
    unusable_ = true;
    lastError_ += QStringLiteral(
        " Файл оставлен как есть; до следующего запуска программы люди не сохраняются.");
    unusableReason_ = lastError_;
  }
  return false;
}

bool PersonStore::Open(bool create) {
  if (unusable_) {
    lastError_ = unusableReason_;
    return false;
  }
  if (open_) return true;
  if (path_.isEmpty()) {
    unusable_ = true;
    unusableReason_ = lastError_ =
        QStringLiteral("Сохраненные люди недоступны: %1.").arg(DefaultPathProblem());
    return false;
  }
  const QFileInfo file(path_);
  if (!file.exists() && !create) return true;
  if (file.exists() && !file.isFile()) {
    return Failed(QStringLiteral("Сохраненные люди недоступны"), QStringLiteral("это не файл"),
                  true);
  }
  if (!file.exists() && !QDir().mkpath(file.absolutePath())) {
    return Failed(QStringLiteral("Не удалось сохранить"),
                  QStringLiteral("не удается создать папку «%1»")
                      .arg(QDir::toNativeSeparators(file.absolutePath())));
  }
  QSqlDatabase database = QSqlDatabase::contains(connection_)
                              ? QSqlDatabase::database(connection_, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  if (!database.isValid()) {
    return Failed(QStringLiteral("Сохраненные люди недоступны"),
                  QStringLiteral("нет драйвера SQLite для Qt (пакет libqt6sql6-sqlite)"));
  }
  database.setDatabaseName(path_);
  database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!database.open()) {
    return Failed(QStringLiteral("Сохраненные люди недоступны"), database.lastError(),
                  file.exists());
  }
  // SQLite reads the file only now; a damaged or foreign file fails here,
  // before anything has been written.
  QSqlQuery check(database);
  if (file.exists() && (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
                        check.value(0).toString() != QLatin1String("ok"))) {
    const QSqlError error = check.lastError();
    check.finish();
    database.close();
    if (error.isValid()) return Failed(QStringLiteral("Сохраненные люди недоступны"), error, true);
    return Failed(QStringLiteral("Сохраненные люди недоступны"), QStringLiteral("файл поврежден"),
                  true);
  }
  check.finish();
  QString problem;
  if (!MigrateSchema(database, PersonSchemaSteps(), &problem)) {
    database.close();
    return Failed(QStringLiteral("Сохраненные люди недоступны"), problem, file.exists());
  }
  open_ = true;
  return true;
}

std::optional<std::vector<SavedPerson>> PersonStore::List() {
  lastError_.clear();
  if (!Open(false)) return std::nullopt;
  std::vector<SavedPerson> persons;
  if (!open_) return persons;  // nothing saved yet
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  const QString columns = ColumnList(BirthColumns(BirthData{}), QStringLiteral(", "));
  if (!query.exec(QStringLiteral("SELECT id, %1 FROM persons").arg(columns))) {
    Failed(QStringLiteral("Не удалось прочитать сохраненных людей"), query.lastError());
    return std::nullopt;
  }
  while (query.next()) {
    if (auto person = PersonOf(query)) persons.push_back(std::move(*person));
  }
  SortByName(persons);
  return persons;
}

bool PersonStore::Change(const QString& statement, const QVariantList& values, qint64* insertedId) {
  return InTransaction([&](QSqlQuery& query) {
    query.prepare(statement);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) return false;
    if (insertedId != nullptr) *insertedId = query.lastInsertId().toLongLong();
    return true;
  });
}

bool PersonStore::InTransaction(const std::function<bool(QSqlQuery&)>& work) {
  QSqlDatabase database = QSqlDatabase::database(connection_, false);
  QSqlQuery query(database);
  // Immediate: the write lock is taken at once, so a second copy of the
  // program writing now waits (up to kBusyTimeoutMs) instead of failing
  // half-way; each change is whole or absent.
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    return Failed(QStringLiteral("Изменение не сохранено"), query.lastError());
  }
  const bool done = work(query);
  const QSqlError why = query.lastError();
  query.finish();
  QSqlQuery commit(database);
  if (!done || !commit.exec(QStringLiteral("COMMIT"))) {
    const QSqlError reason = done ? commit.lastError() : why;
    QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
    return Failed(QStringLiteral("Изменение не сохранено"), reason);
  }
  return true;
}

std::optional<qint64> PersonStore::Save(const BirthData& birth) {
  lastError_.clear();
  if (!Open(true)) return std::nullopt;
  const std::vector<Column> columns = BirthColumns(birth);
  qint64 id = 0;
  const bool saved = InTransaction([&](QSqlQuery& query) {
    // The same person saved again is kept once.
    query.prepare(
        QStringLiteral("SELECT id FROM persons WHERE %1")
            .arg(ColumnList(columns, QStringLiteral(" AND "), QStringLiteral("%1 = :%1"))));
    BindColumns(query, columns);
    if (!query.exec()) return false;
    if (query.next()) {
      id = query.value(0).toLongLong();
      return true;
    }
    query.prepare(QStringLiteral("INSERT INTO persons (%1, saved_at) VALUES (%2, :saved_at)")
                      .arg(ColumnList(columns, QStringLiteral(", ")),
                           ColumnList(columns, QStringLiteral(", "), QStringLiteral(":%1"))));
    BindColumns(query, columns);
    query.bindValue(QStringLiteral(":saved_at"),
                    QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    if (!query.exec()) return false;
    id = query.lastInsertId().toLongLong();
    return true;
  });
  if (!saved) return std::nullopt;
  return id;
}

bool PersonStore::Rename(qint64 id, const QString& surname, const QString& firstName,
                         const QString& patronymic) {
  lastError_.clear();
  if (!Open(false)) return false;
  if (!open_)
    return Failed(QStringLiteral("Не удалось переименовать"), QStringLiteral("файла нет"));
  return Change(
      QStringLiteral("UPDATE persons SET surname = ?, first_name = ?, patronymic = ? WHERE id = ?"),
      {Text(surname), Text(firstName), Text(patronymic), id});
}

bool PersonStore::Remove(qint64 id) {
  lastError_.clear();
  if (!Open(false)) return false;
  if (!open_) return true;  // nothing saved, nothing to remove
  return Change(QStringLiteral("DELETE FROM persons WHERE id = ?"), {id});
}

bool MatchesFilter(const BirthData& birth, const QString& typed) {
  // Read as the place search reads names: case, "ё" against "е" and the
  // alphabet do not count.
  const std::string haystack =
      FoldTyped(QStringList{birth.surname, birth.firstName, birth.patronymic, birth.place}.join(
          QLatin1Char(' ')));
  const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return std::all_of(words.begin(), words.end(), [&](const QString& word) {
    return haystack.find(FoldTyped(word)) != std::string::npos;
  });
}

}  // namespace frontend
