// Construction of the main window's controls, one group or page at a time.
// Positions are left, top, width, height in device-independent pixels.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "content/compose.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/main_window/tab_rows.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/dropdown_list.h"
#include "frontend/widgets/named.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

// A label sized to its text, so that no caption is cut.
QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text = {}) {
  auto* label = Named(new QLabel(text, parent), name);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QFont BoldPixelFont(QFont font, int pixels) {
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

// The degree and minute marks next to the coordinate boxes.
QLabel* MakeMark(QWidget* parent, const char* name, int left, int top, const QString& mark) {
  auto* label = MakeLabel(parent, name, left, top);
  label->setFont(BoldPixelFont(label->font(), 16));
  label->setText(mark);
  label->adjustSize();
  return label;
}

// Moves a caption left of its control just far enough that the two stand
// clearly apart, and condenses its letters when even that leaves too little
// room: the system font may be wider than the one the form was drawn for.
void KeepLeftOf(QLabel* label, const QWidget* control) {
  constexpr int kGap = 6;       // pixels between a caption and its control
  constexpr int kLeftmost = 6;  // clear of the group box's frame
  const int room = control->x() - kGap - kLeftmost;
  if (label->width() > room) {
    QFont condensed = label->font();
    condensed.setStretch(std::max(70, 100 * room / label->width()));
    label->setFont(condensed);
    label->adjustSize();
  }
  const int right = control->x() - kGap;
  if (label->x() + label->width() > right) {
    label->move(std::max(kLeftmost, right - label->width()), label->y());
  }
}

// A group box whose caption sits on its frame line, as on the form, rather than
// above it: the frame's top is then the same with or without a caption, and
// the three boxes along the window's top line up.
void FrameCaptionOnLine(QGroupBox* box) {
  box->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 6px; padding: 0 2px; background-color: palette(window); }"));
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setGeometry(geometry);
  return edit;
}

TSpinEdit* MakeSpinEdit(QWidget* parent, const char* name, const QRect& geometry, int32_t minValue,
                        int32_t maxValue, int32_t value) {
  auto* spinEdit = Named(new TSpinEdit(minValue, maxValue, value, parent), name);
  spinEdit->setGeometry(geometry);
  return spinEdit;
}

// A multi-line text box; the result and explanation boxes are read-only and
// frameless, their lines wrapped at the box's width.
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& geometry,
                         bool readOnly = true) {
  auto* memo = Named(new QPlainTextEdit(parent), name);
  memo->setGeometry(geometry);
  memo->setReadOnly(readOnly);
  if (readOnly) memo->setFrameShape(QFrame::NoFrame);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setTabStopDistance(8 * memo->fontMetrics().averageCharWidth());
  // Tab moves on to the next control, as everywhere else on the window, rather
  // than writing a tab into the text.
  memo->setTabChangesFocus(true);
  return memo;
}

// A bordered static text.
QLabel* MakeStaticText(QWidget* parent, const char* name, const QRect& geometry) {
  auto* text = Named(new QLabel(parent), name);
  text->setGeometry(geometry);
  text->setFrameShape(QFrame::Box);
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return text;
}

QWidget* AddPage(QTabWidget* pages, const char* name, const QString& caption) {
  auto* page = Named(new QWidget(pages), name);
  pages->addTab(page, caption);
  return page;
}

}  // namespace

