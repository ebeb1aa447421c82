#pragma once
// Positions and sizes of the windows are designed in twips (1/1440 inch).
// Qt places widgets in device-independent pixels; the screen's logical DPI
// relates the two, and Qt's high-DPI scaling then maps those pixels to the
// device, so the board stays sharp on any screen.
#include <QRect>
#include <QSize>
#include <QString>

#include "board/layout.h"

class QWidget;

namespace pellumo {

class Twips {
 public:
  // The logical DPI of the screen the widget is on (the primary screen when
  // it has none yet).
  static Twips For(const QWidget* widget);
  explicit Twips(double logicalDpi) : perPixel_(1440.0 / logicalDpi) {}

  double PerPixel() const { return perPixel_; }
  int ToPixels(double twips) const;
  double ToTwips(int pixels) const { return pixels * perPixel_; }
  // Edges are rounded, not sizes, so that neighbouring controls meet exactly.
  QRect ToPixels(const Rect& r) const;
  QRect ToPixels(double left, double top, double width, double height) const;
  QSize SizeToPixels(double width, double height) const;

  // Names a control and puts it where the design has it; returns it, so
  // that a control is made, named and placed in one statement.
  template <typename Control>
  Control* Place(Control* control, const QString& name, const Rect& at) const {
    control->setObjectName(name);
    control->setGeometry(ToPixels(at));
    return control;
  }

 private:
  double perPixel_;
};

}  // namespace pellumo
