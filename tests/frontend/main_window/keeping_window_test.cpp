// Saved persons, the clipboard and the document in the main window: three
// persons saved, the program started again, each opened gives the pages that
// entering it by hand gives; deleting asks first; a damaged file is named and
// the window still calculates.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/person_dialogs.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/persons/person_store.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

struct Entry {
  const char* surname;
  const char* firstName;
  bool female;
  QDate date;
  QTime time;
  int zone;
  const char* place;
  int latitude[2];
  int longitude[2];
};

// Three places and seasons, one with coordinates typed over the picked place.
const Entry kEntries[] = {
    {"Петров", "Пётр", false, QDate(1990, 5, 17), QTime(14, 30), 3, "Минск", {53, 54}, {27, 34}},
    {"Алексеева", "Ольга", true, QDate(1975, 1, 3), QTime(6, 5), 3, "Москва", {55, 45}, {37, 35}},
    {"Чернов", "Олег", false, QDate(2001, 9, 30), QTime(23, 50), 5, "Минск", {41, 18}, {69, 16}},
};

// Everything the result pages show.
QStringList Pages(const TForm1& form) {
  return {form.Memo3->toPlainText(), form.Label1->text(),       form.Memo7->toPlainText(),
          form.Memo2->toPlainText(), form.Memo6->toPlainText(), form.Memo12->toPlainText(),
          form.Memo4->toPlainText(), form.Memo5->toPlainText(), form.Memo14->toPlainText()};
}

QImage Picture(const TForm1& form) {
  return form.Image1Canvas;
}

// Runs `step` on the next modal dialog of type Dialog that comes up.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> step) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<Dialog*>(widget);
      if (dialog != nullptr && dialog->isVisible()) {
        poll->stop();
        poll->deleteLater();
        step(dialog);
        return;
      }
    }
  });
  poll->start(10);
}

}  // namespace

class KeepingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void savedPersonsOpenAfterARestartAsEnteredByHand();
  void renamingAndDeletingAskAndChangeOnlyOne();
  void copyPutsTheHoroscopeOnTheClipboard();
  void thePdfIsOfferedInTheDocumentsFolderUnderAFileName();
  void aDamagedFileIsNamedAndTheWindowStillWorks();

 private:
  void Start();
  void Enter(const Entry& entry);
  void OpenFromList(const QString& filter);

  QTemporaryDir temporary_;
  std::unique_ptr<TForm1> form_;
  QString storePath_;
};

void KeepingWindowTest::initTestCase() {
  QVERIFY(temporary_.isValid());
  qputenv("TMPDIR", QFile::encodeName(temporary_.filePath(QStringLiteral("tmp"))));
  QDir().mkpath(temporary_.filePath(QStringLiteral("tmp")));
  qputenv("XDG_DATA_HOME", QFile::encodeName(temporary_.filePath(QStringLiteral("data"))));
  QApplication::setApplicationName(QStringLiteral("velunor"));
  storePath_ = frontend::PersonStore::DefaultPath();
  QVERIFY(storePath_.startsWith(temporary_.path()));
  Start();
}

