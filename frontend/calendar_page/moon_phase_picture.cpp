#include "frontend/calendar_page/moon_phase_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kShadow(0x4A, 0x4F, 0x5A);
const QColor kLit(0xF5, 0xE9, 0xB8);
const QColor kRim(0x70, 0x70, 0x70);

}  // namespace

void PaintMoonPhase(QPainter& painter, const QRectF& disc, const frontend::MoonPhase& phase) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kShadow);
  painter.drawEllipse(disc);

  // The terminator is half an ellipse whose half-width is the radius times
  // |1 - 2 × lit fraction|: at the rim for new and full moon, straight at the
  // quarters.
  const double radius = disc.width() / 2;
  const double halfWidth = radius * std::abs(1 - 2 * phase.litFraction);
  const QRectF terminator(disc.center().x() - halfWidth, disc.top(), 2 * halfWidth, disc.height());
  const bool crescent = phase.litFraction < 0.5;
  QPainterPath lit;
  lit.moveTo(disc.center().x(), disc.top());
  // Qt's angles run anticlockwise from three o'clock: the limb from the top
  // to the bottom on the lit side, then the terminator back to the top,
  // bulging towards the lit side for a crescent and away from it when gibbous.
  if (phase.waxing) {
    lit.arcTo(disc, 90, -180);
    lit.arcTo(terminator, 270, crescent ? 180 : -180);
  } else {
    lit.arcTo(disc, 90, 180);
    lit.arcTo(terminator, 270, crescent ? -180 : 180);
  }
  lit.closeSubpath();
  painter.setBrush(kLit);
  painter.drawPath(lit);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRim, 0.8));
  painter.drawEllipse(disc);
  painter.restore();
}
