// The calculation in the main window, with the calculator carried inside the
// program: what the user sees when a run cannot give a lunar day, coordinates
// the boxes allow but the calculator does not, the dates the date box offers,
// and closing the window while the calculator works.
#include <unistd.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <memory>

#include "frontend/birth/birth_date_range.h"
#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/progressdialog.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

const QString kUnknownLunarDay = QStringLiteral("Лунный день рождения определить не удалось");
const QString kGeneralError = QStringLiteral("Ошибка в приложении");

// The only file under `directory` whose name matches `pattern`.
QString FindOne(const QString& directory, const QString& pattern) {
  QDirIterator found(directory, {pattern}, QDir::Files, QDirIterator::Subdirectories);
  return found.hasNext() ? found.next() : QString();
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Plant(const QString& path, const QByteArray& bytes) {
  QFile::remove(path);
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

}  // namespace

class CalculationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void sixtyMinutesRunAsTheNextDegree();
  void coordinatesBeyondTheirLimitsAreRefusedNamingTheBox();
  void dateBoxEndsWhereTheCalculatorDoes();
  void aTableWithoutTheBirthIsAFailedRun();
  void resultDialogGrowsToFitItsText();
  void closingDuringARunAbandonsItAtOnce();

 private:
  QTemporaryDir temporary_;
  std::unique_ptr<TForm1> form_;
  QTimer answer_;      // answers the result dialog whenever it is up
  QString errorText_;  // what it showed during the last calculation

  void SetPlace(int latitudeDegrees, int latitudeMinutes, int longitudeDegrees,
                int longitudeMinutes);
  void Calculate();
  QStringList ParameterLines() const;
  QStringList LunarPages() const;
};

