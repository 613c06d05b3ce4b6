// The coordinate boxes and the place box as the user works them with keys and
// clicks: the side of a coordinate less than one degree south or west, 60
// minutes carried, values out of range refused, and a place box that says so
// when the coordinates are no longer the picked place's.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "frontend/dialogs/Resultdlg.h"
#include "frontend/horoscope/horoscope_text.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/place_search_popup.h"
#include "tests/frontend/find_widget.h"

namespace {

const QString kHandTyped = QStringLiteral("координаты введены вручную");

// Key presses carrying any letter, Cyrillic too (QTest's own know ASCII only).
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar letter : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(widget, &release);
  }
}

}  // namespace

class CoordinateBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void pickedPlacesKeepTheirSide();
  void sixtyMinutesCarryAtOnce();
  void outOfRangeIsRefusedWhereTyped();
  void placeBoxSaysWhenCoordinatesAreTypedByHand();
  void aClickOnThePlaceBoxOpensTheSearch();

 private:
  QTemporaryDir temporary_;
  std::unique_ptr<TForm1> form_;
  QTimer answer_;  // closes the result dialog whenever it is up

  void TypeOver(QAbstractSpinBox* box, const QString& text);
  void Pick(const QString& name);
  void Calculate();
  QString ShownText() const;
};

