// The degrees box of a latitude or longitude. It holds the side of the world
// apart from the number, so "-0" (less than one degree south or west) stays
// "-0" instead of turning into 0.
#pragma once

#include <cstdint>

#include "frontend/places/coordinate.h"
#include "frontend/widgets/spinedit.h"

class TDegreesSpinEdit : public TSpinEdit {
  Q_OBJECT

 public:
  TDegreesSpinEdit(frontend::CoordinateAxis axis, int32_t value, QWidget* parent = nullptr);

  frontend::CoordinateAxis axis() const { return axis_; }
  // A minus typed before the number, "-0" included.
  bool negative() const;
  // The whole degrees without the side, within the limit.
  int32_t degrees() const;
  void setDegrees(bool negative, int32_t degrees);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  frontend::CoordinateAxis axis_;
};
