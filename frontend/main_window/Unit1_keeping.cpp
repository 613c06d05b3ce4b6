// Keeping and sharing the horoscope: the saved persons, print, PDF and the
// clipboard. Three buttons stand under "Расчет", beside the summary, where the
// window has room for them at every size.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>

#include "frontend/main_window/Unit1.h"

#include "frontend/dialogs/person_dialogs.h"
#include "frontend/dialogs/save_location.h"
#include "frontend/dialogs/store_error_box.h"
#include "frontend/horoscope/horoscope_sections.h"
#include "frontend/horoscope/horoscope_text.h"
#include "frontend/persons/person_store.h"
#include "frontend/printing/horoscope_document.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

// Under "Расчет" (693, 102, 100, 25), above the result pages at 224.
constexpr int kButtonLeft = 693;
constexpr int kFirstButtonTop = 131;
constexpr int kButtonStep = 27;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;
// How long "Сохранено" stays on the button, in ms.
constexpr int kSavedNoticeMs = 2000;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int row) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(kButtonLeft, kFirstButtonTop + row * kButtonStep, kButtonWidth,
                      kButtonHeight);
  // Enter stays with "Расчет", the window's default; Space presses the
  // focused button.
  button->setAutoDefault(false);
  return button;
}

// `title` as a file name every file system takes: "Гороскоп: Иванов" becomes
// "Гороскоп — Иванов".
QString FileNameOf(QString title) {
  title.replace(QRegularExpression(QStringLiteral("\\s*:\\s*")), QStringLiteral(" — "));
  return title.replace(QRegularExpression(QStringLiteral("[/\\\\*?\"<>|]")), QStringLiteral("_"));
}

// In the documents folder, or the home folder where there is none.
QString SuggestedPdfName(const frontend::BirthData& birth) {
  QString name = (birth.surname + QLatin1Char(' ') + birth.firstName).trimmed();
  if (name.isEmpty()) name = QStringLiteral("Гороскоп");
  QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  if (!folder.exists()) folder = QDir::home();
  return folder.filePath(FileNameOf(name) + QStringLiteral(".pdf"));
}

}  // namespace

void TForm1::CreateKeepingButtons() {
  QWidget* area = Button1->parentWidget();
  SaveButton = MakeButton(area, "SaveButton", QStringLiteral("&Сохранить"), 0);
  SaveButton->setToolTip(QStringLiteral("Сохранить фамилию, имя и данные рождения (Ctrl+S)"));
  PersonsButton = MakeButton(area, "PersonsButton", QStringLiteral("&Люди…"), 1);
  PersonsButton->setToolTip(
      QStringLiteral("Сохраненные люди: открыть, переименовать, удалить (Ctrl+O)"));
  ShareButton = MakeButton(area, "ShareButton", QStringLiteral("&Документ"), 2);
  ShareButton->setToolTip(QStringLiteral("Печать, PDF и копирование гороскопа"));

  auto* menu = new QMenu(ShareButton);
  menu->setObjectName(QStringLiteral("ShareMenu"));
  const auto addShareAction = [&](const char* name, const QString& caption,
                                  void (TForm1::*slot)()) {
    // Owned by the window, so that its key works without the menu open.
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    QWidget::addAction(action);
    menu->addAction(action);
    return action;
  };
  addShareAction("PrintAction", QStringLiteral("&Печать…"), &TForm1::PrintClick)
      ->setShortcut(QKeySequence::Print);
  addShareAction("SavePdfAction", QStringLiteral("Сохранить как P&DF…"), &TForm1::SavePdfClick);
  addShareAction("CopyAction", QStringLiteral("&Копировать"), &TForm1::CopyClick);
  ShareButton->setMenu(menu);

  connect(SaveButton, &QPushButton::clicked, this, &TForm1::SaveButtonClick);
  connect(PersonsButton, &QPushButton::clicked, this, &TForm1::PersonsButtonClick);
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          &TForm1::SaveButtonClick);
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
          &TForm1::PersonsButtonClick);
}

frontend::PersonStore& TForm1::personStore() {
  if (personStore_ == nullptr) personStore_ = std::make_unique<frontend::PersonStore>();
  return *personStore_;
}

