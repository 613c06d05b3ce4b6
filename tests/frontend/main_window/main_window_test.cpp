#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <memory>

#include "frontend/main_window/Unit1.h"
#include "frontend/main_window/tab_rows.h"
#include "frontend/resources/resources.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/place_search_popup.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"
#include "tests/frontend/find_widget.h"

namespace {

QList<int32_t> Coordinates(QWidget& window) {
  return {Find<TSpinEdit>(window, "SpinEdit9")->value(),
          Find<TSpinEdit>(window, "SpinEdit10")->value(),
          Find<TSpinEdit>(window, "SpinEdit11")->value(),
          Find<TSpinEdit>(window, "SpinEdit12")->value()};
}

// Picks a place in the drop-down as the user does.
void ChoosePlace(QWidget& window, const QString& name) {
  auto* places = Find<QComboBox>(window, "ComboBox1");
  const int index = places->findText(name, Qt::MatchExactly);
  QVERIFY2(index >= 0, qPrintable(name));
  places->setCurrentIndex(index);
  emit places->activated(index);
}

// What the user reads on a control: a tab page's caption on its tab.
QString ShownText(QWidget& window, const char* name) {
  QWidget* widget = Find<QWidget>(window, name);
  for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
    auto* pages = qobject_cast<QTabWidget*>(up);
    if (pages != nullptr && pages->indexOf(widget) >= 0)
      return pages->tabText(pages->indexOf(widget));
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  // The mark of a button's Alt letter is drawn as its underline.
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return QString(button->text()).remove(QLatin1Char('&'));
  }
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  qFatal("no text on %s", name);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

 private slots:
  void init() { form_ = std::make_unique<TForm1>(); }
  void cleanup() { form_.reset(); }

  void windowHasFixedSizeAndIcon() {
    TForm1& w = *form_;
    QCOMPARE(w.windowTitle(), QStringLiteral("Велунор"));
    QCOMPARE(w.minimumSize(), QSize(794, 714));
    QCOMPARE(w.maximumSize(), QSize(794, 714));
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const QList<QSize> iconSizes = w.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    const QFont mark = Find<QLabel>(w, "Label15")->font();
    QVERIFY(mark.bold());
    QCOMPARE(mark.pixelSize(), 16);
  }

  // Every fixed caption and initial text, as the user reads it after start-up.
  void captionsAndInitialTexts() {
    const std::pair<const char*, const char*> shown[] = {
        {"GroupBox2", "Дата и время рождения"},
        {"Label17", "Дата"},
        {"Label18", "Время"},
        {"Label3", "ч."},
        {"Label19", "Разница с гринвичем"},
        {"GroupBox1", "Место рождения"},
        {"Label11", "Широта"},
        {"Label15", "°"},
        {"Label13", "'"},
        {"Label14", "Долгота"},
        {"Label2", "Населенный пункт"},
        {"Button1", "Расчет"},
        {"GroupBox3", ""},
        {"Label26", "Фамилия"},
        {"Label27", "Имя"},
        {"Label28", "Отчество"},
        {"Label29", "Пол"},
        {"RadioButton1", "М"},
        {"RadioButton2", "Ж"},
        {"Edit1", "Иванов"},
        {"Edit2", "Иван"},
        {"Edit3", "Иванович"},
        {"Label1", ""},
        {"TabSheet2", "Солнечный гороскоп"},
        {"StaticText7", "Солнечный символ месяца"},
        {"TabSheet9", "Общедоступный "},
        {"TabSheet10", "Тайный "},
        {"TabSheet1", "Лунный гороскоп"},
        {"Label4", "Вторым календарем, используемым славянами, был лунный. "},
        {"TabSheet4", "Неблоприятные дни"},
        {"TabSheet3", "Значение лунного дня из гороскопа \"Берегинь\"*"},
        {"Label6", "____________"},
        {"TabSheet5", "Связь здоровья и продолжительности жизни с рождением по дням луны**"},
        {"TabSheet6", "О днях добрых и злых***"},
        {"TabSheet7", "Качества, придаваемые ножу"},
        {"TabSheet8", "Гороскоп по дням недели"},
    };
    for (const auto& [name, text] : shown)
      QCOMPARE(ShownText(*form_, name), QString::fromUtf8(text));
    QVERIFY(Find<QRadioButton>(*form_, "RadioButton1")->isChecked());
    QCOMPARE(Find<TZoneSpinEdit>(*form_, "SpinEdit13")->minutes(), 3 * 60);
    QVERIFY(Find<QPlainTextEdit>(*form_, "Memo1")->isHidden());
  }

