#include "plan/array_label.h"

#include <QMouseEvent>

#include "plan/picture_box.h"
#include "plan/twips.h"

namespace footmark {

namespace {

std::int16_t ButtonBits(Qt::MouseButtons buttons) {
  return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                   (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                   (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

std::int16_t ShiftBits(Qt::KeyboardModifiers keys) {
  return static_cast<std::int16_t>((keys.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                   (keys.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                   (keys.testFlag(Qt::AltModifier) ? 4 : 0));
}

}  // namespace

ArrayLabel::ArrayLabel(PictureBox& container, std::int16_t index)
    : QLabel(&container), container_(container), index_(index) {
  hide();
}

ArrayLabel* ArrayLabel::LoadCopy(std::int16_t index) const {
  auto* copy = new ArrayLabel(container_, index);  // owned by the box
  copy->setAutoFillBackground(autoFillBackground());
  copy->setPalette(palette());
  copy->setFont(font());
  copy->setText(text());
  copy->setAlignment(alignment());
  copy->setFrameStyle(frameStyle());
  copy->MouseDown = MouseDown;
  copy->MouseMove = MouseMove;
  copy->Move(left_, top_, width_, height_);
  return copy;
}

void ArrayLabel::Move(float left, float top) { Move(left, top, width_, height_); }

void ArrayLabel::Move(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Place();
}

void ArrayLabel::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

void ArrayLabel::Place() { setGeometry(container_.ToPixels(left_, top_, width_, height_)); }

void ArrayLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Report(MouseDown, ButtonBits(event->button()), event);
}

void ArrayLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  Report(MouseMove, ButtonBits(event->buttons()), event);
}

void ArrayLabel::Report(const MouseEvent& handler, std::int16_t button, QMouseEvent* event) {
  if (!handler) return;
  const QPointF at = event->position();
  handler(index_, button, ShiftBits(event->modifiers()), static_cast<float>(PixelsToTwips(at.x(), logicalDpiX())),
          static_cast<float>(PixelsToTwips(at.y(), logicalDpiY())));
}

}  // namespace footmark
