// The main window: birth data inputs, the place list and the three result pages.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QWidget>
#include <memory>
#include <optional>

#include "content/compose.h"
#include "frontend/birth/birth_data.h"
#include "frontend/calculator_run/run_outcome.h"
#include "frontend/horoscope/horoscope.h"
#include "frontend/places/zone_note.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class LunarCalendarPage;
class TOKBottomDlg;
class TOKBottomDlg1;
class TDegreesSpinEdit;
class TDateBox;
class TTimeBox;
class TPlaceSearchPopup;
class TSpinEdit;
class TTypedBox;
class TZoneSpinEdit;

// Temporary files and buffers of the calculator run; defined with the run.
namespace frontend {
struct AtlasPlace;
class Calculation;
class PersonStore;
}  // namespace frontend

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Client area at 96 dots per inch, and the outer top-left corner on the screen.
  static constexpr int kClientWidth = 794;
  static constexpr int kClientHeight = 714;
  static constexpr QPoint kDesignedPosition{234, 49};

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Event handlers, named after the window's events.
  void Button1Click();
  // The birth data as the controls hold it now.
  frontend::BirthData ReadBirthData() const;
  void ComboBox1Change();
  void Timer1Timer();

  // The dialogs of the calculator run, created after the main window.
  TOKBottomDlg* OKBottomDlg = nullptr;
  TOKBottomDlg1* OKBottomDlg1 = nullptr;

  // Personal data.
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label26 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label27 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLabel* Label28 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLabel* Label29 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;

  // Birth date and time.
  QGroupBox* GroupBox2 = nullptr;
  QLabel* Label17 = nullptr;
  TDateBox* DateTimePicker1 = nullptr;
  QLabel* Label18 = nullptr;
  TTimeBox* DateTimePicker2 = nullptr;
  QLabel* Label19 = nullptr;
  TZoneSpinEdit* SpinEdit13 = nullptr;  // hours (and minutes) east of Greenwich
  QLabel* Label3 = nullptr;
  QLabel* ZoneNoteLabel = nullptr;  // where the zone's value came from
  // Why a typed date or time was not taken; hidden while both stand.
  QLabel* RefusalNote = nullptr;

  // Birth place.
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label11 = nullptr;
  TDegreesSpinEdit* SpinEdit9 = nullptr;  // latitude degrees, "-" = south
  QLabel* Label15 = nullptr;
  TSpinEdit* SpinEdit10 = nullptr;  // latitude minutes
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  TDegreesSpinEdit* SpinEdit11 = nullptr;  // longitude degrees, "-" = west
  QLabel* Label12 = nullptr;
  TSpinEdit* SpinEdit12 = nullptr;  // longitude minutes
  QLabel* Label16 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  TPlaceSearchPopup* PlaceSearch = nullptr;  // typing in ComboBox1 searches the list
  QLabel* CoordinateNoteLabel = nullptr;     // why typed coordinates are refused

  QPlainTextEdit* Memo3 = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;  // never shown; receives the lunar-day table
  QTabWidget* PageControl1 = nullptr;

  // Solar page.
  QWidget* TabSheet2 = nullptr;
  QPlainTextEdit* Memo13 = nullptr;
  QLabel* StaticText7 = nullptr;
  QLabel* Image1 = nullptr;
  QTabWidget* PageControl3 = nullptr;
  QWidget* TabSheet9 = nullptr;
  QPlainTextEdit* Memo4 = nullptr;
  QWidget* TabSheet10 = nullptr;
  QPlainTextEdit* Memo5 = nullptr;

  // Lunar page.
  QWidget* TabSheet1 = nullptr;
  QLabel* Label4 = nullptr;
  QPlainTextEdit* Memo9 = nullptr;
  QPlainTextEdit* Memo10 = nullptr;
  QLabel* Label1 = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QWidget* TabSheet4 = nullptr;
  QPlainTextEdit* Memo11 = nullptr;
  QPlainTextEdit* Memo8 = nullptr;
  QWidget* TabSheet3 = nullptr;
  QPlainTextEdit* Memo7 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label5 = nullptr;
  QWidget* TabSheet5 = nullptr;
  QPlainTextEdit* Memo2 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* StaticText2 = nullptr;
  QWidget* TabSheet6 = nullptr;
  QPlainTextEdit* Memo6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* StaticText4 = nullptr;
  QWidget* TabSheet7 = nullptr;
  QPlainTextEdit* Memo12 = nullptr;

  // Week-day page.
  QWidget* TabSheet8 = nullptr;
  QPlainTextEdit* Memo14 = nullptr;
  QLabel* WeekDayNoteLabel = nullptr;  // the sayings are sayings, not a forecast

  // Lunar calendar page, after the three result pages.
  QWidget* TabSheet11 = nullptr;
  LunarCalendarPage* LunarCalendar1 = nullptr;

  QTimer* Timer1 = nullptr;

  // Keeping and sharing the horoscope, under "Расчет"; see Unit1_keeping.cpp.
  QPushButton* SaveButton = nullptr;     // "Сохранить": the person shown
  QPushButton* PersonsButton = nullptr;  // "Люди…": the saved persons
  QPushButton* ShareButton = nullptr;    // "Документ": print, PDF, clipboard
  void SaveButtonClick();
  void PersonsButtonClick();
  void PrintClick();
  void SavePdfClick();
  void CopyClick();
  // Fills the inputs from `birth` and runs the calculation.
  void OpenPerson(const frontend::BirthData& birth);
  // Whether the window's input may be replaced by `birth`: yes when nothing
  // typed would be lost, else as the user answers.
  bool MayReplaceInput(const frontend::BirthData& birth);
  // The last calculation's horoscope; none before the first.
  const std::optional<frontend::Horoscope>& horoscope() const { return horoscope_; }
  frontend::PersonStore& personStore();

  // The month pictures, 200 x 200 each; index 0 = January.
  QList<QImage> ImageList1;
  // The drawing surface shown by Image1, 200 x 200.
  QImage Image1Canvas;

  // The place list: lines "name=value" in resource order.
  QStringList placeList;
  // The time-zone name of each line of the place list ("Europe/Minsk"), or empty.
  QStringList placeZones;
  // The reference tables, decoded to UTF-8 lines.
  content::ReferenceTables tables;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();

  // Construction of the window, one group or page at a time.
  void CreateClientArea();
  void CreatePersonalGroup();
  void CreateDateGroup();
  void CreatePlaceGroup();
  void CreateSummaryAndButton();
  void CreateResultPages();
  void CreateSolarPage();
  void CreateLunarPage();
  void CreateLunarSubPages();
  void CreateWeekDayPage();
  // See Unit1_lunar_calendar.cpp.
  void CreateLunarCalendarPage();
  void ConnectLunarCalendar();
  void FollowPlaceOnCalendar(const frontend::BirthData& birth);
  void StopLunarCalendar();
  void SetTabOrder();
  // Russian names for screen readers, and the keys of the buttons.
  void NameControls();

  // The typed date and time; see Unit1_typed_input.cpp.
  void CreateRefusalNote();
  QList<TTypedBox*> TypedBoxes() const;
  void ShowRefusals(bool calculationRefused);
  // Reads what was typed into the date and time boxes; false, with the reason
  // shown and the box focused, when one of them names no date or time.
  bool TakeTypedInputs();

  // Creation steps.
  void SetCaptions();
  void SetPickersToNow();
  void LoadPlaceList();
  void LoadReferenceTables();
  void LoadMonthPictures();
  void LoadFixedTexts();
  void DrawEmptyFrame();

  // Composition output.
  void ShowComposition(const content::Composition& composition);
  // -1 draws the frame alone.
  void DrawMonthPicture(int pictureIndex);

  // The calculator run; see Unit1_calculation.cpp.
  void PrepareCalculatorFiles();
  void WriteCalculatorExecutable();
  // The horoscope of `birth`, after a failed lunar part has been reported.
  frontend::Horoscope Calculate(const frontend::BirthData& birth);
  bool CalculationRunning() const;
  // Ends a calculation still running and removes its files at once.
  void AbandonCalculation();
  void RemoveCalculatorFiles();

  void CreateKeepingButtons();
  void ShowStoreError();
  // The zone box following the picked place; see Unit1_place_zone.cpp.
  void LoadPlaceZones();
  void ConnectZoneFollowing();
  // After a pick: the zone box follows the place's zone from now on.
  void FollowZoneOfPlace();
  // A place picked in the atlas: its name in the place box, its coordinates
  // in the four boxes, and the zone box following its zone.
  void PickAtlasPlace(const frontend::AtlasPlace& place);
  // Shows `name` in the place box: the list's entry of that name, or else an
  // entry kept for places from the atlas, which the open list does not show.
  void ShowPlaceName(const QString& name);
  // The same for a zone of the database by name (a saved person's); an
  // unknown name ends the following.
  void FollowZone(const QString& name);
  // The followed zone's database name; empty when the zone was typed.
  QString FollowedZoneName() const;
  // The offset of the followed zone at the date and time in the pickers.
  void ShowZoneOfPlace();
  void EndZoneOfPlace(frontend::HandZone reason);
  void ShowZoneNote(const frontend::ZoneNote& note);

  // The coordinate boxes; see Unit1_coordinates.cpp.
  void ConnectCoordinateBoxes();
  frontend::Coordinate LatitudeOfBoxes() const;
  frontend::Coordinate LongitudeOfBoxes() const;
  void ShowCoordinates(const frontend::Coordinate& latitude, const frontend::Coordinate& longitude);
  // 60 minutes typed become the next degree at once.
  void CarryFullDegrees();
  // The place box shows the picked place while the boxes hold its
  // coordinates, and that they were typed by hand otherwise.
  void ShowWhosePlace();
  // False, with the reason beside the boxes and the box marked, while a
  // coordinate lies out of range.
  bool CheckCoordinateRange();
  // The same before a calculation or a save: false, with the focus on the
  // refused coordinate's minutes, when one is out of range.
  bool TakeCoordinates();

  // Keeping the window on its screen; see Unit1_screen.cpp.
  void KeepOnScreen();

  std::unique_ptr<frontend::Calculation> calculation_;
  std::optional<frontend::Horoscope> horoscope_;
  // The birth as the window last showed it whole: at start-up, and after a
  // person was saved or opened. Input that differs from it is unsaved.
  std::optional<frontend::BirthData> keptBirth_;
  // Opened at the first use: nothing is read or written before.
  std::unique_ptr<frontend::PersonStore> personStore_;

  // The place last picked (its entry in the place box) and its coordinates;
  // the box names it while the coordinate boxes hold these.
  struct Picked {
    int entry = -1;
    frontend::Coordinate latitude;
    frontend::Coordinate longitude;
  };
  std::optional<Picked> picked_;

  // The picked place's zone while the zone box follows it; invalid otherwise.
  QTimeZone followedZone_;
  // The place box's entry for a place from the atlas; -1 until one is picked.
  int atlasEntry_ = -1;

  // Every control stands on the client area, 794 x 714; on a screen too low
  // for it, the area scrolls inside the window.
  QScrollArea* clientScroller_ = nullptr;
  QWidget* clientArea_ = nullptr;
  // Whether the window was placed knowing its frame's size.
  bool placedWithFrame_ = false;
};