void KeepingWindowTest::Start() {
  form_.reset();
  form_ = std::make_unique<TForm1>();
  form_->show();
  QTRY_VERIFY_WITH_TIMEOUT(form_->horoscope().has_value(), 30'000);
}

void KeepingWindowTest::Enter(const Entry& entry) {
  form_->Edit1->setText(QString::fromUtf8(entry.surname));
  form_->Edit2->setText(QString::fromUtf8(entry.firstName));
  form_->Edit3->clear();
  (entry.female ? form_->RadioButton2 : form_->RadioButton1)->setChecked(true);
  form_->DateTimePicker1->setDate(entry.date);
  form_->DateTimePicker2->setTime(entry.time);
  form_->SpinEdit13->setValue(entry.zone);
  form_->ComboBox1->setCurrentIndex(form_->ComboBox1->findText(QString::fromUtf8(entry.place)));
  form_->SpinEdit9->setValue(entry.latitude[0]);
  form_->SpinEdit10->setValue(entry.latitude[1]);
  form_->SpinEdit11->setValue(entry.longitude[0]);
  form_->SpinEdit12->setValue(entry.longitude[1]);
}

void KeepingWindowTest::OpenFromList(const QString& filter) {
  WhenShown<TPersonsDlg>([filter](TPersonsDlg* dialog) {
    dialog->FilterEdit->insert(filter);
    QTest::mouseClick(dialog->OpenButton, Qt::LeftButton);
  });
  QTest::mouseClick(form_->PersonsButton, Qt::LeftButton);
}

void KeepingWindowTest::savedPersonsOpenAfterARestartAsEnteredByHand() {
  QVERIFY(!QFile::exists(storePath_));  // nothing stored before the first save
  QList<QStringList> byHand;
  QList<QImage> pictures;
  for (const Entry& entry : kEntries) {
    Enter(entry);
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    byHand.append(Pages(*form_));
    pictures.append(Picture(*form_));
    QTest::mouseClick(form_->SaveButton, Qt::LeftButton);
  }
  QVERIFY(QFile::exists(storePath_));

  Start();
  for (int i = 2; i >= 0; --i) {
    OpenFromList(QString::fromUtf8(kEntries[i].surname).toLower());
    QCOMPARE(form_->Edit1->text(), QString::fromUtf8(kEntries[i].surname));
    QCOMPARE(form_->SpinEdit9->value(), kEntries[i].latitude[0]);
    QCOMPARE(Pages(*form_), byHand[i]);
    QCOMPARE(Picture(*form_), pictures[i]);
  }
  QVERIFY(form_->Label1->text().contains(QStringLiteral("22-й")));

  // A name typed and not saved is not replaced without asking: kept when the
  // user says so, replaced when the user opens the other person anyway.
  form_->Edit1->selectAll();
  QTest::keyClicks(form_->Edit1, "Unsaved");
  for (const bool open : {false, true}) {
    bool asked = false;
    WhenShown<QMessageBox>([&asked, open](QMessageBox* question) {
      asked = true;
      question->buttons().at(open ? 0 : 1)->click();
    });
    OpenFromList(QString::fromUtf8(kEntries[1].surname));
    QVERIFY(asked);
    QCOMPARE(form_->Edit1->text(),
             open ? QString::fromUtf8(kEntries[1].surname) : QStringLiteral("Unsaved"));
  }
}

void KeepingWindowTest::renamingAndDeletingAskAndChangeOnlyOne() {
  frontend::PersonStore store(storePath_);
  const auto before = store.List();
  QVERIFY(before && before->size() == 3);

  // The list is sorted: Алексеева comes first. "Нет" keeps her.
  int rows = -1;
  WhenShown<TPersonsDlg>([&rows](TPersonsDlg* dialog) {
    QCOMPARE(dialog->PersonList->currentRow(), 0);
    WhenShown<QMessageBox>(
        [](QMessageBox* question) { question->button(QMessageBox::No)->click(); });
    dialog->DeleteButton->click();
    rows = dialog->PersonList->count();
    WhenShown<TRenameDlg>([](TRenameDlg* rename) {
      rename->SurnameEdit->setText(QStringLiteral("Яковлева"));
      rename->accept();
    });
    dialog->RenameButton->click();
    // Renamed, she moves to the end of the list.
    QVERIFY(dialog->PersonList->item(2)->text().startsWith(QStringLiteral("Яковлева Ольга")));
    dialog->PersonList->setCurrentRow(0);  // Петров
    WhenShown<QMessageBox>(
        [](QMessageBox* question) { question->button(QMessageBox::Yes)->click(); });
    dialog->DeleteButton->click();
    dialog->reject();
  });
  QTest::mouseClick(form_->PersonsButton, Qt::LeftButton);
  QCOMPARE(rows, 3);
  const auto after = store.List();
  QVERIFY(after.has_value());
  QStringList names;
  for (const auto& person : *after) names << person.birth.surname;
  QCOMPARE(names, QStringList({QStringLiteral("Чернов"), QStringLiteral("Яковлева")}));
}

void KeepingWindowTest::copyPutsTheHoroscopeOnTheClipboard() {
  Enter(kEntries[0]);
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
  form_->findChild<QAction*>(QStringLiteral("CopyAction"))->trigger();
  const QString text = QApplication::clipboard()->text();
  QVERIFY(text.startsWith(QStringLiteral("Гороскоп: Петров Пётр\n")));
  QVERIFY(text.contains(form_->Label1->text()));
  QVERIFY(text.contains(form_->Memo14->toPlainText().section(QLatin1Char('\n'), 0, 0)));
}

void KeepingWindowTest::thePdfIsOfferedInTheDocumentsFolderUnderAFileName() {
  Enter(kEntries[0]);
  form_->Edit1->setText(QStringLiteral("Петров: старший"));
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
  QString offered;
  WhenShown<QFileDialog>([&offered](QFileDialog* dialog) {
    offered = dialog->selectedFiles().value(0);
    dialog->reject();
  });
  form_->findChild<QAction*>(QStringLiteral("SavePdfAction"))->trigger();
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  const QDir expected = documents.exists() ? documents : QDir::home();
  QCOMPARE(QFileInfo(offered).absolutePath(), expected.absolutePath());
  // No ":", which some file systems and the other programs refuse.
  QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("Петров — старший Пётр.pdf"));
}

void KeepingWindowTest::aDamagedFileIsNamedAndTheWindowStillWorks() {
  form_.reset();
  {
    QFile file(storePath_);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(4096, '\x01'));
  }
  Start();
  QString warning;
  QWidget* over = nullptr;
  QString detail;
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    warning = box->text();
    over = box->parentWidget();
    detail = box->detailedText();
    box->accept();
  });
  QTest::mouseClick(form_->SaveButton, Qt::LeftButton);
  QVERIFY2(warning.contains(storePath_), qPrintable(warning));
  QCOMPARE(over, form_.get());
  QVERIFY(!detail.isEmpty());  // the database's own words, behind "Подробнее"
  QCOMPARE(QFile(storePath_).size(), 4096);
  Enter(kEntries[0]);
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
  QVERIFY(form_->Label1->text().contains(QStringLiteral("22-й")));
}

QTEST_MAIN(KeepingWindowTest)
#include "keeping_window_test.moc"
