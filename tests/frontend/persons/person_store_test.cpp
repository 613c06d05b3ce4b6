// The saved persons' file: created only by the first save, every field kept,
// migrations, two writers at once, and files that must be left alone.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <thread>

#include "frontend/persons/person_schema.h"
#include "frontend/persons/person_store.h"

namespace frontend {
namespace {

BirthData Person(const QString& surname, const QString& firstName) {
  BirthData birth;
  birth.surname = surname;
  birth.firstName = firstName;
  birth.patronymic = QStringLiteral("Петрович");
  birth.date = {1990, 5, 17};
  birth.time = QTime(14, 30);
  birth.zoneHours = 3;
  birth.place = QStringLiteral("Минск");
  birth.latitude = {false, 53, 54};
  birth.longitude = {false, 27, 34};
  return birth;
}

QByteArray Digest(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A raw connection for what the store does not offer: building old files and
// reading the layout.
class RawDatabase {
 public:
  explicit RawDatabase(const QString& path) : name_(QStringLiteral("raw-") + path) {
    auto database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    database.setDatabaseName(path);
    database.open();
  }
  ~RawDatabase() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
  QVariant Value(const QString& statement) const {
    QSqlQuery query(database());
    if (!query.exec(statement) || !query.next()) return {};
    return query.value(0);
  }
  bool Exec(const QString& statement) const { return QSqlQuery(database()).exec(statement); }

 private:
  QString name_;
};

// The file as the first release wrote it, with one person in it.
void WriteVersion1File(const QString& path) {
  RawDatabase raw(path);
  for (const QString& statement : PersonSchemaSteps().front()) ASSERT_TRUE(raw.Exec(statement));
  ASSERT_TRUE(raw.Exec(QStringLiteral(
      "INSERT INTO persons (surname, first_name, patronymic, sex, birth_date, birth_time,"
      " zone_hours, place, latitude_degrees, latitude_minutes, longitude_degrees,"
      " longitude_minutes, saved_at) VALUES ('Сидорова', 'Анна', '', 'F', '1985-12-31',"
      " '23:59:59.000', -5, 'Лима', -12, 3, -77, 2, '2024-01-01T00:00:00Z')")));
  ASSERT_TRUE(raw.Exec(QStringLiteral("PRAGMA user_version = 1")));
}

class PersonStoreTest : public ::testing::Test {
 protected:
  QTemporaryDir directory_;
  QString path_ = directory_.filePath(QStringLiteral("data/velunor/persons.sqlite"));
};

TEST_F(PersonStoreTest, NothingIsWrittenBeforeTheFirstSave) {
  PersonStore store(path_);
  const auto persons = store.List();
  ASSERT_TRUE(persons.has_value());
  EXPECT_TRUE(persons->empty());
  EXPECT_TRUE(store.Remove(1));
  EXPECT_FALSE(QFile::exists(path_));
  EXPECT_FALSE(QFile::exists(directory_.filePath(QStringLiteral("data"))));

  ASSERT_TRUE(store.Save(Person(QStringLiteral("Иванов"), QStringLiteral("Иван"))));
  ASSERT_TRUE(QFile::exists(path_));
  RawDatabase raw(path_);
  EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA user_version")).toInt(),
            static_cast<int>(PersonSchemaSteps().size()));
  EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA application_id")).toInt(), kPersonFileApplicationId);
}

TEST_F(PersonStoreTest, DefaultFileIsInTheUsersDataDirectory) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QFile::encodeName(directory_.path()));
  const QString path = PersonStore::DefaultPath();
  qputenv("XDG_DATA_HOME", saved);
  EXPECT_TRUE(path.startsWith(directory_.path() + QLatin1Char('/'))) << path.toStdString();
  EXPECT_TRUE(path.endsWith(QStringLiteral("/persons.sqlite")));
}