void TForm1::CreateClientArea() {
  clientScroller_ = Named(new QScrollArea(this), "ClientScroller");
  clientScroller_->setFrameShape(QFrame::NoFrame);
  clientScroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Not a stop of its own in the tab order; it scrolls to the focused control.
  clientScroller_->setFocusPolicy(Qt::NoFocus);
  clientArea_ = Named(new QWidget, "ClientArea");
  clientArea_->setFixedSize(kClientWidth, kClientHeight);
  clientScroller_->setWidget(clientArea_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(clientScroller_);
}

void TForm1::CreatePersonalGroup() {
  GroupBox3 = Named(new QGroupBox(clientArea_), "GroupBox3");
  GroupBox3->setGeometry(0, 0, 209, 100);
  FrameCaptionOnLine(GroupBox3);
  Label26 = MakeLabel(GroupBox3, "Label26", 12, 18, QStringLiteral("Фамилия"));
  Edit1 = MakeEdit(GroupBox3, "Edit1", {64, 16, 137, 21});
  Label27 = MakeLabel(GroupBox3, "Label27", 36, 40, QStringLiteral("Имя"));
  Edit2 = MakeEdit(GroupBox3, "Edit2", {63, 37, 138, 21});
  Label28 = MakeLabel(GroupBox3, "Label28", 13, 60, QStringLiteral("Отчество"));
  Edit3 = MakeEdit(GroupBox3, "Edit3", {62, 58, 139, 21});
  Label29 = MakeLabel(GroupBox3, "Label29", 38, 81, QStringLiteral("Пол"));
  RadioButton1 = Named(new QRadioButton(QStringLiteral("&М"), GroupBox3), "RadioButton1");
  RadioButton1->move(64, 80);
  RadioButton1->adjustSize();
  RadioButton1->setChecked(true);
  RadioButton2 = Named(new QRadioButton(QStringLiteral("&Ж"), GroupBox3), "RadioButton2");
  // "М" must not run into the second button's circle.
  constexpr int kButtonGap = 10;
  RadioButton2->move(std::max(96, RadioButton1->geometry().right() + 1 + kButtonGap), 80);
  RadioButton2->adjustSize();
  KeepLeftOf(Label26, Edit1);
  KeepLeftOf(Label27, Edit2);
  KeepLeftOf(Label28, Edit3);
  KeepLeftOf(Label29, RadioButton1);
}

void TForm1::CreateDateGroup() {
  GroupBox2 =
      Named(new QGroupBox(QStringLiteral("Дата и время рождения"), clientArea_), "GroupBox2");
  GroupBox2->setGeometry(212, 0, 281, 100);
  FrameCaptionOnLine(GroupBox2);
  Label17 = MakeLabel(GroupBox2, "Label17", 90, 20, QStringLiteral("Дата"));
  DateTimePicker1 = Named(new TDateBox(GroupBox2), "DateTimePicker1");
  DateTimePicker1->setGeometry(120, 17, 153, 21);
  Label18 = MakeLabel(GroupBox2, "Label18", 84, 41, QStringLiteral("Время"));
  DateTimePicker2 = Named(new TTimeBox(GroupBox2), "DateTimePicker2");
  DateTimePicker2->setGeometry(119, 38, 65, 21);
  Label19 = MakeLabel(GroupBox2, "Label19", 8, 62, QStringLiteral("Разница с гринвичем"));
  // Wide enough for "-12:00"; the unit moves right by as much.
  SpinEdit13 = Named(new TZoneSpinEdit(3, GroupBox2), "SpinEdit13");
  SpinEdit13->setGeometry(119, 59, 58, 22);
  Label3 = MakeLabel(GroupBox2, "Label3", 178, 64, QStringLiteral("ч."));
  // One line under the zone box, across the group.
  ZoneNoteLabel = Named(new QLabel(GroupBox2), "ZoneNote");
  ZoneNoteLabel->setGeometry(8, 82, 267, 16);
  QFont noteFont = ZoneNoteLabel->font();
  noteFont.setPointSize(8);  // the form's own size, a remark beside the captions
  ZoneNoteLabel->setFont(noteFont);
  KeepLeftOf(Label17, DateTimePicker1);
  KeepLeftOf(Label18, DateTimePicker2);
  KeepLeftOf(Label19, SpinEdit13);
}

void TForm1::CreatePlaceGroup() {
  GroupBox1 = Named(new QGroupBox(QStringLiteral("Место рождения"), clientArea_), "GroupBox1");
  GroupBox1->setGeometry(497, 0, 297, 100);
  FrameCaptionOnLine(GroupBox1);
  Label11 = MakeLabel(GroupBox1, "Label11", 61, 20, QStringLiteral("Широта"));
  SpinEdit9 =
      Named(new TDegreesSpinEdit(frontend::CoordinateAxis::kLatitude, 55, GroupBox1), "SpinEdit9");
  SpinEdit9->setGeometry(104, 16, 50, 22);
  Label15 = MakeMark(GroupBox1, "Label15", 155, 13, QStringLiteral("°"));
  SpinEdit10 = MakeSpinEdit(GroupBox1, "SpinEdit10", {176, 16, 40, 22}, 0, 60, 45);
  Label13 = MakeMark(GroupBox1, "Label13", 218, 13, QStringLiteral("'"));
  Label14 = MakeLabel(GroupBox1, "Label14", 58, 43, QStringLiteral("Долгота"));
  SpinEdit11 = Named(new TDegreesSpinEdit(frontend::CoordinateAxis::kLongitude, 37, GroupBox1),
                     "SpinEdit11");
  SpinEdit11->setGeometry(104, 38, 50, 22);
  Label12 = MakeMark(GroupBox1, "Label12", 155, 35, QStringLiteral("°"));
  SpinEdit12 = MakeSpinEdit(GroupBox1, "SpinEdit12", {176, 38, 40, 22}, 0, 60, 35);
  Label16 = MakeMark(GroupBox1, "Label16", 218, 35, QStringLiteral("'"));
  Label2 = MakeLabel(GroupBox1, "Label2", 7, 63, QStringLiteral("Населенный пункт"));
  ComboBox1 = Named(new TDropDownList(GroupBox1), "ComboBox1");
  ComboBox1->setGeometry(104, 60, 185, 21);
  ComboBox1->setEditable(false);
  ComboBox1->setMaxVisibleItems(12);
  // A plain list popup, so that twelve rows show whatever the style.
  ComboBox1->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  // Shown while the coordinates belong to no place of the list.
  ComboBox1->setPlaceholderText(frontend::HandTypedPlaceText());
  connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
  // One line under the place box, across the group, like the zone's note.
  CoordinateNoteLabel = Named(new QLabel(GroupBox1), "CoordinateNote");
  CoordinateNoteLabel->setGeometry(8, 82, 281, 16);
  QFont noteFont = CoordinateNoteLabel->font();
  noteFont.setPointSize(8);
  CoordinateNoteLabel->setFont(noteFont);
  QPalette notePalette = CoordinateNoteLabel->palette();
  notePalette.setColor(QPalette::WindowText, Qt::darkRed);
  CoordinateNoteLabel->setPalette(notePalette);
  KeepLeftOf(Label11, SpinEdit9);
  KeepLeftOf(Label14, SpinEdit11);
  KeepLeftOf(Label2, ComboBox1);
}

void TForm1::CreateSummaryAndButton() {
  Memo3 = MakeMemo(clientArea_, "Memo3", {0, 104, 689, 113}, false);
  Button1 = Named(new QPushButton(QStringLiteral("&Расчет"), clientArea_), "Button1");
  Button1->setGeometry(693, 102, 100, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  Memo1 = MakeMemo(clientArea_, "Memo1", {0, 272, 345, 137});
  Memo1->hide();
}

void TForm1::CreateResultPages() {
  PageControl1 = Named(new QTabWidget(clientArea_), "PageControl1");
  PageControl1->setGeometry(0, 224, 793, 489);
  CreateSolarPage();
  CreateLunarPage();
  CreateWeekDayPage();
  CreateLunarCalendarPage();
  PageControl1->setCurrentWidget(TabSheet2);
}

void TForm1::CreateSolarPage() {
  TabSheet2 = AddPage(PageControl1, "TabSheet2", QStringLiteral("Солнечный гороскоп"));
  Memo13 = MakeMemo(TabSheet2, "Memo13", {8, 0, 465, 457});
  StaticText7 = MakeStaticText(TabSheet2, "StaticText7", {480, 0, 145, 17});
  StaticText7->setText(QStringLiteral("Солнечный символ месяца"));
  StaticText7->setAutoFillBackground(true);
  QPalette cream = StaticText7->palette();
  cream.setColor(QPalette::Window, QColor(255, 251, 240));
  StaticText7->setPalette(cream);
  StaticText7->setWordWrap(false);
  StaticText7->resize(std::max(145, StaticText7->sizeHint().width()), 17);

  Image1 = Named(new QLabel(TabSheet2), "Image1");
  Image1->setGeometry(480, 16, 200, 200);
  Image1Canvas = QImage(200, 200, QImage::Format_RGB32);
  Image1Canvas.fill(palette().color(QPalette::Window));

  PageControl3 = Named(new QTabWidget(TabSheet2), "PageControl3");
  PageControl3->setGeometry(480, 216, 305, 241);
  TabSheet9 = AddPage(PageControl3, "TabSheet9", QStringLiteral("Общедоступный "));
  Memo4 = MakeMemo(TabSheet9, "Memo4", {0, 0, 297, 209});
  TabSheet10 = AddPage(PageControl3, "TabSheet10", QStringLiteral("Тайный "));
  Memo5 = MakeMemo(TabSheet10, "Memo5", {0, 0, 297, 209});
  PageControl3->setCurrentWidget(TabSheet10);
}

void TForm1::CreateLunarPage() {
  TabSheet1 = AddPage(PageControl1, "TabSheet1", QStringLiteral("Лунный гороскоп"));
  Label4 = MakeLabel(TabSheet1, "Label4", 192, 0);
  QFont introFont = Label4->font();
  introFont.setPixelSize(13);
  Label4->setFont(introFont);
  Label4->setText(QStringLiteral("Вторым календарем, используемым славянами, был лунный. "));
  Label4->adjustSize();
  Memo9 = MakeMemo(TabSheet1, "Memo9", {48, 24, 345, 169});
  Memo10 = MakeMemo(TabSheet1, "Memo10", {392, 24, 345, 169});
  Label1 = MakeLabel(TabSheet1, "Label1", 216, 200);
  Label1->setFont(BoldPixelFont(Label1->font(), 16));
  CreateLunarSubPages();
}

void TForm1::CreateLunarSubPages() {
  PageControl2 = Named(new QTabWidget(TabSheet1), "PageControl2");
  PageControl2->setGeometry(8, 224, 769, 233);

  TabSheet4 = AddPage(PageControl2, "TabSheet4", QStringLiteral("Неблоприятные дни"));
  Memo11 = MakeMemo(TabSheet4, "Memo11", {0, 4, 481, 181});
  Memo8 = MakeMemo(TabSheet4, "Memo8", {488, 8, 273, 165});

  TabSheet3 = AddPage(PageControl2, "TabSheet3",
                      QStringLiteral("Значение лунного дня из гороскопа \"Берегинь\"*"));
  Memo7 = MakeMemo(TabSheet3, "Memo7", {8, 0, 745, 105});
  Label6 = MakeLabel(TabSheet3, "Label6", 8, 112, QStringLiteral("____________"));
  Label5 = MakeLabel(TabSheet3, "Label5", 8, 128);

  TabSheet5 = AddPage(PageControl2, "TabSheet5",
                      QStringLiteral("Связь здоровья и продолжительности жизни с рождением по "
                                     "дням луны**"));
  Memo2 = MakeMemo(TabSheet5, "Memo2", {0, 4, 753, 69});
  Label8 = MakeLabel(TabSheet5, "Label8", 16, 120, QStringLiteral("____________"));
  StaticText2 = MakeStaticText(TabSheet5, "StaticText2", {16, 136, 721, 49});

  TabSheet6 = AddPage(PageControl2, "TabSheet6", QStringLiteral("О днях добрых и злых***"));
  Memo6 = MakeMemo(TabSheet6, "Memo6", {8, 2, 753, 55});
  Label7 = MakeLabel(TabSheet6, "Label7", 8, 120, QStringLiteral("____________"));
  StaticText4 = MakeStaticText(TabSheet6, "StaticText4", {8, 136, 745, 49});

  TabSheet7 = AddPage(PageControl2, "TabSheet7", QStringLiteral("Качества, придаваемые ножу"));
  Memo12 = MakeMemo(TabSheet7, "Memo12", {8, 2, 753, 55});
  PageControl2->setCurrentWidget(TabSheet4);
  new TabRows(PageControl2);
}

void TForm1::CreateWeekDayPage() {
  TabSheet8 = AddPage(PageControl1, "TabSheet8", QStringLiteral("Гороскоп по дням недели"));
  Memo14 = MakeMemo(TabSheet8, "Memo14", {0, 2, 785, 207});
  WeekDayNoteLabel =
      MakeLabel(TabSheet8, "WeekDayNoteLabel", 8, 216,
                QString::fromUtf8(content::kWeekDayNote.data(), content::kWeekDayNote.size()));
}

// The form's order, then the three buttons under "Расчет" in their own order.
void TForm1::SetTabOrder() {
  const QList<QWidget*> order = {DateTimePicker1, DateTimePicker2, SpinEdit13, SpinEdit9,
                                 SpinEdit10,      SpinEdit11,      SpinEdit12, ComboBox1,
                                 PageControl1,    Edit1,           Edit2,      Edit3,
                                 RadioButton1,    RadioButton2,    Memo3,      Button1,
                                 SaveButton,      PersonsButton,   ShareButton};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}
