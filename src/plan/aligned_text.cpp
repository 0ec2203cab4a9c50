#include "plan/aligned_text.h"

#include "model/numerics.h"

namespace footmark {

void PrintAligned(PictureBox& target, const std::string& text, float x, float y, std::int16_t align) {
  const double w = target.TextWidth(text);
  double start = x;
  if (align == kAlignRight) start = x - w;
  else if (align == kAlignCentre) start = x - w / 2;
  target.CurrentX = Sng(start);
  target.CurrentY = y;
  target.Print(text);
}

}  // namespace footmark
