// A failure of the saved persons' file, over the window that asked: the
// Russian reason, and the database's own text behind "Подробнее".
#pragma once

class QWidget;
namespace frontend {
class PersonStore;
}

void ShowStoreError(QWidget* parent, const frontend::PersonStore& store);
