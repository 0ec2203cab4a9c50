// A label of a control array inside a picture box. Its place is kept in the
// box's units; mouse presses and moves are reported with the element's index,
// the button (1 left, 2 right, 4 middle; for a move, the buttons held), the
// shift state (1 Shift, 2 Ctrl, 4 Alt) and the position within the label in
// twips.
#pragma once

#include <QLabel>
#include <cstdint>
#include <functional>

namespace footmark {

class PictureBox;

class ArrayLabel : public QLabel {
 public:
  using MouseEvent =
      std::function<void(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y)>;

  ArrayLabel(PictureBox& container, std::int16_t index);

  // A new element with this one's properties and events, hidden.
  ArrayLabel* LoadCopy(std::int16_t index) const;

  std::int16_t Index() const { return index_; }
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);
  void SetBackColor(const QColor& color);

  MouseEvent MouseDown;
  MouseEvent MouseMove;

  // Puts the label where its box units say, after the box changed its scale or size.
  void Place();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Report(const MouseEvent& handler, std::int16_t button, QMouseEvent* event);

  PictureBox& container_;
  std::int16_t index_;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace footmark
