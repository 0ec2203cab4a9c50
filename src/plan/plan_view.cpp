#include "plan/plan_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "plan/drawing_scene.h"

namespace footmark {

namespace {

// The verdicts' colours, then the paper and scale of the sheet shown.
QString LegendText(const Sheet& sheet) {
  QStringList entries;
  for (PlanVerdict v : kPlanVerdicts)
    entries << QString("<span style='color:%1'>&#9632;</span>&nbsp;%2").arg(VerdictColour(v).name(), PlanVerdictText(v));
  const QString paper = QString::fromStdString(sheet.paper) + " at 1:" + QString::number(sheet.scale);
  QString shown = sheet.planSheets > 1 ? QString("plan on %1 sheets ").arg(sheet.planSheets) + paper : "sheet " + paper;
  entries << shown.replace(' ', "&nbsp;");
  return entries.join("&nbsp;&nbsp; ");
}

}  // namespace

PlanView::PlanView(QWidget* parent) : QGraphicsView(parent) {
  setScene(&scene_);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  setTransformationAnchor(AnchorUnderMouse);
  setResizeAnchor(AnchorViewCenter);
  setDragMode(RubberBandDrag);
  setBackgroundBrush(QColor(0xc8, 0xcb, 0xd0));  // a desk, the sheets on it white
  setViewportUpdateMode(BoundingRectViewportUpdate);
  // The legend has a strip of its own above the plan, which it never covers.
  legend_ = new QLabel(this);
  legend_->setTextFormat(Qt::RichText);
  legend_->setContentsMargins(8, 3, 8, 3);
  legend_->setWordWrap(true);
  legend_->hide();
}

// The items go with the scene and say nothing to a window that is going too.
PlanView::~PlanView() { scene_.blockSignals(true); }

void PlanView::Clear() {
  drag_.reset();
  scene_.clear();
  extents_ = plan_ = {};
  picture_ = {};
  footings_.clear();
  handles_.clear();
  legend_->hide();
  setViewportMargins(0, 0, 0, 0);
}

void PlanView::ShowPlan(PlanPicture picture) {
  const QStringList selected = [&] {
    QStringList groups;
    for (QGraphicsItem* item : scene_.selectedItems())
      if (item->type() == FootingItem::Type) groups << QString::fromStdString(static_cast<FootingItem*>(item)->Footing().Group);
    return groups;
  }();
  Clear();
  picture_ = std::move(picture);
  std::vector<DrawingPiece> pieces;
  for (const SheetInView& s : picture_.sheets) {
    const DrawingSheet& paper = picture_.sheet.drawing.sheets[s.sheet];
    pieces.push_back({paper.first, paper.end, s.shift.x, s.shift.y});
    const QRectF rect = QRectF(ScenePoint(s.paper.min.x, s.paper.max.y), ScenePoint(s.paper.max.x, s.paper.min.y));
    scene_.addRect(rect, Qt::NoPen, Qt::white)->setZValue(-2);
    extents_ |= rect;
    plan_ |= QRectF(ScenePoint(s.plan.min.x, s.plan.max.y), ScenePoint(s.plan.max.x, s.plan.min.y));
  }
  extents_ |= AddDrawing(scene_, picture_.sheet.drawing, pieces);
  for (const FootingOnPlan& f : picture_.footings) {
    auto* footing = new FootingItem(f);
    scene_.addItem(footing);
    auto* handle = new ColumnHandle(*footing);
    scene_.addItem(handle);
    footings_.push_back(footing);
    handles_.push_back(handle);
    plan_ |= footing->sceneBoundingRect();
  }
  // Room to pan a little past the drawing.
  const double margin = std::max(extents_.width(), extents_.height()) * 0.25 + 2;
  scene_.setSceneRect(extents_.adjusted(-margin, -margin, margin, margin));
  SelectGroups(selected);
  legend_->setText(LegendText(picture_.sheet));
  legend_->show();
  PlaceLegend();
  if (fitted_) Fit();
}

void PlanView::Fit() {
  if (plan_.isEmpty()) return;
  const double margin = std::max(plan_.width(), plan_.height()) * 0.01;
  fitInView(plan_.adjusted(-margin, -margin, margin, margin), Qt::KeepAspectRatio);
  fitted_ = true;
  emit zoomChanged();
}

void PlanView::ZoomBy(double factor) {
  // Between a whole building on a thumbnail and a column filling the screen.
  const double now = transform().m11();
  if ((factor > 1 && now > 2000) || (factor < 1 && now < 0.05)) return;
  scale(factor, factor);
  fitted_ = false;
  emit zoomChanged();
}

FootingItem* PlanView::Footing(int support) const {
  return support >= 1 && support <= static_cast<int>(footings_.size()) ? footings_[support - 1] : nullptr;
}

std::vector<FootingItem*> PlanView::Footings() const { return footings_; }

ColumnHandle* PlanView::Handle(int support) const {
  return support >= 1 && support <= static_cast<int>(handles_.size()) ? handles_[support - 1] : nullptr;
}

void PlanView::SelectGroups(const QStringList& groups) {
  const QSignalBlocker quiet(&scene_);
  for (FootingItem* f : footings_) f->setSelected(groups.contains(QString::fromStdString(f->Footing().Group)));
  emit scene_.selectionChanged();
}

void PlanView::RevealSelection() {
  QRectF selected;
  for (FootingItem* f : footings_)
    if (f->isSelected()) selected |= f->sceneBoundingRect();
  if (!selected.isEmpty() && !mapToScene(viewport()->rect()).boundingRect().intersects(selected))
    centerOn(selected.center());
}

void PlanView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y();
  if (steps == 0) return QGraphicsView::wheelEvent(event);
  ZoomBy(std::pow(1.0015, steps));
  event->accept();
}

