#include "window/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace pellumo {

Twips Twips::For(const QWidget* widget) {
  const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  return Twips(dpi > 0 ? dpi : 96.0);
}

int Twips::ToPixels(double twips) const {
  return static_cast<int>(std::lround(twips / perPixel_));
}

QRect Twips::ToPixels(double left, double top, double width, double height) const {
  const int x0 = ToPixels(left);
  const int y0 = ToPixels(top);
  const int x1 = ToPixels(left + width);
  const int y1 = ToPixels(top + height);
  return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

QRect Twips::ToPixels(const Rect& r) const { return ToPixels(r.Left, r.Top, r.Width, r.Height); }

QSize Twips::SizeToPixels(double width, double height) const {
  return QSize(ToPixels(width), ToPixels(height));
}

}  // namespace pellumo
