#include "plan/footing_items.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>

#include "plan/drawing_scene.h"

namespace footmark {

QColor VerdictColour(PlanVerdict verdict) {
  switch (verdict) {
    case PlanVerdict::Ok: return QColor(0x43, 0xa0, 0x47);
    case PlanVerdict::Warning: return QColor(0xf9, 0xa8, 0x25);
    case PlanVerdict::Clashing: return QColor(0x1e, 0x88, 0xe5);
    case PlanVerdict::Fails: return QColor(0xe5, 0x39, 0x35);
    case PlanVerdict::NotDesigned: break;
  }
  return QColor(0x8e, 0x24, 0xaa);
}

FootingItem::FootingItem(FootingOnPlan footing) : footing_(std::move(footing)) {
  const Extents& o = footing_.Outline;
  setRect(QRectF(ScenePoint(o.min.x, o.max.y), ScenePoint(o.max.x, o.min.y)));
  setFlag(ItemIsSelectable);
  setZValue(-1);  // beneath the drawing's outlines and marks
  setToolTip(QString::fromStdString(footing_.Tooltip()));
  QColor fill = VerdictColour(footing_.Verdict);
  fill.setAlpha(80);
  setBrush(fill);
  setPen(Qt::NoPen);
}

void FootingItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setPen(Qt::NoPen);
  painter->setBrush(brush());
  painter->drawRect(rect());
  if (isSelected()) {
    QPen outline(VerdictColour(footing_.Verdict).darker(140), 3);
    outline.setCosmetic(true);
    painter->setPen(outline);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
  }
}

ColumnHandle::ColumnHandle(FootingItem& footing) : footing_(footing), marker_(MarkerOf(footing.Footing().Place)) {
  setRect(0, 0, marker_.Size.Width, marker_.Size.Height);
  MoveTo(marker_.Left(), marker_.Top());
  setZValue(2);
  setToolTip(footing.toolTip());
  setCursor(Qt::SizeAllCursor);
  QPen pen(QColor(0x30, 0x30, 0x30, 160), 0, Qt::DashLine);
  setPen(pen);
  setBrush(QColor(0x30, 0x30, 0x30, 36));
}

void ColumnHandle::MoveTo(float left, float top) {
  // Plan y grows downwards as the scene's does.
  const Vec2 origin = footing_.Footing().Origin;
  setPos(origin.x + left, top - origin.y);
}

}  // namespace footmark
