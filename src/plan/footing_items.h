// The plan's items of one support: the footing, filled in the colour of its
// verdict, selectable, with the tooltip of the column; and above it the
// column's marker, which the user drags to put the column to one side.
#pragma once

#include <QColor>
#include <QGraphicsRectItem>

#include "plan/plan_footings.h"

namespace footmark {

QColor VerdictColour(PlanVerdict verdict);

class FootingItem : public QGraphicsRectItem {
 public:
  enum { Type = UserType + 1 };
  explicit FootingItem(FootingOnPlan footing);
  int type() const override { return Type; }
  const FootingOnPlan& Footing() const { return footing_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  FootingOnPlan footing_;
};

class ColumnHandle : public QGraphicsRectItem {
 public:
  enum { Type = UserType + 2 };
  explicit ColumnHandle(FootingItem& footing);
  int type() const override { return Type; }
  FootingItem& Footing() const { return footing_; }
  const ColumnMarker& Marker() const { return marker_; }
  // Puts the marker's upper left corner at the plan position (m).
  void MoveTo(float left, float top);

 private:
  FootingItem& footing_;
  ColumnMarker marker_;
};

}  // namespace footmark