TEST_F(PersonStoreTest, EveryFieldComesBackAndTheListIsInAlphabeticalOrder) {
  BirthData south = Person(QStringLiteral("Ёлкина"), QStringLiteral("Мария"));
  south.sex = Sex::kFemale;
  south.date = {100, 1, 1};
  south.time = QTime(0, 0, 59, 250);
  south.zoneHours = -12;
  south.place = QStringLiteral("Буэнос-Айрес");
  south.latitude = {true, 34, 36};
  south.longitude = {true, 58, 60};
  {
    PersonStore store(path_);
    for (const BirthData& birth : {Person(QStringLiteral("Яковлев"), QStringLiteral("Олег")), south,
                                   Person(QStringLiteral("абрамов"), QStringLiteral("Пётр")),
                                   Person(QStringLiteral("Абрамов"), QStringLiteral("Игорь")),
                                   Person(QStringLiteral("Жуков"), QStringLiteral("Юрий"))}) {
      ASSERT_TRUE(store.Save(birth)) << store.lastError().toStdString();
    }
  }
  PersonStore reopened(path_);
  const auto persons = reopened.List();
  ASSERT_TRUE(persons.has_value());
  QStringList order;
  for (const SavedPerson& person : *persons) {
    order << person.birth.surname + QLatin1Char(' ') + person.birth.firstName;
  }
  // Ё sorts with Е, before Ж; letter case does not separate the Абрамовы.
  EXPECT_EQ(order.join(QLatin1Char(',')),
            QStringLiteral("Абрамов Игорь,абрамов Пётр,Ёлкина Мария,Жуков Юрий,Яковлев Олег"));
  const BirthData& back = (*persons)[2].birth;
  EXPECT_EQ(back.sex, Sex::kFemale);
  EXPECT_EQ(back.date, south.date);
  EXPECT_EQ(back.time, south.time);
  EXPECT_EQ(back.zoneHours, -12);
  EXPECT_EQ(back.place, south.place);
  EXPECT_EQ(back.patronymic, south.patronymic);
  EXPECT_EQ(back.latitude, south.latitude);
  EXPECT_EQ(back.longitude, south.longitude);
}

// Less than one degree south or west comes back south or west: London, Quito.
TEST_F(PersonStoreTest, TheSideOfACoordinateComesBackWhereTheDegreesAreZero) {
  BirthData london = Person(QStringLiteral("Смит"), QStringLiteral("Джон"));
  london.latitude = {true, 0, 10};  // with Quito's latitude
  london.longitude = {true, 0, 8};
  ASSERT_TRUE(PersonStore(path_).Save(london));
  PersonStore reopened(path_);
  const auto persons = reopened.List();
  ASSERT_TRUE(persons && persons->size() == 1);
  EXPECT_EQ(persons->front().birth.latitude, london.latitude);
  EXPECT_EQ(persons->front().birth.longitude, london.longitude);
}

TEST_F(PersonStoreTest, SavingTheSamePersonAgainKeepsOneRenameAndDeleteChangeOnlyTheirOwn) {
  PersonStore store(path_);
  const auto first = store.Save(Person(QStringLiteral("Иванов"), QStringLiteral("Иван")));
  const auto again = store.Save(Person(QStringLiteral("Иванов"), QStringLiteral("Иван")));
  BirthData later = Person(QStringLiteral("Иванов"), QStringLiteral("Иван"));
  later.time = QTime(14, 31);
  const auto other = store.Save(later);
  ASSERT_TRUE(first && again && other);
  EXPECT_EQ(*first, *again);
  EXPECT_NE(*first, *other);

  ASSERT_TRUE(store.Rename(*first, QStringLiteral("Смирнов"), QStringLiteral("Иван"), {}));
  ASSERT_TRUE(store.Remove(*other));
  const auto persons = store.List();
  ASSERT_TRUE(persons && persons->size() == 1);
  EXPECT_EQ(persons->front().birth.surname, QStringLiteral("Смирнов"));
  EXPECT_EQ(persons->front().birth.patronymic, QString());
  EXPECT_EQ(persons->front().birth.time, QTime(14, 30));
}

