// The dialogs of the saved persons: the list that opens, renames and deletes
// them, and the renaming of one.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "frontend/persons/person_store.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// The saved persons, sorted by surname and name and filtered by what is typed
// above the list. Ends with Accepted when a person was chosen to be opened.
class TPersonsDlg : public QDialog {
  Q_OBJECT

 public:
  TPersonsDlg(frontend::PersonStore& store, QWidget* parent = nullptr);

  // The person chosen with "Открыть" or a double click.
  const std::optional<frontend::SavedPerson>& chosen() const { return chosen_; }

  // Reads the list from the file again; false (after telling the user) when
  // it cannot be read.
  bool Reload();

  QLineEdit* FilterEdit = nullptr;
  QListWidget* PersonList = nullptr;
  QPushButton* OpenButton = nullptr;
  QPushButton* RenameButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* CloseButton = nullptr;

 private:
  void ApplyFilter();
  void UpdateButtons();
  const frontend::SavedPerson* Current() const;
  void OpenClick();
  void RenameClick();
  void DeleteClick();
  void ShowStoreError();

  frontend::PersonStore& store_;
  std::vector<frontend::SavedPerson> persons_;
  std::optional<frontend::SavedPerson> chosen_;
};

// Asks for a new surname, first name and patronymic; refuses three empty ones.
class TRenameDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRenameDlg(const frontend::BirthData& birth, QWidget* parent = nullptr);

  void accept() override;

  QLineEdit* SurnameEdit = nullptr;
  QLineEdit* FirstNameEdit = nullptr;
  QLineEdit* PatronymicEdit = nullptr;
};

// "Иванов Иван Иванович — 17.05.1990, 14:30, Минск": one line of the list.
QString PersonListLine(const frontend::BirthData& birth);
