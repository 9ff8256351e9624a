#include "controls/rotarymenu.h"

#include "controls/accessibility.h"
#include "controls/controls_p.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr double kHubRatio = 0.24;     // hub radius relative to the dial's
constexpr double kHalfSegment = 45.0;  // each item owns a quarter of the rim

double normalized(double degrees) {
  double angle = std::fmod(degrees, 360.0);
  return angle < 0 ? angle + 360.0 : angle;
}

// Signed difference a - b folded into (-180, 180].
double angleDifference(double a, double b) {
  double diff = normalized(a - b);
  return diff > 180.0 ? diff - 360.0 : diff;
}

QPointF pointAt(const QPointF& centre, double radius, double degrees) {
  const double radians = qDegreesToRadians(degrees);
  // Screen y grows downwards, angles grow counter-clockwise.
  return {centre.x() + radius * std::cos(radians), centre.y() - radius * std::sin(radians)};
}

}  // namespace

RotaryMenu::RotaryMenu(QWidget* parent) : QWidget(parent) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString RotaryMenu::itemCaption(int index) const {
  return valid(index) ? captions_[index] : QString();
}

void RotaryMenu::setItemCaption(int index, const QString& caption) {
  if (!valid(index) || captions_[index] == caption) {
    return;
  }
  captions_[index] = caption;
  invalidateLayout();
  detail::notifyItem(this, QAccessible::NameChanged, index);
}

void RotaryMenu::setStopAngle(double degrees) {
  if (!std::isfinite(degrees)) {
    return;
  }
  stopAngle_ = degrees;
  invalidateLayout();
}

void RotaryMenu::setColor(const QColor& color) {
  color_ = color;
  update();
}

void RotaryMenu::setCurrentIndex(int index) {
  if (!valid(index) || index == current_) {
    return;
  }
  current_ = index;
  update();
  if (hasFocus()) {
    detail::notifyItem(this, QAccessible::Focus, index);
  }
}

QRectF RotaryMenu::dialRect() const {
  const qreal side = std::max<qreal>(0.0, std::min(width(), height()) - 2.0);
  QRectF dial(0, 0, side, side);
  dial.moveCenter(QRectF(rect()).center());
  return dial;
}

double RotaryMenu::itemAngle(int index) const {
  return normalized(stopAngle_ - 90.0 * index);
}