TEST_F(PersonStoreTest, AVersion1FileIsBroughtUpToDateKeepingItsPersons) {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  WriteVersion1File(path_);
  {
    // A later layout adds a column; the step runs on the old file alone.
    RawDatabase raw(path_);
    auto database = raw.database();
    std::vector<QStringList> steps = PersonSchemaSteps();
    steps.push_back({QStringLiteral(
        "ALTER TABLE persons ADD COLUMN zone_from_database INTEGER NOT NULL DEFAULT 0")});
    QString problem;
    ASSERT_TRUE(MigrateSchema(database, steps, &problem)) << problem.toStdString();
    EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA user_version")).toInt(),
              static_cast<int>(steps.size()));
    EXPECT_EQ(raw.Value(QStringLiteral("SELECT zone_from_database FROM persons")).toInt(), 0);
    EXPECT_EQ(raw.Value(QStringLiteral("SELECT surname FROM persons")).toString(),
              QStringLiteral("Сидорова"));
  }
  // This program's store refuses the later file, as it does not know it.
  PersonStore store(path_);
  EXPECT_FALSE(store.List().has_value());
  EXPECT_TRUE(store.lastError().contains(path_)) << store.lastError().toStdString();
}

TEST_F(PersonStoreTest, TheStoreReadsAVersion1File) {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  WriteVersion1File(path_);
  PersonStore store(path_);
  const auto persons = store.List();
  ASSERT_TRUE(persons && persons->size() == 1) << store.lastError().toStdString();
  const BirthData& birth = persons->front().birth;
  EXPECT_EQ(birth.date, (CivilDate{1985, 12, 31}));
  EXPECT_EQ(birth.time, QTime(23, 59, 59));
  // The sign that lived in the degrees is now the side apart from them.
  EXPECT_EQ(birth.latitude, (Coordinate{true, 12, 3}));
  EXPECT_EQ(birth.longitude, (Coordinate{true, 77, 2}));
  // The first layout knew whole hours typed by hand only.
  EXPECT_EQ(birth.zoneHours, -5);
  EXPECT_EQ(birth.zoneMinutes, 0);
  EXPECT_TRUE(birth.zoneName.isEmpty());
  // The file, brought up to date, takes a zone with minutes beside it.
  BirthData kolkata = Person(QStringLiteral("Кумар"), QStringLiteral("Радж"));
  SetZoneOffsetMinutes(kolkata, 330);
  kolkata.zoneName = QStringLiteral("Asia/Kolkata");
  ASSERT_TRUE(store.Save(kolkata)) << store.lastError().toStdString();
  const auto both = store.List();
  ASSERT_TRUE(both && both->size() == 2);
  EXPECT_EQ(ZoneOffsetMinutes(both->front().birth), 330);  // Кумар before Сидорова
}

// Dates are kept as the civil dates typed, Julian before 15 October 1582; a
// day of the skipped 5..14 October an earlier version kept comes back as the
// day the calculator counted for it.
TEST_F(PersonStoreTest, CivilDatesComeBackAsTyped) {
  const CivilDate dates[] = {{1500, 2, 29}, {1582, 10, 4}, {1582, 10, 15}, {100, 1, 1}};
  {
    PersonStore store(path_);
    for (const CivilDate& date : dates) {
      BirthData birth = Person(QStringLiteral("Старый"), QString::number(date.year));
      birth.date = date;
      ASSERT_TRUE(store.Save(birth)) << store.lastError().toStdString();
    }
  }
  RawDatabase raw(path_);
  ASSERT_TRUE(
      raw.Exec(QStringLiteral("UPDATE persons SET birth_date = '1582-10-10'"
                              " WHERE birth_date = '1582-10-15'")));
  PersonStore store(path_);
  const auto persons = store.List();
  ASSERT_TRUE(persons && persons->size() == 4);
  std::vector<CivilDate> back;
  for (const SavedPerson& person : *persons) back.push_back(person.birth.date);
  std::sort(back.begin(), back.end());
  EXPECT_EQ(back,
            (std::vector<CivilDate>{{100, 1, 1}, {1500, 2, 29}, {1582, 10, 4}, {1582, 10, 20}}));
}

