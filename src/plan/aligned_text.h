// Text printed on a picture box at a point of its scale, aligned on x.
#pragma once

#include <cstdint>
#include <string>

#include "plan/picture_box.h"

namespace footmark {

enum TextAlign : std::int16_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

// align 1 centres the text on x, 2 ends it at x, any other value starts it
// at x; y is the top of the text.
void PrintAligned(PictureBox& target, const std::string& text, float x, float y, std::int16_t align);

}  // namespace footmark
