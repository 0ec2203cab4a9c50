// The plan's picture box: a container with a coordinate system of its own.
//
// Until Scale sets two corner points the box measures in twips from its
// upper-left corner. Its child labels and its lines are given in the box's
// units; text printed on it stays there and is repainted with it.
#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>
#include <deque>
#include <string>
#include <vector>

#include "plan/line_control.h"

namespace footmark {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent);

  // The upper-left corner becomes (x1, y1) and the lower-right (x2, y2).
  void Scale(float x1, float y1, float x2, float y2);
  float ScaleLeft() const;
  float ScaleTop() const;
  float ScaleWidth() const;
  float ScaleHeight() const;

  // A length in twips converted to the box's units, along X and along Y.
  double ScaleX(double twips) const;
  double ScaleY(double twips) const;

  // Size of a text in the box's font, in the box's units.
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text) const;

  // The print position (the top left of the next printed text).
  float CurrentX = 0;
  float CurrentY = 0;
  // Prints text at the print position and moves it to the start of the next line.
  void Print(const std::string& text);

  struct PrintedText {
    float X;
    float Y;
    std::string Text;
  };
  const std::vector<PrintedText>& Printed() const { return printed_; }

  // A new line owned by the box, with the properties of `like`.
  LineControl& AddLine(const LineControl& like);
  const std::deque<LineControl>& Lines() const { return lines_; }

  // Box units to pixels of the box.
  QPointF ToPixels(double x, double y) const;
  QRect ToPixels(float left, float top, float width, float height) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceChildren();

  bool userScale_ = false;
  float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  std::vector<PrintedText> printed_;
  std::deque<LineControl> lines_;
};

// Text of the model (single-byte) as the toolkit shows it.
QString ToQt(const std::string& text);

}  // namespace footmark
