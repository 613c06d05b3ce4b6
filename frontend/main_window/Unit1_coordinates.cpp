// The four coordinate boxes: the side of the world kept apart from the
// degrees, 60 minutes carried into the next degree as they are typed, values
// out of range refused where they are typed, and a place box that names the
// picked place only while the boxes hold that place's coordinates.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "frontend/main_window/Unit1.h"
#include "frontend/places/place_list.h"
#include "frontend/widgets/degrees_spinedit.h"

namespace {

constexpr int32_t kMinutesPerDegree = 60;

// A refused box stands out until its value is in range again.
void MarkRefused(QWidget* box, bool refused) {
  box->setStyleSheet(refused ? QStringLiteral("background-color: #ffd8d8;") : QString());
}

}  // namespace

void TForm1::ConnectCoordinateBoxes() {
  for (TSpinEdit* box :
       std::initializer_list<TSpinEdit*>{SpinEdit9, SpinEdit10, SpinEdit11, SpinEdit12}) {
    connect(box, &TSpinEdit::edited, this, [this] {
      CarryFullDegrees();
      ShowWhosePlace();
    });
    // Checked once the typing is over, so that a box may pass through
    // values out of range while a number is typed.
    connect(box, &QAbstractSpinBox::editingFinished, this, &TForm1::CheckCoordinateRange);
  }
}

frontend::Coordinate TForm1::LatitudeOfBoxes() const {
  return {SpinEdit9->negative(), SpinEdit9->degrees(), SpinEdit10->value()};
}

frontend::Coordinate TForm1::LongitudeOfBoxes() const {
  return {SpinEdit11->negative(), SpinEdit11->degrees(), SpinEdit12->value()};
}

void TForm1::ShowCoordinates(const frontend::Coordinate& latitude,
                             const frontend::Coordinate& longitude) {
  SpinEdit9->setDegrees(latitude.negative, latitude.degrees);
  SpinEdit10->setValue(latitude.minutes);
  SpinEdit11->setDegrees(longitude.negative, longitude.degrees);
  SpinEdit12->setValue(longitude.minutes);
  CheckCoordinateRange();
}

void TForm1::CarryFullDegrees() {
  const std::pair<TDegreesSpinEdit*, TSpinEdit*> pairs[] = {{SpinEdit9, SpinEdit10},
                                                            {SpinEdit11, SpinEdit12}};
  for (const auto& [degrees, minutes] : pairs) {
    if (minutes->value() < kMinutesPerDegree) continue;
    // Beyond the limit the box would clamp the degrees and lose the carry:
    // that stays for the range check to refuse.
    if (degrees->degrees() + 1 > frontend::LimitDegrees(degrees->axis())) continue;
    const bool typing = minutes->hasFocus();
    degrees->setDegrees(degrees->negative(), degrees->degrees() + 1);
    minutes->setValue(minutes->value() - kMinutesPerDegree);
    if (typing) minutes->selectAll();
  }
}

void TForm1::ShowWhosePlace() {
  const bool belongs = picked_ &&
                       picked_->latitude == frontend::CarriedMinutes(LatitudeOfBoxes()) &&
                       picked_->longitude == frontend::CarriedMinutes(LongitudeOfBoxes());
  ComboBox1->setCurrentIndex(belongs ? picked_->entry : -1);
  // The narrow box may cut the words short; the tooltip has them whole.
  ComboBox1->setToolTip(belongs ? QString() : frontend::HandTypedPlaceText());
}

bool TForm1::CheckCoordinateRange() {
  const frontend::Coordinate latitude = frontend::CarriedMinutes(LatitudeOfBoxes());
  const frontend::Coordinate longitude = frontend::CarriedMinutes(LongitudeOfBoxes());
  const bool latitudeFits = frontend::WithinRange(latitude, frontend::CoordinateAxis::kLatitude);
  const bool longitudeFits = frontend::WithinRange(longitude, frontend::CoordinateAxis::kLongitude);
  for (QWidget* box : {static_cast<QWidget*>(SpinEdit9), static_cast<QWidget*>(SpinEdit10)}) {
    MarkRefused(box, !latitudeFits);
  }
  for (QWidget* box : {static_cast<QWidget*>(SpinEdit11), static_cast<QWidget*>(SpinEdit12)}) {
    MarkRefused(box, !longitudeFits);
  }
  if (!latitudeFits) {
    CoordinateNoteLabel->setText(
        frontend::OutOfRangeText(latitude, frontend::CoordinateAxis::kLatitude));
  } else if (!longitudeFits) {
    CoordinateNoteLabel->setText(
        frontend::OutOfRangeText(longitude, frontend::CoordinateAxis::kLongitude));
  } else {
    CoordinateNoteLabel->clear();
  }
  CoordinateNoteLabel->setToolTip(CoordinateNoteLabel->text());
  return latitudeFits && longitudeFits;
}

bool TForm1::TakeCoordinates() {
  if (CheckCoordinateRange()) return true;
  const bool latitudeFits = frontend::WithinRange(frontend::CarriedMinutes(LatitudeOfBoxes()),
                                                  frontend::CoordinateAxis::kLatitude);
  (latitudeFits ? SpinEdit12 : SpinEdit10)->setFocus();
  return false;
}
