// What a screen reader says for each control of the main window: its own
// Russian name, where the captions beside the boxes are not tied to them and
// a group's caption would name several boxes alike.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>

#include "frontend/calendar_page/lunar_calendar_page.h"
#include "frontend/calendar_page/lunar_month_grid.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

void TForm1::NameControls() {
  const std::pair<QWidget*, const char*> names[] = {
      {Edit1, "Фамилия"},
      {Edit2, "Имя"},
      {Edit3, "Отчество"},
      {RadioButton1, "Пол мужской"},
      {RadioButton2, "Пол женский"},
      {DateTimePicker1, "Дата рождения"},
      {DateTimePicker2, "Время рождения"},
      {SpinEdit13, "Разница с Гринвичем"},
      {SpinEdit9, "Широта, градусы"},
      {SpinEdit10, "Широта, минуты"},
      {SpinEdit11, "Долгота, градусы"},
      {SpinEdit12, "Долгота, минуты"},
      {ComboBox1, "Населенный пункт"},
      {Memo3, "Круг мира рождения"},
      {Button1, "Расчет"},
      {SaveButton, "Сохранить"},
      {PersonsButton, "Сохраненные люди"},
      {ShareButton, "Документ: печать, PDF, копирование"},
      {PageControl1, "Результаты"},
      {Memo13, "О солнечном календаре"},
      {Image1, "Солнечный символ месяца"},
      {PageControl3, "Знак дерева"},
      {Memo4, "Знак дерева, общедоступное описание"},
      {Memo5, "Знак дерева, тайное описание"},
      {Memo9, "Присказка о луне по-белорусски"},
      {Memo10, "Присказка о луне по-русски"},
      {Label1, "Лунный день рождения"},
      {PageControl2, "Лунный гороскоп"},
      {Memo11, "О неблагоприятных днях"},
      {Memo8, "Неблагоприятные дни по месяцам"},
      {Memo7, "Значение лунного дня"},
      {Memo2, "Здоровье и продолжительность жизни"},
      {Memo6, "Добрый или злой день"},
      {Memo12, "Качества, придаваемые ножу"},
      {Memo14, "Гороскоп по дню недели"},
      {LunarCalendar1->MonthBackButton, "Предыдущий месяц"},
      {LunarCalendar1->MonthForwardButton, "Следующий месяц"},
      {LunarCalendar1->TodayButton, "Сегодня"},
      {LunarCalendar1->LunarDayDetails, "Лунные дни выбранной даты"},
      {LunarCalendar1->LunarMonthGrid1, "Лунный календарь месяца"},
  };
  for (const auto& [control, name] : names) control->setAccessibleName(QString::fromUtf8(name));
  // A drop-down list reads its chosen item as its name on Linux, and its
  // caption through the label tied to it; so do the other captions.
  const std::pair<QLabel*, QWidget*> captions[] = {
      {Label26, Edit1},           {Label27, Edit2},           {Label28, Edit3},
      {Label17, DateTimePicker1}, {Label18, DateTimePicker2}, {Label19, SpinEdit13},
      {Label11, SpinEdit9},       {Label14, SpinEdit11},      {Label2, ComboBox1}};
  for (const auto& [label, control] : captions) label->setBuddy(control);
}
