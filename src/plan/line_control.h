// A line control: two end points in its picture box's scale units. The box
// owns its lines and draws them beneath its child controls.
#pragma once

namespace footmark {

class PictureBox;

class LineControl {
 public:
  explicit LineControl(PictureBox& container) : container_(&container) {}

  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  bool Visible() const { return visible_; }
  PictureBox& Container() const { return *container_; }

  void SetEnds(float x1, float y1, float x2, float y2);
  void SetVisible(bool visible);

 private:
  PictureBox* container_;
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  bool visible_ = false;
};

}  // namespace footmark
