// A small picture of the moon's phase: the lit part of the disc as seen from
// the northern hemisphere (waxing lit on the right), the rest in shadow.
#pragma once

#include <QRectF>

#include "frontend/lunar_calendar/moon_phase.h"

class QPainter;

void PaintMoonPhase(QPainter& painter, const QRectF& disc, const frontend::MoonPhase& phase);
