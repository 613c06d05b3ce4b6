// The printed horoscope as a PDF: A4, Cyrillic intact, every page and the
// month picture once.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "frontend/horoscope/horoscope.h"
#include "frontend/printing/horoscope_document.h"
#include "frontend/resources/builtin_data.h"
#include "tests/frontend/example_birth.h"

namespace frontend {
namespace {

class HoroscopePdfTest : public ::testing::Test {
 protected:
  const content::ReferenceTables tables_ = LoadBuiltInTables();
  // 6 December 2026, lunar day 14: the worked example of the composition.
  const Horoscope horoscope_ = ComposeHoroscope(tables_, ExampleBirth(), "14");
};

// Runs a Debian tool and returns its standard output.
QString Tool(const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty()) {
    ADD_FAILURE() << program.toStdString() << " is missing: install poppler-utils";
    return {};
  }
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(HoroscopePdfTest, PdfIsA4AndHoldsTheNameTheLunarDayAndEveryPage) {
  QTemporaryDir directory;
  const QString path = directory.filePath(QStringLiteral("гороскоп.pdf"));
  QImage picture(200, 200, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QString problem;
  ASSERT_TRUE(WriteHoroscopePdf(horoscope_, picture, path, &problem)) << problem.toStdString();

  EXPECT_TRUE(Tool(QStringLiteral("pdfinfo"), {path}).contains(QStringLiteral("(A4)")));
  const QString text =
      Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  for (const QString& line :
       {QStringLiteral("Ковалёва Дарья"), QStringLiteral("<Тест & Co>"),
        QStringLiteral("Вы родились в 3-м круге мира Прави"),
        QString::fromStdString(horoscope_.composition.treeSignSecret.front()).left(30),
        QStringLiteral("Дата рождения приходится на 14-й лунный день"),
        QStringLiteral("Магическое: Достижение райских мест"),
        QStringLiteral("Неделя (воскресение)")}) {
    EXPECT_TRUE(text.contains(line)) << line.toStdString();
  }
  // The week day's values stand in one column, those of the lines without a
  // label too, which show nothing before their value (Sunday's row).
  const QStringList lines = text.split(u'\n');
  const auto lineWith = [&lines](const QString& value) {
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&value](const QString& l) { return l.contains(value); });
    return line == lines.end() ? QString() : *line;
  };
  const qsizetype valueColumn =
      lineWith(QStringLiteral("Дажбог")).indexOf(QStringLiteral("Дажбог"));
  ASSERT_GT(valueColumn, 4);
  const struct {
    const char* value;
    bool labelled;
  } rows[] = {{"Гулять", true},        {"К гостям", true},   {"свято", false},
              {"Женский день", false}, {"скаробный", false}, {"Те, кто вызывает", true}};
  for (const auto& row : rows) {
    const QString value = QString::fromUtf8(row.value);
    const QString line = lineWith(value);
    EXPECT_EQ(line.indexOf(value), valueColumn) << line.toStdString();
    EXPECT_EQ(line.left(valueColumn).trimmed().isEmpty(), !row.labelled) << line.toStdString();
  }
  EXPECT_TRUE(text.contains(QStringLiteral("народные поверья, а не")));

  EXPECT_EQ(Tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                .count(QStringLiteral(" 800   800 ")),
            1);

  // A file that cannot be written is named, and nothing is left behind.
  const QString blocked = directory.filePath(QStringLiteral("нет/такой/папки.pdf"));
  EXPECT_FALSE(WriteHoroscopePdf(horoscope_, picture, blocked, &problem));
  EXPECT_TRUE(problem.contains(blocked)) << problem.toStdString();
}

}  // namespace
}  // namespace frontend
