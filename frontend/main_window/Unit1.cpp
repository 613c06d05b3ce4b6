#include "frontend/main_window/Unit1.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "content/tables.h"
#include "frontend/calculator_run/calculator_files.h"
#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/progressdialog.h"
#include "frontend/horoscope/calculation.h"
#include "frontend/horoscope/horoscope_sections.h"
#include "frontend/persons/person_store.h"
#include "frontend/places/builtin_atlas.h"
#include "frontend/places/place_list.h"
#include "frontend/resources/builtin_data.h"
#include "frontend/resources/resources.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/label_tabs.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

const char* const kDefaultPlace = "Минск";

void ShowLines(QPlainTextEdit* memo, const content::Lines& lines) {
  memo->setPlainText(frontend::JoinLines(lines));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setWindowIcon(LoadMainIcon());
  move(kDesignedPosition);
  QFont formFont = font();
  formFont.setPointSize(8);
  setFont(formFont);

  CreateClientArea();
  CreatePersonalGroup();
  CreateDateGroup();
  CreatePlaceGroup();
  CreateSummaryAndButton();
  CreateResultPages();
  CreateKeepingButtons();
  SetTabOrder();
  CreateRefusalNote();
  NameControls();
  ConnectZoneFollowing();
  ConnectCoordinateBoxes();
  LoadFixedTexts();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  FormCreate();
  ConnectLunarCalendar();
  // The dialogs of the calculator run come after the window's creation, once,
  // with the window as their parent: they stand across its bottom edge.
  OKBottomDlg = new TOKBottomDlg(this);
  OKBottomDlg1 = new TOKBottomDlg1(this);
  Timer1->start();
  DateTimePicker1->setFocus();
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::FormCreate() {
  Label1->clear();
  SetCaptions();
  SetPickersToNow();
  LoadPlaceList();
  PrepareCalculatorFiles();
  LoadReferenceTables();
  WriteCalculatorExecutable();
  LoadMonthPictures();
  DrawEmptyFrame();
}

void TForm1::FormDestroy() {
  RemoveCalculatorFiles();
}

void TForm1::Timer1Timer() {
  Timer1->stop();
  keptBirth_ = ReadBirthData();
  Button1Click();
  // The first result is on the screen: the atlas (about a second's reading)
  // can now be read beside it, ready before the user types a place.
  frontend::StartReadingBuiltinAtlas();
}

void TForm1::Button1Click() {
  // A timer tick during a run must not start a second one over it.
  if (CalculationRunning()) return;
  if (!TakeTypedInputs() || !TakeCoordinates()) return;
  const frontend::BirthData birth = ReadBirthData();
  FollowPlaceOnCalendar(birth);
  horoscope_ = Calculate(birth);
  ShowComposition(horoscope_->composition);
}

frontend::BirthData TForm1::ReadBirthData() const {
  frontend::BirthData birth;
  birth.surname = Edit1->text();
  birth.firstName = Edit2->text();
  birth.patronymic = Edit3->text();
  birth.sex = RadioButton2->isChecked() ? frontend::Sex::kFemale : frontend::Sex::kMale;
  birth.date = DateTimePicker1->date();
  birth.time = DateTimePicker2->time();
  frontend::SetZoneOffsetMinutes(birth, SpinEdit13->minutes());
  birth.zoneName = FollowedZoneName();
  // Empty while the coordinates belong to no picked place (see ShowWhosePlace).
  birth.place = ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString();
  birth.latitude = frontend::CarriedMinutes(LatitudeOfBoxes());
  birth.longitude = frontend::CarriedMinutes(LongitudeOfBoxes());
  return birth;
}

void TForm1::ComboBox1Change() {
  const auto coordinates =
      frontend::ParsePlaceValue(frontend::PlaceValue(placeList, ComboBox1->currentText()));
  // A value that does not read as four whole numbers leaves the boxes as they
  // were, and the place box says whose they are.
  if (!coordinates) {
    ShowWhosePlace();
    return;
  }
  picked_ = Picked{ComboBox1->currentIndex(), coordinates->latitude, coordinates->longitude};
  ShowCoordinates(coordinates->latitude, coordinates->longitude);
  FollowZoneOfPlace();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Closed during a calculation, the window does not wait for it: the shell
  // and the calculator are ended and the files removed before it goes.
  if (CalculationRunning()) AbandonCalculation();
  QWidget::closeEvent(event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere the focused control leaves it unused presses "Расчет".
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Button1->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The controls are built with their captions; creation adds the window's
// caption and the sample person, which the blank form does not hold.
void TForm1::SetCaptions() {
  setWindowTitle(QStringLiteral("Велунор"));
  Edit1->setText(QStringLiteral("Иванов"));
  Edit2->setText(QStringLiteral("Иван"));
  Edit3->setText(QStringLiteral("Иванович"));
}

void TForm1::SetPickersToNow() {
  const QDateTime now = QDateTime::currentDateTime();
  DateTimePicker1->setDate(now.date());  // the civil date of today
  DateTimePicker2->setTime(now.time());
}

void TForm1::LoadPlaceList() {
  placeList = LoadBuiltInPlaceList();
  // The file is stored in the list's display order; line 0 is not offered.
  QStringList names;
  for (qsizetype i = 1; i < placeList.size(); ++i) names.append(frontend::PlaceName(placeList[i]));
  ComboBox1->addItems(names);
  // The open list is as wide as its longest name, even where the box is not.
  int widest = 0;
  for (const QString& name : names) {
    widest = std::max(widest, ComboBox1->fontMetrics().horizontalAdvance(name));
  }
  ComboBox1->view()->setMinimumWidth(widest + 2 * ComboBox1->view()->frameWidth() +
                                     style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
  LoadPlaceZones();
  const qsizetype defaultLine = frontend::FindPlace(placeList, QString::fromUtf8(kDefaultPlace));
  ComboBox1->setCurrentIndex(static_cast<int>(defaultLine - 1));
  ComboBox1Change();
}

void TForm1::LoadReferenceTables() {
  tables = LoadBuiltInTables();
}

void TForm1::LoadMonthPictures() {
  ImageList1.clear();
  for (int month = 1; month <= 12; ++month) {
    const QString type = QStringLiteral("sun%1_bmp").arg(month);
    const QByteArray bytes = LoadResource(type, QStringLiteral("X") + type);
    QImage picture;
    if (!picture.loadFromData(bytes, "BMP")) throw ResourceNotFound(QStringLiteral("X") + type);
    ImageList1.append(picture);
  }
}

void TForm1::DrawEmptyFrame() {
  DrawMonthPicture(-1);
}

// A one-pixel black frame around a white field, with the picture (if any)
// inside it.
void TForm1::DrawMonthPicture(int pictureIndex) {
  QPainter painter(&Image1Canvas);
  const QRect frame(0, 0, Image1Canvas.width() - 1, Image1Canvas.height() - 1);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::white);
  painter.drawRect(frame);
  if (pictureIndex >= 0 && pictureIndex < ImageList1.size()) {
    painter.drawImage(0, 0, ImageList1[pictureIndex]);
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  painter.end();
  Image1->setPixmap(QPixmap::fromImage(Image1Canvas));
}

void TForm1::ShowComposition(const content::Composition& composition) {
  ShowLines(Memo3, composition.worldCircle);
  ShowLines(Memo7, composition.lunarVerse);
  ShowLines(Memo2, composition.health);
  ShowLines(Memo6, composition.goodOrEvil);
  ShowLines(Memo12, composition.knife);
  ShowLines(Memo4, composition.treeSignPublic);
  ShowLines(Memo5, composition.treeSignSecret);
  ShowLines(Memo14, composition.weekDay);
  Memo14->document()->setDefaultTextOption(WithLabelColumn(
      Memo14->document()->defaultTextOption(), Memo14->toPlainText().split(u'\n'), Memo14->font()));
  Label1->setText(QString::fromStdString(composition.lunarDayCaption));
  Label1->adjustSize();
  DrawMonthPicture(composition.monthPictureIndex);
}