TEST_F(PersonStoreTest, AZoneWithMinutesAndItsDatabaseNameComeBack) {
  BirthData kolkata = Person(QStringLiteral("Кумар"), QStringLiteral("Радж"));
  SetZoneOffsetMinutes(kolkata, 5 * 60 + 30);
  kolkata.zoneName = QStringLiteral("Asia/Kolkata");
  BirthData newfoundland = Person(QStringLiteral("Смит"), QStringLiteral("Джон"));
  SetZoneOffsetMinutes(newfoundland, -(3 * 60 + 30));  // typed by hand: no name
  {
    PersonStore store(path_);
    ASSERT_TRUE(store.Save(kolkata)) << store.lastError().toStdString();
    ASSERT_TRUE(store.Save(newfoundland)) << store.lastError().toStdString();
  }
  PersonStore reopened(path_);
  const auto persons = reopened.List();
  ASSERT_TRUE(persons && persons->size() == 2) << reopened.lastError().toStdString();
  const BirthData& india = (*persons)[0].birth;
  EXPECT_EQ(india.zoneHours, 5);
  EXPECT_EQ(india.zoneMinutes, 30);
  EXPECT_EQ(india.zoneName, QStringLiteral("Asia/Kolkata"));
  const BirthData& canada = (*persons)[1].birth;
  EXPECT_EQ(canada.zoneHours, -3);
  EXPECT_EQ(canada.zoneMinutes, -30);
  EXPECT_TRUE(canada.zoneName.isEmpty());
}