void PlanView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spaceHeld_)) {
    panFrom_ = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
    return event->accept();
  }
  if (event->button() == Qt::LeftButton) {
    for (QGraphicsItem* item : items(event->position().toPoint())) {
      if (item->type() != ColumnHandle::Type) continue;
      auto* handle = static_cast<ColumnHandle*>(item);
      const ColumnMarker& m = handle->Marker();
      drag_ = Drag{handle, event->position(),
                   {m.Left(), m.Top(), m.Column.SideX, m.Column.SideY, OffsetReadout(m.Column, m.Left(), m.Top())}};
      scene_.clearSelection();
      handle->Footing().setSelected(true);
      return event->accept();
    }
  }
  QGraphicsView::mousePressEvent(event);
}

void PlanView::mouseMoveEvent(QMouseEvent* event) {
  if (panFrom_) {
    const QPoint now = event->position().toPoint(), by = now - *panFrom_;
    panFrom_ = now;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - by.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - by.y());
    fitted_ = false;
    return event->accept();
  }
  if (drag_ && (event->buttons() & Qt::LeftButton)) {
    // The pointer's way on the screen, in metres: the view may scroll under it.
    const QPointF by = (event->position() - drag_->from) / transform().m11();
    drag_->step = DragColumn(drag_->handle->Marker(), by.x(), by.y());
    drag_->handle->MoveTo(drag_->step.Left, drag_->step.Top);
    emit columnDragged(drag_->handle->Footing().Footing().Support, QString::fromStdString(drag_->step.Readout));
    return event->accept();
  }
  QGraphicsView::mouseMoveEvent(event);
}

void PlanView::mouseReleaseEvent(QMouseEvent* event) {
  if (panFrom_ && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
    panFrom_.reset();
    viewport()->setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
    return event->accept();
  }
  if (drag_ && event->button() == Qt::LeftButton) {
    const Drag done = *drag_;
    drag_.reset();
    emit columnDropped(done.handle->Footing().Footing().Support, done.step.SideX, done.step.SideY);
    return event->accept();
  }
  QGraphicsView::mouseReleaseEvent(event);
}

// Space held turns the left button into a pan.
bool PlanView::SpaceKey(QKeyEvent* event, bool held) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat()) return false;
  spaceHeld_ = held;
  viewport()->setCursor(held ? Qt::OpenHandCursor : Qt::ArrowCursor);
  event->accept();
  return true;
}

void PlanView::keyPressEvent(QKeyEvent* event) {
  if (!SpaceKey(event, true)) QGraphicsView::keyPressEvent(event);
}

void PlanView::keyReleaseEvent(QKeyEvent* event) {
  if (!SpaceKey(event, false)) QGraphicsView::keyReleaseEvent(event);
}

// Across the top, in as many lines as the width needs.
void PlanView::PlaceLegend() {
  if (legend_->isHidden()) return;
  const int width = viewport()->width();
  legend_->setGeometry(frameWidth(), frameWidth(), width, legend_->heightForWidth(width));
  if (viewportMargins().top() != legend_->height()) setViewportMargins(0, legend_->height(), 0, 0);
}

void PlanView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  PlaceLegend();
  // Not under a marker being dragged: the pointer's way is measured in one scale.
  if (fitted_ && !drag_) Fit();
}

}  // namespace footmark
