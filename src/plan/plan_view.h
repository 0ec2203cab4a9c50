// The plan on screen: the sheet's plan sheets on a grey desk with the
// footings coloured by their verdict, zoomed with the wheel or Ctrl +/-, panned with the middle
// button or Space held, fitted to the plan with F (and again on a resize until the user
// zooms). Dragging a column's marker with the left button puts the column
// to one side of its grid point: the view reports the readout while the
// marker snaps and the sides reached when the button is let go; the window
// decides what a move means.
#pragma once

#include <QGraphicsView>
#include <optional>
#include <vector>

#include "model/model.h"
#include "plan/footing_items.h"

class QLabel;

namespace footmark {

inline constexpr const char* kDragHint =
    " You can move the column positions with Mouse to create offcet . ( Assumes wall theickness is 230 mm ) ";

class PlanView : public QGraphicsView {
  Q_OBJECT

 public:
  explicit PlanView(QWidget* parent = nullptr);
  ~PlanView() override;

  // Shows a design, replacing what was shown. The zoom stays unless the
  // view was fitted.
  void ShowPlan(PlanPicture picture);
  void Clear();
  // The design shown: its sheet and footings.
  const PlanPicture& Picture() const { return picture_; }

  void Fit();
  void ZoomBy(double factor);
  bool Fitted() const { return fitted_; }

  // The footing item of a support, null when none is shown.
  FootingItem* Footing(int support) const;
  std::vector<FootingItem*> Footings() const;
  ColumnHandle* Handle(int support) const;
  // Selects the footings of these groups ("F2") only.
  void SelectGroups(const QStringList& groups);
  // Brings the selected footings into view when none of them is.
  void RevealSelection();

 signals:
  void columnDragged(int support, const QString& readout);
  void columnDropped(int support, int sideX, int sideY);
  void zoomChanged();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Drag {
    ColumnHandle* handle;
    QPointF from;  // where the press was, in the view's pixels
    DragStep step;
  };

  bool SpaceKey(QKeyEvent* event, bool held);
  void PlaceLegend();

  QGraphicsScene scene_;
  PlanPicture picture_;
  std::vector<FootingItem*> footings_;  // by support - 1; owned by the scene
  std::vector<ColumnHandle*> handles_;
  QRectF extents_;  // the sheets
  QRectF plan_;     // their plan blocks, which a fit shows
  bool fitted_ = true;
  std::optional<Drag> drag_;
  std::optional<QPoint> panFrom_;
  bool spaceHeld_ = false;
  QLabel* legend_ = nullptr;
};

}  // namespace footmark
