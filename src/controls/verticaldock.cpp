#include "controls/verticaldock.h"

#include "controls/accessibility.h"
#include "controls/controls_p.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace controls {

namespace {

constexpr int kPictureSide = 80;
constexpr int kSmallestPicture = 24;
constexpr int kSmallestSpacing = 4;
constexpr int kMargin = 6;       // between the dock's edge and its items
constexpr int kItemPadding = 6;  // between an item's highlight and its content
constexpr int kCaptionGap = 4;   // between picture and caption

const QColor kPanelTop(0xF4, 0xF8, 0xFD);
const QColor kPanelBottom(0xDC, 0xE7, 0xF4);
const QColor kPanelBorder(0xA7, 0xBB, 0xD3);
const QColor kCaptionColor(0x1D, 0x26, 0x33);
const QColor kIndicatorFill(0xD9, 0x48, 0x1A);

}  // namespace

VerticalDock::VerticalDock(QWidget* parent)
    : QWidget(parent), statusDescription_(QStringLiteral("current")) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

int VerticalDock::addItem(const QPixmap& picture, const QString& caption) {
  items_.append(Item{picture, caption, false});
  invalidateLayout();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
  return count() - 1;
}

QString VerticalDock::itemCaption(int index) const {
  return valid(index) ? items_[index].caption : QString();
}

void VerticalDock::setItemCaption(int index, const QString& caption) {
  if (!valid(index) || items_[index].caption == caption) {
    return;
  }
  items_[index].caption = caption;
  invalidateLayout();
  detail::notifyItem(this, QAccessible::NameChanged, index);
}

QPixmap VerticalDock::itemPicture(int index) const {
  return valid(index) ? items_[index].picture : QPixmap();
}

void VerticalDock::setItemPicture(int index, const QPixmap& picture) {
  if (!valid(index)) {
    return;
  }
  items_[index].picture = picture;
  update();
}

bool VerticalDock::itemStatusVisible(int index) const {
  return valid(index) && items_[index].statusVisible;
}

void VerticalDock::setItemStatusVisible(int index, bool visible) {
  if (!valid(index) || items_[index].statusVisible == visible) {
    return;
  }
  items_[index].statusVisible = visible;
  update();
  detail::notifyItem(this, QAccessible::DescriptionChanged, index);
}

void VerticalDock::setSpacing(int spacing) {
  spacing = std::max(0, spacing);
  if (spacing_ == spacing) {
    return;
  }
  spacing_ = spacing;
  invalidateLayout();
}

void VerticalDock::setCurrentIndex(int index) {
  if (!valid(index) || index == current_) {
    return;
  }
  current_ = index;
  update();
  if (hasFocus()) {
    detail::notifyItem(this, QAccessible::Focus, index);
  }
}

QRect VerticalDock::itemRect(int index) const {
  if (!valid(index)) {
    return {};
  }
  ensureLayout();
  return geometry_[index].item;
}

int VerticalDock::itemAt(const QPoint& pos) const {
  ensureLayout();
  for (int i = 0; i < geometry_.size(); ++i) {
    if (geometry_[i].item.contains(pos)) {
      return i;
    }
  }
  return -1;
}

QSize VerticalDock::sizeHint() const {
  // 150 pixels gives two-word captions room to sit on one or two lines under the pictures.
  const int width = 150;
  int height = 2 * kMargin;
  for (int i = 0; i < count(); ++i) {
    height += 2 * kItemPadding + kPictureSide + kCaptionGap +
              captionHeight(i, width - 2 * kMargin - 2 * kItemPadding);
  }
  height += spacing_ * std::max(0, count() - 1);
  return {width, std::max(height, 120)};
}

QSize VerticalDock::minimumSizeHint() const {
  return {kSmallestPicture + 4 * kMargin, 60};
}

void VerticalDock::invalidateLayout() {
  layoutDirty_ = true;
  updateGeometry();
  update();
}

int VerticalDock::captionHeight(int index, int width) const {
  const QString& caption = items_[index].caption;
  if (caption.isEmpty()) {
    return 0;
  }
  return fontMetrics()
      .boundingRect(QRect(0, 0, std::max(1, width), 100000), Qt::AlignHCenter | Qt::TextWordWrap,
                    caption)
      .height();
}

int VerticalDock::naturalHeight(int pictureSide, int spacing) const {
  const int captionWidth = width() - 2 * kMargin - 2 * kItemPadding;
  int height = 2 * kMargin + spacing * std::max(0, count() - 1);
  for (int i = 0; i < count(); ++i) {
    height += 2 * kItemPadding + pictureSide + kCaptionGap + captionHeight(i, captionWidth);
  }
  return height;
}

