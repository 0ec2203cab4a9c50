// Frames built in memory for the grid, stack and support tests.
#pragma once

#include "model/model.h"

namespace footmark::testing {

inline void AddJoint(Model& model, float number, float x, float y, float z) {
  const int row = ++model.NumJoints;
  model.Joints(row, 0) = number;
  model.Joints(row, 1) = x;
  model.Joints(row, 2) = y;
  model.Joints(row, 3) = z;
}

inline void AddMember(Model& model, int32 number, int32 start, int32 end) {
  const int row = ++model.NumMembers;
  model.MemberIncidences(row, 0) = number;
  model.MemberIncidences(row, 1) = start;
  model.MemberIncidences(row, 2) = end;
}

// Returns the design row.
inline int AddDesign(Model& model, float member, float side1, float side2, float steel,
                     float tieDia = 8, float tieSpacing = 150) {
  const int row = ++model.NumColumnDesigns;
  const float values[] = {member, 3, side1, side2, steel, tieDia, tieSpacing};
  for (int k = 0; k < 7; ++k) model.ColumnDesigns(row, k + 1) = values[k];
  return row;
}

inline void AddSupport(Model& model, float joint) {
  const int s = ++model.NumSupports;
  model.SupportReactions(s, 1, 0) = joint;
  model.SupportReactions(0, 0, 0) = s;
}

}  // namespace footmark::testing