  void firstPagesShownAtStart() {
    // The solar page with its secret part, the unfavourable days.
    for (const auto& [pages, page] :
         {std::pair{"PageControl1", "TabSheet2"}, std::pair{"PageControl3", "TabSheet10"},
          std::pair{"PageControl2", "TabSheet4"}}) {
      QCOMPARE(Find<QTabWidget>(*form_, pages)->currentWidget()->objectName(),
               QString::fromLatin1(page));
    }
  }

  void fixedTexts() {
    TForm1& w = *form_;
    QCOMPARE(Find<QPlainTextEdit>(w, "Memo8")->toPlainText(),
             QStringLiteral("Января\t\t1, 2, 9, 15, 26, 30\n"
                            "Февраля\t\t1, 3, 7, 8, 9, 11, 14, 24, 26\n"
                            "Марта\t\t2, 3, 4, 15, 18, 20, 25\n"
                            "Апреля\t\t3, 4, 5, 6, 8, 20, 21, 25, 30\n"
                            "Майя\t\t2, 3, 6, 8, 12, 20, 21, 22, 27\n"
                            "Июня\t\t2, 3, 4, 5, 6, 7, 8, 20, 21, 22\n"
                            "Июля\t\t2, 4, 5, 6, 7, 8, 10, 12, 21, 22, 28\n"
                            "Августа\t\t4, 7, 8, 16, 18, 20\n"
                            "Сентября\t2, 3, 4, 8, 21, 24\n"
                            "Октября\t\t1, 2, 4, 5, 8, 9, 21, 22, 24, 30\n"
                            "Ноября\t\t1, 4, 5, 8, 11, 21\n"
                            "Декабря \t2, 3, 8, 21, 22, 24 "));
    const QStringList memo13 = Find<QPlainTextEdit>(w, "Memo13")->toPlainText().split(u'\n');
    QCOMPARE(memo13.size(), 31);
    QVERIFY(memo13.contains(QStringLiteral("I период - с 22 декабря по 21 марта - корни ")));
    QVERIFY(memo13.contains(QStringLiteral("IV период -с 19 до 1 ч. - семена.")));
    for (const char* name : {"Memo9", "Memo10", "Memo11"}) {
      QVERIFY2(!Find<QPlainTextEdit>(w, name)->toPlainText().isEmpty(), name);
    }
    for (const char* name : {"Label5", "StaticText2", "StaticText4"}) {
      QVERIFY2(!Find<QLabel>(w, name)->text().isEmpty(), name);
    }
  }