namespace {

// Whether a caption area centred on the ray at `angle`, `radius` from the centre, stays
// inside its quarter of the ring.
bool fitsSegment(const QPointF& centre, double outer, double inner, double angle, double radius,
                 const QSizeF& size, QRectF* area) {
  QRectF rect(QPointF(0, 0), size);
  rect.moveCenter(pointAt(centre, radius, angle));
  const QPointF corners[] = {rect.topLeft(), rect.topRight(), rect.bottomLeft(),
                             rect.bottomRight()};
  for (const QPointF& corner : corners) {
    const QPointF offset = corner - centre;
    if (std::hypot(offset.x(), offset.y()) > outer) {
      return false;
    }
    const double cornerAngle = qRadiansToDegrees(std::atan2(-offset.y(), offset.x()));
    // A little overhang past the dividers reads fine and lets longer words fit.
    if (std::abs(angleDifference(cornerAngle, angle)) > kHalfSegment + 10.0) {
      return false;
    }
  }
  const QPointF nearest(std::clamp(centre.x(), rect.left(), rect.right()),
                        std::clamp(centre.y(), rect.top(), rect.bottom()));
  const QPointF gap = nearest - centre;
  if (std::hypot(gap.x(), gap.y()) < inner) {
    return false;
  }
  *area = rect;
  return true;
}

// Tries radii from the middle of the ring outwards and inwards.
bool placeCaption(const QPointF& centre, double radius, double hubRadius, double angle,
                  const QSizeF& size, QRectF* area) {
  const double outer = radius - 2.0;
  const double inner = hubRadius + 1.0;
  const double middle = (radius + hubRadius) / 2.0;
  const double step = std::max(0.5, (radius - hubRadius) / 40.0);
  for (int i = 0; i <= 40; ++i) {
    for (int sign : {1, -1}) {
      if (fitsSegment(centre, outer, inner, angle, middle + sign * i * step, size, area)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

void RotaryMenu::invalidateLayout() {
  layoutDirty_ = true;
  update();
}

void RotaryMenu::ensureLayout() const {
  if (!layoutDirty_) {
    return;
  }
  layoutDirty_ = false;
  const QRectF dial = dialRect();
  const QPointF centre = dial.center();
  const double radius = dial.width() / 2.0;
  const double hubRadius = radius * kHubRatio;

  QFont font = this->font();
  font.setBold(true);
  const qreal largest = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
  constexpr qreal kSmallest = 6.0;
  std::array<bool, kItemCount> placed{};
  for (qreal size = largest;; size -= 0.5) {
    font.setPointSizeF(std::max(size, kSmallest));
    const QFontMetricsF metrics(font);
    bool all = true;
    for (int i = 0; i < kItemCount; ++i) {
      const QSizeF area(metrics.horizontalAdvance(captions_[i]) + 8.0, metrics.height() + 4.0);
      placed[i] = placeCaption(centre, radius, hubRadius, itemAngle(i), area, &captionRects_[i]);
      all = all && placed[i];
    }
    if (all || size <= kSmallest) {
      break;
    }
  }
  captionFont_ = font;

  // Still too long at the smallest size: narrow the area, the caption gets elided.
  const QFontMetricsF metrics(font);
  for (int i = 0; i < kItemCount; ++i) {
    QSizeF area(metrics.horizontalAdvance(captions_[i]) + 8.0, metrics.height() + 4.0);
    while (!placed[i] && area.width() > area.height()) {
      area.setWidth(area.width() - 2.0);
      placed[i] = placeCaption(centre, radius, hubRadius, itemAngle(i), area, &captionRects_[i]);
    }
    if (!placed[i]) {
      captionRects_[i] = QRectF(QPointF(0, 0), area);
      captionRects_[i].moveCenter(pointAt(centre, (radius + hubRadius) / 2.0, itemAngle(i)));
    }
  }
}

QRect RotaryMenu::itemRect(int index) const {
  if (!valid(index)) {
    return {};
  }
  ensureLayout();
  return captionRects_[index].toAlignedRect();
}

int RotaryMenu::itemAt(const QPoint& pos) const {
  for (int i = 0; i < kItemCount; ++i) {
    if (itemRect(i).contains(pos)) {
      return i;
    }
  }
  const QRectF dial = dialRect();
  const QPointF offset = QPointF(pos) - dial.center();
  const double distance = std::hypot(offset.x(), offset.y());
  const double radius = dial.width() / 2.0;
  if (distance > radius || distance < radius * kHubRatio) {
    return -1;
  }
  const double angle = qRadiansToDegrees(std::atan2(-offset.y(), offset.x()));
  for (int i = 0; i < kItemCount; ++i) {
    if (std::abs(angleDifference(angle, itemAngle(i))) <= kHalfSegment) {
      return i;
    }
  }
  return -1;
}

QSize RotaryMenu::sizeHint() const {
  return {150, 150};
}

QSize RotaryMenu::minimumSizeHint() const {
  return {100, 100};
}

void RotaryMenu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF dial = dialRect().adjusted(0.5, 0.5, -0.5, -0.5);
  if (dial.width() < 8) {
    return;
  }
  const QPointF centre = dial.center();
  const qreal radius = dial.width() / 2.0;
  const qreal hubRadius = radius * kHubRatio;
  const bool enabled = isEnabled();
  const QColor base = enabled ? color_ : detail::greyedOut(color_);

  // The dial body.
  QLinearGradient body(dial.topLeft(), dial.bottomLeft());
  body.setColorAt(0.0, base.lighter(128));
  body.setColorAt(1.0, base.darker(106));
  painter.setPen(QPen(base.darker(150), 1.0));
  painter.setBrush(body);
  painter.drawEllipse(dial);

  QPainterPath hub;
  hub.addEllipse(centre, hubRadius, hubRadius);
  auto segmentPath = [&](int index) {
    QPainterPath segment;
    segment.moveTo(centre);
    segment.arcTo(dial, itemAngle(index) - kHalfSegment, 2 * kHalfSegment);
    segment.closeSubpath();
    return segment.subtracted(hub);
  };

  // Hovered and pressed segments.
  for (int i = 0; i < kItemCount && enabled; ++i) {
    if (i == pressed_ && i == hovered_) {
      painter.fillPath(segmentPath(i), QColor(0, 40, 90, 45));
    } else if (i == hovered_) {
      painter.fillPath(segmentPath(i), QColor(255, 255, 255, 110));
    }
  }

  // Dividers between the segments: a dark line with a light line beside it, like a groove.
  for (int i = 0; i < kItemCount; ++i) {
    const double angle = itemAngle(i) + kHalfSegment;
    const QPointF inner = pointAt(centre, hubRadius, angle);
    const QPointF outer = pointAt(centre, radius - 1.5, angle);
    painter.setPen(QPen(QColor(0, 30, 70, 60), 1.0));
    painter.drawLine(inner, outer);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    painter.drawLine(inner + QPointF(0.8, 0.8), outer + QPointF(0.8, 0.8));
  }

  if (valid(current_) && detail::showsFocusRing(this)) {
    QColor ring = palette().color(QPalette::Highlight);
    painter.setPen(QPen(ring, 2.0));
    painter.setBrush(Qt::NoBrush);
    const QRectF inset = dial.adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath segment;
    segment.arcMoveTo(inset, itemAngle(current_) - kHalfSegment + 2);
    segment.arcTo(inset, itemAngle(current_) - kHalfSegment + 2, 2 * kHalfSegment - 4);
    segment.lineTo(pointAt(centre, hubRadius + 2.5, itemAngle(current_) + kHalfSegment - 4));
    segment.arcTo(QRectF(centre.x() - hubRadius - 2.5, centre.y() - hubRadius - 2.5,
                         2 * hubRadius + 5, 2 * hubRadius + 5),
                  itemAngle(current_) + kHalfSegment - 4, -(2 * kHalfSegment - 8));
    segment.closeSubpath();
    painter.drawPath(segment);
  }

  // Captions stay upright wherever the dial rests.
  ensureLayout();
  painter.setFont(captionFont_);
  const QFontMetricsF metrics(captionFont_);
  painter.setPen(enabled ? detail::textColorOn(base) : QColor(0x7c, 0x80, 0x86));
  for (int i = 0; i < kItemCount; ++i) {
    const QRectF& area = captionRects_[i];
    const QString text =
        metrics.elidedText(captions_[i], Qt::ElideRight, std::max(0.0, area.width() - 6.0));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
  }

  // The hub, with a dot that points at the resting item.
  QRadialGradient hubFill(centre - QPointF(hubRadius * 0.3, hubRadius * 0.4), hubRadius * 1.3);
  hubFill.setColorAt(0.0, QColor(255, 255, 255));
  hubFill.setColorAt(1.0, base.lighter(105));
  painter.setPen(QPen(base.darker(145), 1.0));
  painter.setBrush(hubFill);
  painter.drawPath(hub);
  const qreal dot = std::max(2.0, hubRadius * 0.18);
  painter.setPen(Qt::NoPen);
  painter.setBrush(base.darker(170));
  painter.drawEllipse(pointAt(centre, hubRadius * 0.6, stopAngle_), dot, dot);
}

void RotaryMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    invalidateLayout();
  } else if (event->type() == QEvent::EnabledChange) {
    update();
  }
  QWidget::changeEvent(event);
}

void RotaryMenu::resizeEvent(QResizeEvent* event) {
  layoutDirty_ = true;
  QWidget::resizeEvent(event);
}

void RotaryMenu::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = itemAt(event->position().toPoint());
  update();
}

void RotaryMenu::mouseMoveEvent(QMouseEvent* event) {
  setHovered(itemAt(event->position().toPoint()));
}

void RotaryMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const int pressed = pressed_;
  pressed_ = -1;
  update();
  if (pressed >= 0 && itemAt(event->position().toPoint()) == pressed) {
    setCurrentIndex(pressed);
    activate(pressed);
  }
}