void TForm1::ShowStoreError() {
  ::ShowStoreError(this, personStore());
}

void TForm1::SaveButtonClick() {
  // What is saved is what was typed, or nothing.
  if (!TakeTypedInputs() || !TakeCoordinates()) return;
  const frontend::BirthData birth = ReadBirthData();
  if (!personStore().Save(birth)) {
    ShowStoreError();
    return;
  }
  keptBirth_ = birth;
  SaveButton->setText(QStringLiteral("Сохранено"));
  QTimer::singleShot(kSavedNoticeMs, SaveButton,
                     [button = SaveButton] { button->setText(QStringLiteral("&Сохранить")); });
}

void TForm1::PersonsButtonClick() {
  TPersonsDlg dialog(personStore(), this);
  if (!dialog.Reload()) return;
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
  const frontend::BirthData chosen = dialog.chosen()->birth;
  if (MayReplaceInput(chosen)) OpenPerson(chosen);
}

bool TForm1::MayReplaceInput(const frontend::BirthData& birth) {
  if (!keptBirth_ || ReadBirthData() == *keptBirth_) return true;
  QMessageBox question(QMessageBox::Question, QStringLiteral("Велунор"),
                       QStringLiteral("Данные в окне изменены и не сохранены. Открыть вместо них "
                                      "«%1»?")
                           .arg(frontend::FullName(birth)),
                       QMessageBox::NoButton, this);
  QPushButton* open = question.addButton(QStringLiteral("&Открыть"), QMessageBox::AcceptRole);
  question.addButton(QStringLiteral("О&ставить введенное"), QMessageBox::RejectRole);
  question.setDefaultButton(open);
  question.exec();
  return question.clickedButton() == open;
}

void TForm1::OpenPerson(const frontend::BirthData& birth) {
  Edit1->setText(birth.surname);
  Edit2->setText(birth.firstName);
  Edit3->setText(birth.patronymic);
  (birth.sex == frontend::Sex::kFemale ? RadioButton2 : RadioButton1)->setChecked(true);
  DateTimePicker1->setDate(birth.date);
  DateTimePicker2->setTime(birth.time);
  SpinEdit13->setMinutes(frontend::ZoneOffsetMinutes(birth));
  // The place is shown by its saved name, from the list or the atlas, as the
  // owner of the saved coordinates; none when they were typed by hand.
  if (birth.place.isEmpty()) {
    picked_.reset();
  } else {
    ShowPlaceName(birth.place);
    picked_ = Picked{ComboBox1->currentIndex(), birth.latitude, birth.longitude};
  }
  ShowCoordinates(birth.latitude, birth.longitude);
  ShowWhosePlace();
  // A zone that followed the place follows it again, so the note says where it
  // came from; a typed one, or one the database now gives otherwise, stays as
  // it was saved.
  const int32_t savedZone = frontend::ZoneOffsetMinutes(birth);
  if (!birth.zoneName.isEmpty()) FollowZone(birth.zoneName);
  if (birth.zoneName.isEmpty() || SpinEdit13->minutes() != savedZone) {
    SpinEdit13->setMinutes(savedZone);
    EndZoneOfPlace(frontend::HandZone::kZoneTyped);
  }
  keptBirth_ = ReadBirthData();
  Button1Click();
}

void TForm1::PrintClick() {
  if (!horoscope_) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  // The print dialog offers the document's name as the file to print to.
  printer.setDocName(FileNameOf(frontend::HoroscopeTitle(*horoscope_)));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Печать гороскопа"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintHoroscope(*horoscope_, Image1Canvas, &printer);
}

void TForm1::SavePdfClick() {
  if (!horoscope_) return;
  QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить как PDF"),
                                   frontend::SuggestedSavePath(SuggestedPdfName(horoscope_->birth)),
                                   QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  frontend::RememberSaveFolder(path);
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  QString problem;
  if (!WriteHoroscopePdf(*horoscope_, Image1Canvas, path, &problem)) {
    QMessageBox::warning(this, QStringLiteral("Сохранить как PDF"), problem);
  }
}

void TForm1::CopyClick() {
  if (!horoscope_) return;
  QGuiApplication::clipboard()->setText(frontend::HoroscopeText(*horoscope_));
}