  void unfavourableDaysLineUpInOneColumn() {
    TForm1& w = *form_;
    Find<QTabWidget>(w, "PageControl1")->setCurrentWidget(Find<QWidget>(w, "TabSheet1"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* memo8 = Find<QPlainTextEdit>(w, "Memo8");
    QSet<int> dayColumns;
    for (QTextBlock line = memo8->document()->begin(); line.isValid(); line = line.next()) {
      QTextCursor firstDay(line);
      firstDay.setPosition(line.position() + line.text().lastIndexOf(u'\t') + 1);
      const QRect where = memo8->cursorRect(firstDay);
      dayColumns.insert(where.left());
      QVERIFY2(memo8->viewport()->rect().contains(where), qPrintable(line.text()));
      // No month runs onto a second line.
      QCOMPARE(line.layout()->lineCount(), 1);
    }
    QCOMPARE(dayColumns.size(), 1);
  }

  // Every value of the week-day page starts in one column, the lines with an
  // empty label included (lines 3 to 12; line 1 is the date, line 2 empty).
  void weekDayValuesLineUpInOneColumn() {
    TForm1& w = *form_;
    Find<QTabWidget>(w, "PageControl1")->setCurrentWidget(Find<QWidget>(w, "TabSheet8"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* memo14 = Find<QPlainTextEdit>(w, "Memo14");
    QTRY_VERIFY(!memo14->toPlainText().isEmpty());
    int leftmost = INT_MAX;
    int rightmost = INT_MIN;
    int labelless = 0;
    for (QTextBlock line = memo14->document()->begin(); line.isValid(); line = line.next()) {
      const qsizetype lastTab = line.text().lastIndexOf(u'\t');
      if (lastTab < 0) continue;
      if (line.text().startsWith(u'\t')) ++labelless;
      QTextCursor value(line);
      value.setPosition(line.position() + lastTab + 1);
      // Within a pixel: an empty or short label's second tab stop lies one
      // pixel past the first.
      leftmost = std::min(leftmost, memo14->cursorRect(value).left());
      rightmost = std::max(rightmost, memo14->cursorRect(value).left());
    }
    QCOMPARE(labelless, 3);
    QVERIFY2(rightmost - leftmost <= 1,
             qPrintable(QStringLiteral("%1..%2").arg(leftmost).arg(rightmost)));
    QVERIFY(!Find<QLabel>(w, "WeekDayNoteLabel")->text().isEmpty());
  }

  void moonSayingsShowWholeWithoutScrolling() {
    TForm1& w = *form_;
    Find<QTabWidget>(w, "PageControl1")->setCurrentWidget(Find<QWidget>(w, "TabSheet1"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const char* name : {"Memo9", "Memo10"}) {
      QCOMPARE(Find<QPlainTextEdit>(w, name)->verticalScrollBar()->maximum(), 0);
    }
  }

  void startsAtMinskWithTodaysResults() {
    TForm1& w = *form_;
    auto* places = Find<QComboBox>(w, "ComboBox1");
    QCOMPARE(places->currentText(), QStringLiteral("Минск"));
    QCOMPARE(places->itemText(0), QStringLiteral("Aalborg, Denmark"));  // line 0 is not offered
    QCOMPARE(places->findText(QStringLiteral("Aachen, Germany")), -1);
    QCOMPARE(places->maxVisibleItems(), 12);
    QVERIFY(!places->isEditable());
    QCOMPARE(Coordinates(w), (QList<int32_t>{53, 54, 27, 34}));

    const QDate today = QDate::currentDate();
    QCOMPARE(Find<TDateBox>(w, "DateTimePicker1")->date(),
             frontend::CivilDateOf(today.toJulianDay()));
    QVERIFY(qAbs(Find<TTimeBox>(w, "DateTimePicker2")->time().secsTo(QTime::currentTime())) < 5);

    // Before the first turn of the event loop the picture area is an empty frame.
    const QImage empty = Find<QLabel>(w, "Image1")->pixmap().toImage();
    QCOMPARE(empty.size(), QSize(200, 200));
    QCOMPARE(QColor(empty.pixel(0, 0)), QColor(Qt::black));
    QCOMPARE(QColor(empty.pixel(199, 199)), QColor(Qt::black));
    QCOMPARE(QColor(empty.pixel(100, 100)), QColor(Qt::white));

    // The start-up timer composes today's results once the loop runs.
    auto* memo14 = Find<QPlainTextEdit>(w, "Memo14");
    QTRY_VERIFY(!memo14->toPlainText().isEmpty());
    const QStringList weekDay = memo14->toPlainText().split(u'\n');
    QCOMPARE(weekDay.size(), 12);
    QVERIFY(weekDay[0].startsWith(today.toString(QStringLiteral("dd.MM.yyyy")) + ", "));
    QVERIFY(weekDay[2].startsWith(QStringLiteral("Бог:\t\t")));
    QVERIFY(Find<QPlainTextEdit>(w, "Memo3")
                ->toPlainText()
                .startsWith(QStringLiteral("Вы родились в ")));
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo4")->toPlainText().isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo5")->toPlainText().isEmpty());
    QVERIFY(Find<QLabel>(w, "Label1")
                ->text()
                .startsWith(QStringLiteral("Дата рождения приходится на ")));

    // The month's picture inside a one-pixel frame.
    const QImage shown = Find<QLabel>(w, "Image1")->pixmap().toImage();
    const QImage& picture = w.ImageList1.at(today.month() - 1);
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::black));
    QCOMPARE(shown.copy(1, 1, 198, 198),
             picture.copy(1, 1, 198, 198).convertToFormat(shown.format()));
  }

  void placeThatDoesNotReadLeavesTheBoxes() {
    TForm1& w = *form_;
    ChoosePlace(w, QStringLiteral("Buenos Aires"));
    QCOMPARE(Coordinates(w), (QList<int32_t>{-34, 36, -58, 27}));
    w.placeList.append(QStringLiteral("Nowhere, Test=#VALUE!\t141,01"));
    Find<QComboBox>(w, "ComboBox1")->addItem(QStringLiteral("Nowhere, Test"));
    ChoosePlace(w, QStringLiteral("Nowhere, Test"));
    QCOMPARE(Coordinates(w), (QList<int32_t>{-34, 36, -58, 27}));
  }

  void typingSearchesThePlaceListAndEnterChooses() {
    TForm1& w = *form_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* places = Find<QComboBox>(w, "ComboBox1");
    QTest::keyClicks(places, QStringLiteral("Buenos"));
    auto* search = Find<TPlaceSearchPopup>(w, "PlaceSearch");
    QTRY_VERIFY(search->isVisible());
    QTest::keyClick(search->text(), Qt::Key_Return);
    QVERIFY(!search->isVisible());
    // The atlas's place, under its Russian name, at GeoNames' 34.61315 S
    // 58.37723 W rather than the list's 34° 36′ S 58° 27′ W.
    QCOMPARE(places->currentText(), QStringLiteral("Буэнос-Айрес"));
    QCOMPARE(Coordinates(w), (QList<int32_t>{-34, 37, -58, 23}));
    // The whole list is still reachable: the box opens the search, and the
    // down key there, before anything is typed, the list.
    places->showPopup();
    QTRY_VERIFY(search->isVisible());
    QVERIFY(!places->view()->isVisible());
    QTest::keyClick(search->text(), Qt::Key_Down);
    QTRY_VERIFY(places->view()->isVisible());
    auto* list = qobject_cast<QListView*>(places->view());
    QVERIFY(list != nullptr);
    int shown = 0;
    for (int row = 0; row < list->model()->rowCount(); ++row) shown += !list->isRowHidden(row);
    QCOMPARE(shown, 6429);
    places->hidePopup();
  }

  void lunarSubPageTabsShowEveryCaption() {
    TForm1& w = *form_;
    auto* pages = Find<QTabWidget>(w, "PageControl2");
    auto* rows = Find<TabRows>(w, "PageControl2Tabs");
    for (int i = 0; i < pages->count(); ++i) {
      const QRect tab = rows->tabRect(i);
      QVERIFY(rows->rect().contains(tab));
      QVERIFY2(tab.width() > rows->fontMetrics().horizontalAdvance(pages->tabText(i)),
               qPrintable(pages->tabText(i)));
      for (int j = 0; j < i; ++j) QVERIFY(!tab.intersects(rows->tabRect(j)));
    }
    // A click shows the page, and its row moves next to the pages.
    QTest::mouseClick(rows, Qt::LeftButton, {}, rows->tabRect(pages->count() - 1).center());
    QCOMPARE(pages->currentIndex(), pages->count() - 1);
    QCOMPARE(rows->tabRect(pages->count() - 1).bottom(), rows->height() - 1);
    QCOMPARE(rows->geometry().bottom() + 1, pages->geometry().top());
  }

  void coordinateBoxesClampToTheirRanges() {
    TForm1& w = *form_;
    const QList<std::tuple<const char*, int32_t, int32_t>> ranges = {{"SpinEdit9", -90, 90},
                                                                     {"SpinEdit10", 0, 60},
                                                                     {"SpinEdit11", -180, 180},
                                                                     {"SpinEdit12", 0, 60}};
    for (const auto& [name, minimum, maximum] : ranges) {
      auto* box = Find<TSpinEdit>(w, name);
      box->setValue(1000);
      QCOMPARE(box->value(), maximum);
      box->setValue(-1000);
      QCOMPARE(box->value(), minimum);
    }
    // The zone box, in minutes: -12:00 to +14:00.
    auto* zone = Find<TZoneSpinEdit>(w, "SpinEdit13");
    zone->setMinutes(1000);
    QCOMPARE(zone->minutes(), 14 * 60);
    zone->setMinutes(-1000);
    QCOMPARE(zone->minutes(), -12 * 60);
  }

  void timePickerShowsMinutesAndKeepsSeconds() {
    TForm1& w = *form_;
    auto* time = Find<TTimeBox>(w, "DateTimePicker2");
    time->setTime(QTime(14, 30, 45));
    QCOMPARE(time->text(), QStringLiteral("14:30"));
    QCOMPARE(time->time(), QTime(14, 30, 45));
  }

  void enterPressesCalculate() {
    TForm1& w = *form_;
    auto* memo14 = Find<QPlainTextEdit>(w, "Memo14");
    QTRY_VERIFY(!memo14->toPlainText().isEmpty());
    memo14->clear();
    Find<TDateBox>(w, "DateTimePicker1")->setDate(QDate(2026, 12, 5));  // a Saturday
    QTest::keyClick(Find<QLineEdit>(w, "Edit1"), Qt::Key_Return);
    QVERIFY(memo14->toPlainText().startsWith(QStringLiteral("05.12.2026, Суббота")));
  }

  void missingResourceStopsStartUp() {
    Q_CLEANUP_RESOURCE(COORD_DAT_COORD_DAT);
    try {
      TForm1 withoutPlaces;
      Q_INIT_RESOURCE(COORD_DAT_COORD_DAT);
      QFAIL("the window was created without its place list");
    } catch (const ResourceNotFound& error) {
      Q_INIT_RESOURCE(COORD_DAT_COORD_DAT);
      QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Resource COORD_DAT not found"));
    }
  }

  void tabOrderFollowsTheForm() {
    TForm1& w = *form_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    w.findChild<QWidget*>(QStringLiteral("DateTimePicker1"))->setFocus();
    // Into the shown page, out again to the personal data, and on through the
    // summary text to the buttons and round to the start.
    const QStringList expected = {
        "DateTimePicker2", "SpinEdit13", "SpinEdit9",    "SpinEdit10",    "SpinEdit11",
        "SpinEdit12",      "ComboBox1",  "PageControl1", "Memo13",        "PageControl3",
        "Memo5",           "Edit1",      "Edit2",        "Edit3",         "RadioButton1",
        "Memo3",           "Button1",    "SaveButton",   "PersonsButton", "ShareButton",
        "DateTimePicker1"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      if (qobject_cast<QTabBar*>(focus) != nullptr) focus = focus->parentWidget();
      visited.append(focus->objectName());
    }
    QCOMPARE(visited, expected);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