void VerticalDock::ensureLayout() const {
  if (!layoutDirty_ && geometry_.size() == count()) {
    return;
  }
  layoutDirty_ = false;
  geometry_.resize(count());
  if (count() == 0) {
    return;
  }
  const int itemWidth = std::max(1, width() - 2 * kMargin);
  const int captionWidth = std::max(1, itemWidth - 2 * kItemPadding);

  // A dock too short for everything gives up spacing first, then picture size.
  int side = std::min(kPictureSide, std::max(kSmallestPicture, captionWidth));
  int spacing = spacing_;
  const int gaps = std::max(1, count() - 1);
  if (naturalHeight(side, spacing) > height()) {
    spacing = std::max(std::min(spacing_, kSmallestSpacing),
                       spacing - (naturalHeight(side, spacing) - height() + gaps - 1) / gaps);
  }
  while (side > kSmallestPicture && naturalHeight(side, spacing) > height()) {
    side -= 2;
  }

  const int total = naturalHeight(side, spacing);
  int y = std::max(kMargin, (height() - total) / 2 + kMargin);
  for (int i = 0; i < count(); ++i) {
    const int textHeight = captionHeight(i, captionWidth);
    Geometry& g = geometry_[i];
    g.item = QRect(kMargin, y, itemWidth, 2 * kItemPadding + side + kCaptionGap + textHeight);
    g.picture = QRect(kMargin + (itemWidth - side) / 2, y + kItemPadding, side, side);
    g.caption = QRect(kMargin + kItemPadding, g.picture.bottom() + 1 + kCaptionGap, captionWidth,
                      textHeight);
    y = g.item.bottom() + 1 + spacing;
  }
}

void VerticalDock::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF bounds(rect());
  detail::paintRoundedBody(painter, bounds, detail::cornerRadius(bounds, 10.0), kPanelTop,
                           kPanelBottom, kPanelBorder);
  ensureLayout();
  for (int i = 0; i < count(); ++i) {
    paintItem(painter, i);
  }
}

void VerticalDock::paintItem(QPainter& painter, int index) const {
  const Item& item = items_[index];
  const Geometry& g = geometry_[index];
  const QRectF box(g.item);
  const qreal radius = detail::cornerRadius(box, 10.0);
  const bool enabled = isEnabled();

  if (enabled && index == pressed_ && index == hovered_) {
    detail::paintRoundedBody(painter, box, radius, QColor(0xB9, 0xD0, 0xEB),
                             QColor(0xCB, 0xDC, 0xF0), QColor(0x8F, 0xAD, 0xD1));
  } else if (enabled && index == hovered_) {
    detail::paintRoundedBody(painter, box, radius, QColor(255, 255, 255, 235),
                             QColor(0xE8, 0xF1, 0xFB, 235), QColor(0x9D, 0xB8, 0xD9));
  }
  if (index == current_ && detail::showsFocusRing(this)) {
    detail::paintFocusRing(painter, box, radius, palette());
  }

  if (!item.picture.isNull()) {
    detail::paintPicture(painter, item.picture, QRectF(g.picture), true, enabled);
  } else {
    // No artwork: a soft tile with the caption's first letter keeps the item recognisable.
    const QColor tile =
        enabled ? QColor(0xA6, 0xCA, 0xF0) : detail::greyedOut(QColor(0xA6, 0xCA, 0xF0));
    const QRectF tileRect(g.picture);
    detail::paintRoundedBody(painter, tileRect, detail::cornerRadius(tileRect, 14.0),
                             tile.lighter(120), tile.darker(105), tile.darker(150));
    QFont letterFont = font();
    letterFont.setBold(true);
    letterFont.setPixelSize(std::max(8, g.picture.height() / 2));
    painter.setFont(letterFont);
    painter.setPen(detail::textColorOn(tile));
    painter.drawText(tileRect, Qt::AlignCenter, item.caption.trimmed().left(1).toUpper());
  }

  painter.setFont(font());
  painter.setPen(enabled ? kCaptionColor : QColor(0x86, 0x8c, 0x94));
  painter.drawText(g.caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.caption);

  if (item.statusVisible) {
    const qreal diameter = std::clamp(g.picture.width() / 4.0, 14.0, 22.0);
    QRectF bubble(0, 0, diameter, diameter);
    bubble.moveCenter(QPointF(g.picture.right() + 1 - diameter / 2.0 + 5.0,
                              g.picture.top() + diameter / 2.0 - 5.0));
    // Keep the whole bubble inside the dock, however narrow it gets.
    bubble.moveRight(std::min(bubble.right(), qreal(width()) - 2.0));
    bubble.moveTop(std::max(bubble.top(), 2.0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor fill = enabled ? kIndicatorFill : detail::greyedOut(kIndicatorFill);
    QLinearGradient gradient(bubble.topLeft(), bubble.bottomLeft());
    gradient.setColorAt(0.0, fill.lighter(130));
    gradient.setColorAt(1.0, fill);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(gradient);
    painter.drawEllipse(bubble.adjusted(0.75, 0.75, -0.75, -0.75));
    // An asterisk sits high in its line; centre the glyph's ink rather than its line box.
    QFont starFont = font();
    starFont.setBold(true);
    starFont.setPixelSize(std::max(8, static_cast<int>(diameter * 0.9)));
    QPainterPath star;
    star.addText(0, 0, starFont, QStringLiteral("*"));
    star.translate(bubble.center() - star.boundingRect().center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(star);
    painter.restore();
  }
}

void VerticalDock::resizeEvent(QResizeEvent* event) {
  layoutDirty_ = true;
  QWidget::resizeEvent(event);
}

void VerticalDock::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    invalidateLayout();
  } else if (event->type() == QEvent::EnabledChange) {
    update();
  }
  QWidget::changeEvent(event);
}

void VerticalDock::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = itemAt(event->position().toPoint());
  update();
}