void CoordinateBoxesTest::initTestCase() {
  QVERIFY(temporary_.isValid());
  qputenv("TMPDIR", QFile::encodeName(temporary_.path()));
  connect(&answer_, &QTimer::timeout, this, [this] {
    auto* dialog = form_->findChild<TOKBottomDlg1*>(QStringLiteral("OKBottomDlg1"));
    if (dialog != nullptr && dialog->isVisible()) QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  });
  answer_.start(20);
  form_ = std::make_unique<TForm1>();
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  // Leaving a box is what settles it: the window must take the focus.
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QTRY_VERIFY_WITH_TIMEOUT(form_->horoscope().has_value(), 30'000);
}

// Selects the box's text and types over it, as a user entering a new value.
void CoordinateBoxesTest::TypeOver(QAbstractSpinBox* box, const QString& text) {
  // The pop-ups and dialogs before may have taken the activation with them.
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

void CoordinateBoxesTest::Pick(const QString& name) {
  QTest::mouseClick(form_->ComboBox1, Qt::LeftButton);
  auto* search = Find<TPlaceSearchPopup>(*form_, "PlaceSearch");
  QTRY_VERIFY(search->isVisible());
  TypeText(search->text(), name);
  QTest::keyClick(search->text(), Qt::Key_Return);
  QVERIFY(!search->isVisible());
}

void CoordinateBoxesTest::Calculate() {
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
}

QString CoordinateBoxesTest::ShownText() const {
  return form_->horoscope() ? frontend::HoroscopeText(*form_->horoscope()) : QString();
}

void CoordinateBoxesTest::pickedPlacesKeepTheirSide() {
  const struct {
    const char* place;
    const char* degrees[2];  // as the two degrees boxes show them
    const char* sides[2];
  } cases[] = {
      {"London", {"51", "-0"}, {"с. ш.", "з. д."}},
      {"Quito", {"-0", "-78"}, {"ю. ш.", "з. д."}},
      {"Accra", {"5", "-0"}, {"с. ш.", "з. д."}},
  };
  for (const auto& c : cases) {
    Pick(QString::fromUtf8(c.place));
    QCOMPARE(form_->SpinEdit9->text(), QString::fromUtf8(c.degrees[0]));
    QCOMPARE(form_->SpinEdit11->text(), QString::fromUtf8(c.degrees[1]));
    const QString place = form_->ComboBox1->currentText();
    Calculate();
    QTRY_COMPARE_WITH_TIMEOUT(form_->horoscope()->birth.place, place, 30'000);
    const QStringList lines = ShownText().split(QLatin1Char('\n'));
    for (int axis = 0; axis < 2; ++axis) {
      const QString caption = axis == 0 ? QStringLiteral("Широта: ") : QStringLiteral("Долгота: ");
      const auto line = std::find_if(lines.begin(), lines.end(),
                                     [&](const QString& l) { return l.startsWith(caption); });
      QVERIFY(line != lines.end());
      QVERIFY2(line->endsWith(QString::fromUtf8(c.sides[axis])), qPrintable(*line));
    }
  }
}

void CoordinateBoxesTest::sixtyMinutesCarryAtOnce() {
  const struct {
    QAbstractSpinBox* degrees;
    QAbstractSpinBox* minutes;
    const char* typedDegrees;
    const char* carriedDegrees;
  } cases[] = {
      {form_->SpinEdit9, form_->SpinEdit10, "45", "46"},
      {form_->SpinEdit9, form_->SpinEdit10, "-0", "-1"},  // "-0" typed is south
      {form_->SpinEdit11, form_->SpinEdit12, "-179", "-180"},
  };
  for (const auto& c : cases) {
    TypeOver(c.degrees, QString::fromUtf8(c.typedDegrees));
    TypeOver(c.minutes, QStringLiteral("60"));
    // At once, while the box still has the focus.
    QCOMPARE(c.degrees->text(), QString::fromUtf8(c.carriedDegrees));
    QCOMPARE(c.minutes->text(), QStringLiteral("0"));
  }
}

void CoordinateBoxesTest::outOfRangeIsRefusedWhereTyped() {
  Pick(QStringLiteral("Минск"));
  Calculate();
  const frontend::Coordinate minsk = form_->ReadBirthData().latitude;
  QTRY_COMPARE_WITH_TIMEOUT(form_->horoscope()->birth.latitude, minsk, 30'000);
  auto* note = Find<QLabel>(*form_, "CoordinateNote");
  const struct {
    QAbstractSpinBox* degrees;
    QAbstractSpinBox* minutes;
    const char* typed[2];
    const char* named;
  } cases[] = {
      {form_->SpinEdit9, form_->SpinEdit10, {"90", "1"}, "Широта 90° 01′"},
      {form_->SpinEdit9, form_->SpinEdit10, {"-90", "59"}, "Широта 90° 59′"},
      {form_->SpinEdit11, form_->SpinEdit12, {"180", "1"}, "Долгота 180° 01′"},
  };
  for (const auto& c : cases) {
    TypeOver(c.degrees, QString::fromUtf8(c.typed[0]));
    TypeOver(c.minutes, QString::fromUtf8(c.typed[1]));
    QTest::keyClick(c.minutes, Qt::Key_Tab);
    QVERIFY2(note->text().startsWith(QString::fromUtf8(c.named)), qPrintable(note->text()));
    // «Расчет» does not run on other coordinates; the typed ones stay.
    Calculate();
    QCOMPARE(form_->horoscope()->birth.latitude, minsk);
    QCOMPARE(c.minutes->text(), QString::fromUtf8(c.typed[1]));
    Pick(QStringLiteral("Минск"));
    QCOMPARE(note->text(), QString());
  }
}

void CoordinateBoxesTest::placeBoxSaysWhenCoordinatesAreTypedByHand() {
  Pick(QStringLiteral("Минск"));
  const QString minsk = form_->ComboBox1->currentText();
  const frontend::Coordinate latitude = form_->ReadBirthData().latitude;
  TypeOver(form_->SpinEdit9, QString::number(latitude.degrees - 1));
  QCOMPARE(form_->ComboBox1->currentIndex(), -1);
  QCOMPARE(form_->ComboBox1->placeholderText(), kHandTyped);
  Calculate();
  QTRY_COMPARE_WITH_TIMEOUT(form_->horoscope()->birth.latitude.degrees, latitude.degrees - 1,
                            30'000);
  QCOMPARE(form_->horoscope()->birth.place, QString());
  QVERIFY2(ShownText().contains(QStringLiteral("Населенный пункт: ") + kHandTyped),
           qPrintable(ShownText()));
  QVERIFY(!ShownText().contains(minsk));
  // The place's own coordinates typed back: the place is named again.
  TypeOver(form_->SpinEdit9, QString::number(latitude.degrees));
  QCOMPARE(form_->ComboBox1->currentText(), minsk);
}

void CoordinateBoxesTest::aClickOnThePlaceBoxOpensTheSearch() {
  const QString before = form_->ComboBox1->currentText();
  QTest::mouseClick(form_->ComboBox1, Qt::LeftButton);
  auto* search = Find<TPlaceSearchPopup>(*form_, "PlaceSearch");
  QTRY_VERIFY(search->isVisible());
  QVERIFY(!form_->ComboBox1->view()->isVisible());
  // "мин" searches; the place does not jump to the list's first "Мин…".
  TypeText(search->text(), QStringLiteral("мин"));
  QCOMPARE(search->text()->text(), QStringLiteral("мин"));
  QCOMPARE(form_->ComboBox1->currentText(), before);
  QTest::keyClick(search->text(), Qt::Key_Escape);
}

QTEST_MAIN(CoordinateBoxesTest)
#include "coordinate_boxes_test.moc"