void RotaryMenu::leaveEvent(QEvent* event) {
  setHovered(-1);
  QWidget::leaveEvent(event);
}

void RotaryMenu::keyPressEvent(QKeyEvent* event) {
  const int current = std::max(0, current_);
  switch (event->key()) {
    // Down and Up do the same as Right and Left, for windows that give the horizontal
    // arrows a meaning of their own.
    case Qt::Key_Down:
    case Qt::Key_Right:
      window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
      setCurrentIndex(current_ < 0 ? 0 : (current + 1) % kItemCount);
      break;
    case Qt::Key_Up:
    case Qt::Key_Left:
      window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
      setCurrentIndex(current_ < 0 ? 0 : (current + kItemCount - 1) % kItemCount);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) {
        setCurrentIndex(current);
        activate(current);
      }
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void RotaryMenu::focusInEvent(QFocusEvent* event) {
  if (current_ < 0) {
    current_ = 0;
  }
  update();
  QWidget::focusInEvent(event);
  detail::notifyItem(this, QAccessible::Focus, current_);
}

void RotaryMenu::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void RotaryMenu::setHovered(int index) {
  if (hovered_ != index) {
    hovered_ = index;
    update();
  }
}

void RotaryMenu::activate(int index) {
  if (valid(index) && isEnabled()) {
    emit itemClicked(index);
  }
}

// ---- accessibility ---------------------------------------------------------------------------

namespace detail {

class RotaryMenuAccessible : public ItemHostAccessible {
 public:
  explicit RotaryMenuAccessible(RotaryMenu* menu)
      : ItemHostAccessible(menu, QAccessible::ToolBar, QAccessible::PushButton) {}

  RotaryMenu* menu() const { return static_cast<RotaryMenu*>(widget()); }

  int itemCount() const override { return menu()->count(); }
  QString itemName(int index) const override { return menu()->itemCaption(index).simplified(); }
  QRect itemRect(int index) const override { return menu()->itemRect(index); }
  int currentItem() const override { return menu()->currentIndex(); }
  void activateItem(int index) override {
    menu()->setCurrentIndex(index);
    menu()->activate(index);
  }
  void focusItem(int index) override {
    menu()->setFocus(Qt::OtherFocusReason);
    menu()->setCurrentIndex(index);
  }
};

QAccessibleInterface* createRotaryMenuAccessible(QWidget* widget) {
  auto* menu = qobject_cast<RotaryMenu*>(widget);
  return menu != nullptr ? new RotaryMenuAccessible(menu) : nullptr;
}

}  // namespace detail

}  // namespace controls
