#include "plan/picture_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "model/numerics.h"
#include "plan/array_label.h"
#include "plan/twips.h"

namespace footmark {

QString ToQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void LineControl::SetEnds(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  container_->update();
}

void LineControl::SetVisible(bool visible) {
  visible_ = visible;
  container_->update();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PictureBox::Scale(float x1, float y1, float x2, float y2) {
  userScale_ = true;
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleWidth_ = x2 - x1;
  scaleHeight_ = y2 - y1;
  PlaceChildren();
  update();
}

float PictureBox::ScaleLeft() const { return userScale_ ? scaleLeft_ : 0; }
float PictureBox::ScaleTop() const { return userScale_ ? scaleTop_ : 0; }
float PictureBox::ScaleWidth() const {
  return userScale_ ? scaleWidth_ : static_cast<float>(PixelsToTwips(width(), logicalDpiX()));
}
float PictureBox::ScaleHeight() const {
  return userScale_ ? scaleHeight_ : static_cast<float>(PixelsToTwips(height(), logicalDpiY()));
}

double PictureBox::ScaleX(double twips) const {
  if (!userScale_) return twips;
  return Divide(TwipsToPixelsExact(twips, logicalDpiX()) * scaleWidth_, width());
}
double PictureBox::ScaleY(double twips) const {
  if (!userScale_) return twips;
  return Divide(TwipsToPixelsExact(twips, logicalDpiY()) * scaleHeight_, height());
}

double PictureBox::TextWidth(const std::string& text) const {
  return ScaleX(PixelsToTwips(QFontMetricsF(font()).horizontalAdvance(ToQt(text)), logicalDpiX()));
}
double PictureBox::TextHeight(const std::string&) const {
  return std::abs(ScaleY(PixelsToTwips(QFontMetricsF(font()).height(), logicalDpiY())));
}

void PictureBox::Print(const std::string& text) {
  printed_.push_back({CurrentX, CurrentY, text});
  CurrentX = ScaleLeft();
  CurrentY = static_cast<float>(CurrentY + TextHeight(text));
  update();
}

LineControl& PictureBox::AddLine(const LineControl& like) {
  lines_.push_back(like);
  update();
  return lines_.back();
}

QPointF PictureBox::ToPixels(double x, double y) const {
  if (!userScale_) return {TwipsToPixelsExact(x, logicalDpiX()), TwipsToPixelsExact(y, logicalDpiY())};
  return {Divide((x - scaleLeft_) * width(), scaleWidth_), Divide((y - scaleTop_) * height(), scaleHeight_)};
}

QRect PictureBox::ToPixels(float left, float top, float width, float height) const {
  const QPointF a = ToPixels(left, top);
  const QPointF b = ToPixels(static_cast<double>(left) + width, static_cast<double>(top) + height);
  const QPoint p(qRound(std::min(a.x(), b.x())), qRound(std::min(a.y(), b.y())));
  const QPoint q(qRound(std::max(a.x(), b.x())), qRound(std::max(a.y(), b.y())));
  return {p, QSize(q.x() - p.x(), q.y() - p.y())};
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  for (const LineControl& line : lines_)
    if (line.Visible()) painter.drawLine(ToPixels(line.X1(), line.Y1()), ToPixels(line.X2(), line.Y2()));
  const QFontMetricsF metrics(font());
  for (const PrintedText& text : printed_)
    painter.drawText(ToPixels(text.X, text.Y) + QPointF(0, metrics.ascent()), ToQt(text.Text));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChildren();
}

void PictureBox::PlaceChildren() {
  for (QObject* child : children())
    if (auto* label = dynamic_cast<ArrayLabel*>(child)) label->Place();
}

}  // namespace footmark
