// The place list's search and the zone box following the picked place: the
// offset its zone had at the date and time entered, with a note saying so.
#include <QLabel>
#include <QListView>
#include <QStandardItemModel>
#include <cstdlib>

#include "frontend/main_window/Unit1.h"
#include "frontend/places/atlas.h"
#include "frontend/places/local_zone_time.h"
#include "frontend/places/place_list.h"
#include "frontend/places/zone_names.h"
#include "frontend/places/zone_offset.h"
#include "frontend/resources/builtin_data.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/dropdown_list.h"
#include "frontend/widgets/place_search_popup.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

bool FitsOneLine(const QLabel* label, const QString& text) {
  return label->fontMetrics().horizontalAdvance(text) <= label->width();
}

}  // namespace

// Step of the place list's loading: the zones, and the search over the names.
void TForm1::LoadPlaceZones() {
  placeZones = LoadBuiltInPlaceZones(placeList);
  PlaceSearch = new TPlaceSearchPopup(ComboBox1);
  if (auto* list = qobject_cast<TDropDownList*>(ComboBox1)) list->SetSearch(PlaceSearch);
  connect(PlaceSearch, &TPlaceSearchPopup::placePicked, this, &TForm1::PickAtlasPlace);
}

void TForm1::PickAtlasPlace(const frontend::AtlasPlace& place) {
  ShowPlaceName(place.name);
  const frontend::Coordinate latitude = frontend::CoordinateFromArcMinutes(place.latitudeMinutes);
  const frontend::Coordinate longitude = frontend::CoordinateFromArcMinutes(place.longitudeMinutes);
  picked_ = Picked{ComboBox1->currentIndex(), latitude, longitude};
  ShowCoordinates(latitude, longitude);
  FollowZone(place.zone);
}

void TForm1::ShowPlaceName(const QString& name) {
  int entry = ComboBox1->findText(name, Qt::MatchFixedString);
  if (entry < 0 || entry == atlasEntry_) {
    if (atlasEntry_ < 0) {
      ComboBox1->addItem(name);
      atlasEntry_ = ComboBox1->count() - 1;
      // Neither shown in the open list nor reached by the arrow keys.
      if (auto* view = qobject_cast<QListView*>(ComboBox1->view())) {
        view->setRowHidden(atlasEntry_, true);
      }
      if (auto* model = qobject_cast<QStandardItemModel*>(ComboBox1->model())) {
        model->item(atlasEntry_)->setEnabled(false);
      }
    }
    ComboBox1->setItemText(atlasEntry_, name);
    entry = atlasEntry_;
  }
  ComboBox1->setCurrentIndex(entry);
}

void TForm1::ConnectZoneFollowing() {
  connect(DateTimePicker1, &TDateBox::dateChanged, this, &TForm1::ShowZoneOfPlace);
  connect(DateTimePicker2, &TTimeBox::timeChanged, this, &TForm1::ShowZoneOfPlace);
  connect(SpinEdit13, &TZoneSpinEdit::edited, this,
          [this] { EndZoneOfPlace(frontend::HandZone::kZoneTyped); });
  for (TSpinEdit* box :
       std::initializer_list<TSpinEdit*>{SpinEdit9, SpinEdit10, SpinEdit11, SpinEdit12}) {
    connect(box, &TSpinEdit::edited, this,
            [this] { EndZoneOfPlace(frontend::HandZone::kCoordinatesTyped); });
  }
}

void TForm1::FollowZoneOfPlace() {
  const qsizetype line = frontend::FindPlace(placeList, ComboBox1->currentText());
  FollowZone(line >= 0 && line < placeZones.size() ? placeZones[line] : QString());
}

void TForm1::FollowZone(const QString& name) {
  followedZone_ = name.isEmpty() ? QTimeZone() : QTimeZone(name.toUtf8());
  if (!followedZone_.isValid()) {
    EndZoneOfPlace(frontend::HandZone::kZoneUnknown);
    return;
  }
  ShowZoneOfPlace();
}

void TForm1::ShowZoneOfPlace() {
  if (!followedZone_.isValid()) return;
  const frontend::LocalZoneTime zoneTime = frontend::ZoneAtLocalTime(
      followedZone_, frontend::DayOf(DateTimePicker1->date()), DateTimePicker2->time());
  SpinEdit13->setMinutes(frontend::ZoneMinutesOf(zoneTime.offsetSeconds));
  const QString name = QString::fromUtf8(followedZone_.id());
  frontend::ZoneNote note =
      frontend::PlaceZoneNote(frontend::ZoneTitle(name), DateTimePicker2->time(), zoneTime);
  // "Минск (Europe/Minsk)" gives way to "Минск" where it does not fit; the
  // tooltip keeps it whole.
  if (!FitsOneLine(ZoneNoteLabel, note.text)) {
    note.text =
        frontend::PlaceZoneNote(frontend::ZoneCity(name), DateTimePicker2->time(), zoneTime).text;
  }
  ShowZoneNote(note);
}

QString TForm1::FollowedZoneName() const {
  return followedZone_.isValid() ? QString::fromUtf8(followedZone_.id()) : QString();
}

void TForm1::EndZoneOfPlace(frontend::HandZone reason) {
  // Coordinates typed after the zone was typed leave the zone's note alone.
  if (reason == frontend::HandZone::kCoordinatesTyped && !followedZone_.isValid()) return;
  followedZone_ = QTimeZone();
  ShowZoneNote(frontend::HandZoneNote(reason));
}

void TForm1::ShowZoneNote(const frontend::ZoneNote& note) {
  // Cut short only where even the city's form does not fit; the tooltip holds
  // the whole explanation.
  ZoneNoteLabel->setText(
      ZoneNoteLabel->fontMetrics().elidedText(note.text, Qt::ElideRight, ZoneNoteLabel->width()));
  // As rich text, so that the tooltip wraps its lines.
  ZoneNoteLabel->setToolTip(QStringLiteral("<p>%1</p>").arg(note.explanation.toHtmlEscaped()));
}