void VerticalDock::mouseMoveEvent(QMouseEvent* event) {
  setHovered(itemAt(event->position().toPoint()));
}

void VerticalDock::mouseReleaseEvent(QMouseEvent* event) {
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

void VerticalDock::leaveEvent(QEvent* event) {
  setHovered(-1);
  QWidget::leaveEvent(event);
}

void VerticalDock::keyPressEvent(QKeyEvent* event) {
  if (count() == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int current = std::max(0, current_);
  int target = -1;
  switch (event->key()) {
    case Qt::Key_Up:
      target = current_ < 0 ? 0 : std::max(0, current - 1);
      break;
    case Qt::Key_Down:
      target = current_ < 0 ? 0 : std::min(count() - 1, current + 1);
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = count() - 1;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) {
        setCurrentIndex(current);
        activate(current);
      }
      event->accept();
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  // Moving with the keys is keyboard navigation: let the focus ring show.
  window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
  setCurrentIndex(target);
  event->accept();
}

void VerticalDock::focusInEvent(QFocusEvent* event) {
  if (current_ < 0 && count() > 0) {
    current_ = 0;
  }
  update();
  QWidget::focusInEvent(event);
  detail::notifyItem(this, QAccessible::Focus, current_);
}

void VerticalDock::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void VerticalDock::setHovered(int index) {
  if (hovered_ != index) {
    hovered_ = index;
    update();
  }
}

void VerticalDock::activate(int index) {
  if (valid(index) && isEnabled()) {
    emit itemClicked(index);
  }
}

// ---- accessibility ---------------------------------------------------------------------------

namespace detail {

class VerticalDockAccessible : public ItemHostAccessible {
 public:
  explicit VerticalDockAccessible(VerticalDock* dock)
      : ItemHostAccessible(dock, QAccessible::ToolBar, QAccessible::PushButton) {}

  VerticalDock* dock() const { return static_cast<VerticalDock*>(widget()); }

  int itemCount() const override { return dock()->count(); }
  QString itemName(int index) const override { return dock()->itemCaption(index).simplified(); }
  QString itemDescription(int index) const override {
    return dock()->itemStatusVisible(index) ? dock()->statusDescription() : QString();
  }
  QRect itemRect(int index) const override { return dock()->itemRect(index); }
  int currentItem() const override { return dock()->currentIndex(); }
  void activateItem(int index) override {
    dock()->setCurrentIndex(index);
    dock()->activate(index);
  }
  void focusItem(int index) override {
    dock()->setFocus(Qt::OtherFocusReason);
    dock()->setCurrentIndex(index);
  }
};

QAccessibleInterface* createVerticalDockAccessible(QWidget* widget) {
  auto* dock = qobject_cast<VerticalDock*>(widget);
  return dock != nullptr ? new VerticalDockAccessible(dock) : nullptr;
}

}  // namespace detail

}  // namespace controls
