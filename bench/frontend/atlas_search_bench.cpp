// The two candidates for searching the atlas of about 200,000 places, timed
// as a user types: a sorted index of the folded word starts of every name
// (frontend/places/atlas), and SQLite's FTS5 full-text index with the trigram
// tokenizer over the same folded names, queried through Qt SQL. Reports the
// load time, the memory the loaded atlas takes and the time of each
// keystroke's search for a few names typed letter by letter.
// Usage: atlas_search_bench [passes]   (default 20 per typed text)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/frontend/timings.h"
#include "frontend/places/atlas.h"
#include "frontend/places/atlas_folding.h"

namespace {

// Resident memory of this process in kilobytes.
long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// Every prefix of each name, as typed one letter after another.
std::vector<QString> Keystrokes() {
  std::vector<QString> typed;
  for (const char* name :
       {"ленинград", "минск", "лондон", "vitebsk", "раков", "нью-йорк", "алма-ата", "s", "zzzz"}) {
    const QString whole = QString::fromUtf8(name);
    for (qsizetype length = 1; length <= whole.size(); ++length)
      typed.push_back(whole.left(length));
  }
  return typed;
}

constexpr qsizetype kShown = 50;  // matches the popup shows

void TimePrefixIndex(const QByteArray& compressed, int passes) {
  const long before = ResidentKilobytes();
  QElapsedTimer timer;
  timer.start();
  const auto atlas = frontend::Atlas::FromCompressed(compressed);
  const double loadMs = timer.nsecsElapsed() / 1e6;
  if (!atlas) {
    std::fprintf(stderr, "the atlas does not load\n");
    return;
  }
  std::printf("prefix index: %lld places loaded in %.0f ms, resident memory +%.1f MB\n",
              static_cast<long long>(atlas->size()), loadMs,
              (ResidentKilobytes() - before) / 1024.0);
  std::vector<double> all;
  for (const QString& typed : Keystrokes()) {
    for (int i = 0; i < passes; ++i) {
      timer.restart();
      const auto found = atlas->Find(typed, kShown);
      for (const auto& match : found) atlas->Place(match.place);
      all.push_back(timer.nsecsElapsed() / 1e6);
    }
  }
  bench::Print("prefix index, one keystroke", all.size(), bench::Summarise(all));
}

void TimeFts5(const QByteArray& compressed, int passes) {
  QTemporaryDir directory;
  const QString path = directory.filePath(QStringLiteral("atlas.sqlite"));
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("atlas"));
  db.setDatabaseName(path);
  if (!db.open()) {
    std::fprintf(stderr, "SQLite: %s\n", qPrintable(db.lastError().text()));
    return;
  }
  QSqlQuery query(db);
  QElapsedTimer timer;
  timer.start();
  query.exec(
      QStringLiteral("CREATE VIRTUAL TABLE names USING fts5(folded, place UNINDEXED, "
                     "tokenize='trigram')"));
  db.transaction();
  query.prepare(QStringLiteral("INSERT INTO names(folded, place) VALUES (?, ?)"));
  const QByteArray text = qUncompress(compressed);
  const QList<QByteArray> lines = text.split('\n');
  qsizetype rows = 0;
  for (qsizetype i = 4; i < lines.size(); ++i) {
    const QList<QByteArray> fields = lines[i].split('\t');
    if (fields.size() < 9) continue;
    QList<QByteArray> names{fields[0], fields[1]};
    names += fields[8].split(',');
    for (const QByteArray& name : names) {
      const std::string folded =
          frontend::FoldUtf8(std::string_view(name.constData(), name.size()));
      if (folded.empty()) continue;
      query.addBindValue(QString::fromStdString(folded));
      query.addBindValue(i - 4);
      query.exec();
      ++rows;
    }
  }
  db.commit();
  std::printf("FTS5 trigram: %lld names indexed in %.0f ms, database %.1f MB\n",
              static_cast<long long>(rows), timer.nsecsElapsed() / 1e6,
              QFile(path).size() / 1048576.0);
  db.close();
  db.open();  // a fresh connection, as at program start
  const long before = ResidentKilobytes();
  QSqlQuery search(db);
  // Trigram matching needs three letters; shorter text can only be scanned.
  const QString longText =
      QStringLiteral(
          "SELECT place, min(folded = :q) FROM names WHERE names MATCH :m AND (folded LIKE :p OR "
          "folded LIKE :w) GROUP BY place ORDER BY 2 DESC, place LIMIT %1")
          .arg(kShown);
  const QString shortText =
      QStringLiteral(
          "SELECT place, min(folded = :q) FROM names WHERE folded LIKE :p OR folded LIKE :w "
          "GROUP BY place ORDER BY 2 DESC, place LIMIT %1")
          .arg(kShown);
  std::vector<double> all, shortOnes;
  for (const QString& typed : Keystrokes()) {
    const std::string folded = frontend::FoldTyped(typed);
    const QString q = QString::fromStdString(folded);
    for (int i = 0; i < passes; ++i) {
      timer.restart();
      search.prepare(folded.size() >= 3 ? longText : shortText);
      search.bindValue(QStringLiteral(":q"), q);
      if (folded.size() >= 3) search.bindValue(QStringLiteral(":m"), u'"' + q + u'"');
      search.bindValue(QStringLiteral(":p"), q + u'%');
      search.bindValue(QStringLiteral(":w"), QStringLiteral("% ") + q + u'%');
      search.exec();
      while (search.next()) search.value(0);
      const double ms = timer.nsecsElapsed() / 1e6;
      all.push_back(ms);
      if (folded.size() < 3) shortOnes.push_back(ms);
    }
  }
  std::printf("FTS5 resident memory after the searches +%.1f MB\n",
              (ResidentKilobytes() - before) / 1024.0);
  bench::Print("FTS5 trigram, one keystroke", all.size(), bench::Summarise(all));
  bench::Print("FTS5 trigram, keystrokes under 3 letters", shortOnes.size(),
               bench::Summarise(shortOnes));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int passes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
  QFile file(QStringLiteral(VELUNOR_DATA_DIR "/atlas.z"));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
    return 1;
  }
  const QByteArray compressed = file.readAll();
  TimePrefixIndex(compressed, passes);
  TimeFts5(compressed, passes);
  return 0;
}
