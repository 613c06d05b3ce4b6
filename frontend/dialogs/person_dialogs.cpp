#include "frontend/dialogs/person_dialogs.h"
#include "frontend/widgets/named.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/birth/russian_dates.h"
#include "frontend/dialogs/store_error_box.h"

namespace {

QString ListedName(const frontend::BirthData& birth) {
  const QString name = frontend::FullName(birth);
  return name.isEmpty() ? QStringLiteral("(без имени)") : name;
}

}  // namespace

QString PersonListLine(const frontend::BirthData& birth) {
  QString line = ListedName(birth) + QStringLiteral(" — ") + frontend::ShortDate(birth.date) +
                 QStringLiteral(", ") + birth.time.toString(QStringLiteral("H:mm"));
  if (!birth.place.isEmpty()) line += QStringLiteral(", ") + birth.place;
  return line;
}

TPersonsDlg::TPersonsDlg(frontend::PersonStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("PersonsDlg"));
  setWindowTitle(QStringLiteral("Сохраненные люди"));
  resize(520, 400);

  FilterEdit = Named(new QLineEdit(this), "FilterEdit");
  FilterEdit->setPlaceholderText(QStringLiteral("Поиск: фамилия, имя, место"));
  FilterEdit->setClearButtonEnabled(true);
  PersonList = Named(new QListWidget(this), "PersonList");
  OpenButton = Named(new QPushButton(QStringLiteral("&Открыть"), this), "OpenButton");
  RenameButton = Named(new QPushButton(QStringLiteral("&Переименовать…"), this), "RenameButton");
  DeleteButton = Named(new QPushButton(QStringLiteral("&Удалить…"), this), "DeleteButton");
  CloseButton = Named(new QPushButton(QStringLiteral("&Закрыть"), this), "CloseButton");
  OpenButton->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OpenButton);
  buttons->addWidget(RenameButton);
  buttons->addWidget(DeleteButton);
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FilterEdit);
  layout->addWidget(PersonList);
  layout->addLayout(buttons);

  connect(FilterEdit, &QLineEdit::textChanged, this, &TPersonsDlg::ApplyFilter);
  connect(PersonList, &QListWidget::currentRowChanged, this, &TPersonsDlg::UpdateButtons);
  connect(PersonList, &QListWidget::itemActivated, this, &TPersonsDlg::OpenClick);
  connect(OpenButton, &QPushButton::clicked, this, &TPersonsDlg::OpenClick);
  connect(RenameButton, &QPushButton::clicked, this, &TPersonsDlg::RenameClick);
  connect(DeleteButton, &QPushButton::clicked, this, &TPersonsDlg::DeleteClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  FilterEdit->setFocus();
  UpdateButtons();
}

bool TPersonsDlg::Reload() {
  auto persons = store_.List();
  if (!persons) {
    ShowStoreError();
    return false;
  }
  const QVariant current = PersonList->currentItem() != nullptr
                               ? PersonList->currentItem()->data(Qt::UserRole)
                               : QVariant();
  persons_ = std::move(*persons);
  PersonList->clear();
  for (size_t i = 0; i < persons_.size(); ++i) {
    auto* item = new QListWidgetItem(PersonListLine(persons_[i].birth), PersonList);
    item->setData(Qt::UserRole, static_cast<qlonglong>(i));
    if (current.isValid() && current.toLongLong() == static_cast<qlonglong>(i)) {
      PersonList->setCurrentItem(item);
    }
  }
  ApplyFilter();
  return true;
}

void TPersonsDlg::ApplyFilter() {
  QListWidgetItem* firstShown = nullptr;
  for (int row = 0; row < PersonList->count(); ++row) {
    QListWidgetItem* item = PersonList->item(row);
    const auto& person = persons_[static_cast<size_t>(item->data(Qt::UserRole).toLongLong())];
    const bool shown = frontend::MatchesFilter(person.birth, FilterEdit->text());
    item->setHidden(!shown);
    if (shown && firstShown == nullptr) firstShown = item;
  }
  if (PersonList->currentItem() == nullptr || PersonList->currentItem()->isHidden()) {
    PersonList->setCurrentItem(firstShown);
  }
  UpdateButtons();
}

const frontend::SavedPerson* TPersonsDlg::Current() const {
  const QListWidgetItem* item = PersonList->currentItem();
  if (item == nullptr || item->isHidden()) return nullptr;
  return &persons_[static_cast<size_t>(item->data(Qt::UserRole).toLongLong())];
}

void TPersonsDlg::UpdateButtons() {
  const bool any = Current() != nullptr;
  OpenButton->setEnabled(any);
  RenameButton->setEnabled(any);
  DeleteButton->setEnabled(any);
}

void TPersonsDlg::OpenClick() {
  if (const auto* person = Current()) {
    chosen_ = *person;
    accept();
  }
}

void TPersonsDlg::RenameClick() {
  const auto* person = Current();
  if (person == nullptr) return;
  TRenameDlg rename(person->birth, this);
  if (rename.exec() != QDialog::Accepted) return;
  if (!store_.Rename(person->id, rename.SurnameEdit->text().trimmed(),
                     rename.FirstNameEdit->text().trimmed(),
                     rename.PatronymicEdit->text().trimmed())) {
    ShowStoreError();
  }
  Reload();
}

void TPersonsDlg::DeleteClick() {
  const auto* person = Current();
  if (person == nullptr) return;
  const auto answer = QMessageBox::question(
      this, QStringLiteral("Удаление"),
      QStringLiteral("Удалить из сохраненных «%1»?").arg(PersonListLine(person->birth)),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (!store_.Remove(person->id)) ShowStoreError();
  Reload();
}

void TPersonsDlg::ShowStoreError() {
  ::ShowStoreError(this, store_);
}

TRenameDlg::TRenameDlg(const frontend::BirthData& birth, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RenameDlg"));
  setWindowTitle(QStringLiteral("Переименовать"));
  SurnameEdit = Named(new QLineEdit(birth.surname, this), "SurnameEdit");
  FirstNameEdit = Named(new QLineEdit(birth.firstName, this), "FirstNameEdit");
  PatronymicEdit = Named(new QLineEdit(birth.patronymic, this), "PatronymicEdit");
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Фамилия"), SurnameEdit);
  form->addRow(QStringLiteral("Имя"), FirstNameEdit);
  form->addRow(QStringLiteral("Отчество"), PatronymicEdit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // Not "OK": its Latin O would look like the Cyrillic О of «Отмена».
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Сохранить"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TRenameDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TRenameDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(340, sizeHint().height());
}

void TRenameDlg::accept() {
  if (SurnameEdit->text().trimmed().isEmpty() && FirstNameEdit->text().trimmed().isEmpty() &&
      PatronymicEdit->text().trimmed().isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Переименовать"),
                         QStringLiteral("Введите хотя бы фамилию или имя."));
    SurnameEdit->setFocus();
    return;
  }
  QDialog::accept();
}