void CalculationWindowTest::initTestCase() {
  QVERIFY(temporary_.isValid());
  qputenv("TMPDIR", QFile::encodeName(temporary_.path()));
  connect(&answer_, &QTimer::timeout, this, [this] {
    auto* dialog = form_->findChild<TOKBottomDlg1*>(QStringLiteral("OKBottomDlg1"));
    if (dialog == nullptr || !dialog->isVisible()) return;
    errorText_ = dialog->StaticText1->text();
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  });
  answer_.start(20);
  form_ = std::make_unique<TForm1>();
  form_->show();
  // The start-up calculation, for now at Минск.
  QTRY_VERIFY_WITH_TIMEOUT(!form_->Label1->text().isEmpty(), 30'000);
  form_->DateTimePicker1->setDate(QDate(1990, 5, 17));
  form_->DateTimePicker2->setTime(QTime(14, 30));
  form_->SpinEdit13->setValue(3);
}

void CalculationWindowTest::SetPlace(int latitudeDegrees, int latitudeMinutes, int longitudeDegrees,
                                     int longitudeMinutes) {
  form_->SpinEdit9->setValue(latitudeDegrees);
  form_->SpinEdit10->setValue(latitudeMinutes);
  form_->SpinEdit11->setValue(longitudeDegrees);
  form_->SpinEdit12->setValue(longitudeMinutes);
}

void CalculationWindowTest::Calculate() {
  errorText_.clear();
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
}

QStringList CalculationWindowTest::ParameterLines() const {
  return QString::fromLatin1(Contents(FindOne(temporary_.path(), QStringLiteral("~moon*.in"))))
      .split(QStringLiteral("\r\n"));
}

QStringList CalculationWindowTest::LunarPages() const {
  return {form_->Memo7->toPlainText(), form_->Memo2->toPlainText(), form_->Memo6->toPlainText(),
          form_->Memo12->toPlainText()};
}

void CalculationWindowTest::sixtyMinutesRunAsTheNextDegree() {
  SetPlace(55, 60, 37, 60);
  Calculate();
  QCOMPARE(errorText_, QString());
  QVERIFY2(form_->Label1->text().startsWith(QStringLiteral("Дата рождения приходится на ")),
           qPrintable(form_->Label1->text()));
  QCOMPARE(ParameterLines().mid(5, 2), QStringList({"56.0", "38.0"}));
  // What the user typed stays as typed.
  QCOMPARE(form_->SpinEdit10->text(), QStringLiteral("60"));
  QCOMPARE(form_->SpinEdit12->text(), QStringLiteral("60"));
}

void CalculationWindowTest::coordinatesBeyondTheirLimitsAreRefusedNamingTheBox() {
  SetPlace(53, 54, 27, 34);
  Calculate();
  QCOMPARE(errorText_, QString());
  for (const QString& page : LunarPages()) QVERIFY(!page.isEmpty());
  const QStringList lastParameters = ParameterLines();

  const struct {
    int place[4];
    const char* box;
  } cases[] = {{{90, 30, 27, 34}, "Широта 90° 30′"}, {{53, 54, 180, 10}, "Долгота 180° 10′"}};
  auto* note = form_->findChild<QLabel*>(QStringLiteral("CoordinateNote"));
  QVERIFY(note != nullptr);
  for (const auto& c : cases) {
    SetPlace(c.place[0], c.place[1], c.place[2], c.place[3]);
    Calculate();
    // Refused in the window, beside the boxes: no calculation, no dialog,
    // nothing the user typed changed.
    QCOMPARE(errorText_, QString());
    QVERIFY2(note->text().startsWith(QString::fromUtf8(c.box)), qPrintable(note->text()));
    QCOMPARE(ParameterLines(), lastParameters);
    QCOMPARE(form_->SpinEdit9->value(), c.place[0]);
    QCOMPARE(form_->SpinEdit10->value(), c.place[1]);
    QCOMPARE(form_->SpinEdit11->value(), c.place[2]);
    QCOMPARE(form_->SpinEdit12->value(), c.place[3]);
  }
  SetPlace(53, 54, 27, 34);
  Calculate();
  QCOMPARE(note->text(), QString());
}

void CalculationWindowTest::dateBoxEndsWhereTheCalculatorDoes() {
  form_->DateTimePicker1->setDate(frontend::LastBirthDate());

  // The last date at a pole, where the table runs on longest, late in the day
  // and far east: the calculator still ends within its range.
  form_->DateTimePicker2->setTime(QTime(23, 59));
  form_->SpinEdit13->setValue(12);
  SetPlace(90, 0, 180, 0);
  Calculate();
  QCOMPARE(errorText_, QString());
  QVERIFY2(form_->Label1->text().startsWith(QStringLiteral("Дата рождения приходится на ")),
           qPrintable(form_->Label1->text()));

  form_->DateTimePicker1->setDate(QDate(1990, 5, 17));
  form_->DateTimePicker2->setTime(QTime(14, 30));
  form_->SpinEdit13->setValue(3);
  SetPlace(53, 54, 27, 34);
}

void CalculationWindowTest::aTableWithoutTheBirthIsAFailedRun() {
  const QString executable = FindOne(temporary_.path(), QStringLiteral("~moon*.exe"));
  const QByteArray calculator = Contents(executable);
  QVERIFY(!calculator.isEmpty());
  // A whole table, but of another year than the birth's.
  Plant(executable,
        "#!/bin/sh\nout=$(sed -n 10p \"$1\" | tr -d '\\r')\n"
        "printf '          Autocreated\\r\\n\\r\\n    Date            Time\\r\\n"
        "   7.03.1985 Th    5:07:00          1   1Ar00\\r\\n"
        "   8.03.1985 Fr    6:07:00          2   1Ar00\\r\\n' > \"$out\"\n");
  Calculate();
  QVERIFY2(errorText_.startsWith(kGeneralError + QLatin1Char('\n')), qPrintable(errorText_));
  QVERIFY2(errorText_.contains(QStringLiteral("нет лунного дня")), qPrintable(errorText_));
  QCOMPARE(form_->Label1->text(), kUnknownLunarDay);
  for (const QString& page : LunarPages()) QCOMPARE(page, QString());
  // The horoscope kept for printing and copying says the same as the dialog.
  QCOMPARE(form_->horoscope()->calculatorFailure, errorText_);
  Plant(executable, calculator);
}

void CalculationWindowTest::resultDialogGrowsToFitItsText() {
  TOKBottomDlg1 dialog;
  dialog.SetMessage(kGeneralError);
  QCOMPARE(dialog.size(), QSize(286, 98));
  dialog.SetMessage(kGeneralError + QLatin1Char('\n') +
                    QStringLiteral("Калькулятор не смог прочитать файл параметров (код ошибки 27). "
                                   "Временный каталог недоступен для записи и запуска программ."));
  const QRect text = dialog.StaticText1->geometry();
  QVERIFY(text.height() >= dialog.StaticText1->heightForWidth(text.width()));
  QVERIFY(dialog.Bevel1->geometry().contains(text));
  QVERIFY(dialog.OKBtn->geometry().top() > dialog.Bevel1->geometry().bottom());
  QVERIFY(dialog.OKBtn->geometry().bottom() < dialog.height());
  QCOMPARE(dialog.width(), 286);
}

void CalculationWindowTest::closingDuringARunAbandonsItAtOnce() {
  const QString executable = FindOne(temporary_.path(), QStringLiteral("~moon*.exe"));
  Plant(executable, "#!/bin/sh\nexec sleep 30\n");
  const qint64 before = form_->OKBottomDlg->processGroup();
  qint64 group = 0;
  bool modal = true;
  QTimer close;
  connect(&close, &QTimer::timeout, this, [&] {
    group = form_->OKBottomDlg->processGroup();
    if (group == before || group == 0) return;  // not started yet
    close.stop();
    // A modal dialog would make the toolkit refuse the close request.
    modal = QApplication::activeModalWidget() != nullptr;
    form_->close();
  });
  close.start(10);
  Calculate();

  QVERIFY(!modal);
  QVERIFY(!form_->isVisible());
  QCOMPARE(errorText_, QString());
  QVERIFY(::kill(-static_cast<pid_t>(group), 0) == -1 && errno == ESRCH);
  QCOMPARE(FindOne(temporary_.path(), QStringLiteral("~moon*")), QString());
}

QTEST_MAIN(CalculationWindowTest)
#include "calculation_window_test.moc"