TEST_F(PersonStoreTest, AMigrationThatFailsHalfWayChangesNothing) {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  WriteVersion1File(path_);
  const QByteArray before = Digest(path_);
  {
    RawDatabase raw(path_);
    auto database = raw.database();
    std::vector<QStringList> steps = PersonSchemaSteps();
    steps.push_back({QStringLiteral("ALTER TABLE persons ADD COLUMN note TEXT"),
                     QStringLiteral("ALTER TABLE no_such_table ADD COLUMN x TEXT")});
    QString problem;
    EXPECT_FALSE(MigrateSchema(database, steps, &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA user_version")).toInt(), 1);
    QSqlQuery columns(database);
    ASSERT_TRUE(columns.exec(QStringLiteral("SELECT * FROM persons")));
    EXPECT_EQ(columns.record().indexOf(QStringLiteral("note")), -1);
  }
  EXPECT_EQ(Digest(path_), before);
}

TEST_F(PersonStoreTest, TwoWritersAtOnceLoseNothing) {
  constexpr int kEach = 40;
  const auto writer = [this](const QString& surname) {
    PersonStore store(path_);
    for (int i = 0; i < kEach; ++i) {
      EXPECT_TRUE(store.Save(Person(surname, QString::number(i))))
          << store.lastError().toStdString();
    }
  };
  // Both start on a missing file: each may be the one that creates it.
  std::thread first(writer, QStringLiteral("Первый"));
  std::thread second(writer, QStringLiteral("Второй"));
  first.join();
  second.join();
  PersonStore store(path_);
  const auto persons = store.List();
  ASSERT_TRUE(persons.has_value()) << store.lastError().toStdString();
  EXPECT_EQ(persons->size(), 2u * kEach);
}

TEST_F(PersonStoreTest, AWriterWaitsForAnotherCopysTransaction) {
  PersonStore store(path_);
  ASSERT_TRUE(store.Save(Person(QStringLiteral("Иванов"), QStringLiteral("Иван"))));
  RawDatabase other(path_);
  ASSERT_TRUE(other.Exec(QStringLiteral("BEGIN IMMEDIATE")));
  ASSERT_TRUE(other.Exec(QStringLiteral("DELETE FROM persons WHERE surname = 'Нет такого'")));
  bool saved = false;
  QString error;
  std::thread writer([&] {
    PersonStore second(path_);
    saved = second.Save(Person(QStringLiteral("Петров"), QStringLiteral("Пётр"))).has_value();
    error = second.lastError();
  });
  // Give the writer time to meet the lock; it must wait for it, not fail.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(other.Exec(QStringLiteral("COMMIT")));
  writer.join();
  EXPECT_TRUE(saved) << error.toStdString();
  EXPECT_EQ(store.List()->size(), 2u);
}

TEST_F(PersonStoreTest, AFileThatIsNotASoundPersonsFileIsReportedAndLeftAlone) {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  const auto check = [this](const char* what) {
    SCOPED_TRACE(what);
    const QByteArray before = Digest(path_);
    PersonStore store(path_);
    EXPECT_FALSE(store.List().has_value());
    EXPECT_TRUE(store.lastError().contains(path_)) << store.lastError().toStdString();
    // Said in Russian: the database driver's English goes to the detail.
    EXPECT_FALSE(QString(store.lastError()).remove(path_).contains(QRegularExpression("[A-Za-z]")))
        << store.lastError().toStdString();
    EXPECT_FALSE(store.Save(Person(QStringLiteral("Иванов"), QStringLiteral("Иван"))));
    EXPECT_TRUE(store.unusable());
    EXPECT_EQ(Digest(path_), before);
  };

  {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("Это не база данных, а просто текст.\n").repeated(200));
  }
  check("text");

  QFile::remove(path_);
  {
    PersonStore store(path_);
    for (int i = 0; i < 30; ++i) store.Save(Person(QStringLiteral("Иванов"), QString::number(i)));
  }
  {
    // The header survives, the pages after it are overwritten.
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(8192, '\x5a'));
  }
  check("damaged pages");

  QFile::remove(path_);
  {
    RawDatabase raw(path_);
    raw.Exec(QStringLiteral("CREATE TABLE accounts (id INTEGER, money REAL)"));
  }
  check("another program's database");

  QFile::remove(path_);
  WriteVersion1File(path_);
  {
    RawDatabase raw(path_);
    raw.Exec(QStringLiteral("PRAGMA user_version = 99"));
  }
  check("a later version");
}

TEST(PersonFilterTest, EveryTypedWordMustOccurIgnoringCase) {
  const BirthData birth = Person(QStringLiteral("Иванов"), QStringLiteral("Иван"));
  EXPECT_TRUE(MatchesFilter(birth, QString()));
  EXPECT_TRUE(MatchesFilter(birth, QStringLiteral("ИВА")));
  EXPECT_TRUE(MatchesFilter(birth, QStringLiteral("  иван   минск ")));
  EXPECT_TRUE(MatchesFilter(birth, QStringLiteral("петрович")));
  EXPECT_FALSE(MatchesFilter(birth, QStringLiteral("иван гомель")));
  EXPECT_FALSE(MatchesFilter(birth, QStringLiteral("Сидоров")));
}

// As in the place search, "ё" and "е" are one letter, in either case.
TEST(PersonFilterTest, YoAndYeReadAlike) {
  const struct {
    const char* surname;
    const char* typed;
  } cases[] = {
      {"Ёлкина", "елкина"},   {"Ёлкина", "ЕЛК"},    {"Елкина", "ёлк"},
      {"Семёнов", "Семенов"}, {"Семенов", "СЕМЁН"}, {"ЩЁКИН", "щекин"},
  };
  for (const auto& c : cases) {
    const BirthData birth = Person(QString::fromUtf8(c.surname), QStringLiteral("Иван"));
    EXPECT_TRUE(MatchesFilter(birth, QString::fromUtf8(c.typed))) << c.surname << " / " << c.typed;
  }
}

}  // namespace
}  // namespace frontend
