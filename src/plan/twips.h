// The window's layout is measured in twips (1440 to the inch); the screen's
// logical DPI turns them into pixels.
#pragma once

#include <QWidget>
#include <QtMath>

namespace footmark {

inline constexpr double kTwipsPerInch = 1440;

inline double TwipsToPixelsExact(double twips, double dpi) { return twips * dpi / kTwipsPerInch; }
inline int TwipsToPixels(double twips, double dpi) { return qRound(TwipsToPixelsExact(twips, dpi)); }
inline double PixelsToTwips(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

// Places a control at left, top with the given size, all in twips of its
// container.
inline void PlaceInTwips(QWidget& control, double left, double top, double width, double height) {
  const double dpiX = control.logicalDpiX();
  const double dpiY = control.logicalDpiY();
  const int x = TwipsToPixels(left, dpiX);
  const int y = TwipsToPixels(top, dpiY);
  control.setGeometry(x, y, TwipsToPixels(left + width, dpiX) - x, TwipsToPixels(top + height, dpiY) - y);
}

}  // namespace footmark
