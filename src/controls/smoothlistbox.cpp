#include "controls/smoothlistbox.h"

#include "controls/accessibility.h"
#include "controls/controls_p.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace controls {

namespace {

constexpr int kScrollBarWidth = 10;
constexpr int kRowPadding = 8;
constexpr int kGraphicSide = 32;
constexpr int kGraphicLeft = 15;  // left graphic's distance from the row's left edge
constexpr int kBarWidth = 70;
constexpr int kBarHeight = 8;
constexpr int kDeleteMinWidth = 36;

const QColor kBodyTop(0xFF, 0xFF, 0xFF);
const QColor kBodyBottom(0xF6, 0xF8, 0xFB);
const QColor kBorder(0x9F, 0xB1, 0xC6);
const QColor kBandTop(0xE6, 0xED, 0xF6);
const QColor kBandBottom(0xD2, 0xDE, 0xEC);
const QColor kBandLine(0xB3, 0xC3, 0xD6);
const QColor kText(0x1D, 0x26, 0x33);
const QColor kNoteText(0x5A, 0x66, 0x75);

QFont scaled(const QFont& base, qreal factor) {
  QFont font = base;
  if (base.pointSizeF() > 0) {
    font.setPointSizeF(std::max(6.5, base.pointSizeF() * factor));
  } else if (base.pixelSize() > 0) {
    font.setPixelSize(std::max(8, static_cast<int>(base.pixelSize() * factor)));
  }
  return font;
}

QFont captionFont(const QFont& base) {
  QFont font = base;
  font.setWeight(QFont::DemiBold);
  return font;
}

QFont noteFont(const QFont& base) {
  return scaled(base, 0.9);
}

QFont smallFont(const QFont& base) {
  return scaled(base, 0.85);
}

QFont bandFont(const QFont& base) {
  QFont font = base;
  font.setBold(true);
  return font;
}

int deleteButtonWidth(const QFont& base, const QString& caption) {
  return std::max(kDeleteMinWidth, QFontMetrics(smallFont(base)).horizontalAdvance(caption) + 16);
}

}  // namespace

SmoothListBox::SmoothListBox(QWidget* parent)
    : QWidget(parent), deleteCaption_(QStringLiteral("Delete")) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

  scrollBar_ = new QScrollBar(Qt::Vertical, this);
  scrollBar_->setFocusPolicy(Qt::NoFocus);
  scrollBar_->setCursor(Qt::ArrowCursor);
  // A slim, quiet bar that matches the rounded look instead of the platform's chunky one.
  scrollBar_->setStyleSheet(QStringLiteral(
      "QScrollBar:vertical { background: transparent; width: 10px; margin: 2px 2px 2px 0; }"
      "QScrollBar::handle:vertical { background: #b4c3d5; border-radius: 3px;"
      " min-height: 24px; }"
      "QScrollBar::handle:vertical:hover { background: #94a9c2; }"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
  scrollBar_->hide();
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this] {
    updateHover(mapFromGlobal(QCursor::pos()));
    update();
  });
}

void SmoothListBox::setHeaderCaption(const QString& caption) {
  if (header_ == caption) {
    return;
  }
  const bool heightChanges = header_.isEmpty() != caption.isEmpty();
  header_ = caption;
  if (heightChanges) {
    updateScrollBar();
  }
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void SmoothListBox::setFooterCaption(const QString& caption) {
  if (footer_ == caption) {
    return;
  }
  const bool heightChanges = footer_.isEmpty() != caption.isEmpty();
  footer_ = caption;
  if (heightChanges) {
    updateScrollBar();
  }
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void SmoothListBox::setDeleteButtonCaption(const QString& caption) {
  deleteCaption_ = caption;
  update();
}

int SmoothListBox::addItem(const SmoothListItem& item) {
  items_.append(item);
  itemsChanged(false);
  return count() - 1;
}

void SmoothListBox::setItems(const QVector<SmoothListItem>& items) {
  items_ = items;
  hovered_ = hoveredDelete_ = pressed_ = pressedDelete_ = -1;
  const bool hadSelection = selected_ >= 0;
  selected_ = -1;
  scrollBar_->setValue(0);
  itemsChanged(true);
  if (hadSelection) {
    emit selectionChanged(-1);
  }
}

void SmoothListBox::clear() {
  setItems({});
}

SmoothListItem SmoothListBox::item(int index) const {
  return valid(index) ? items_[index] : SmoothListItem();
}

void SmoothListBox::setItem(int index, const SmoothListItem& item) {
  if (!valid(index)) {
    return;
  }
  items_[index] = item;
  if (updateDepth_ == 0) {
    update();
  }
  detail::notifyItem(this, QAccessible::NameChanged, index);
}

void SmoothListBox::removeItem(int index) {
  if (!valid(index)) {
    return;
  }
  items_.removeAt(index);
  hovered_ = hoveredDelete_ = pressed_ = pressedDelete_ = -1;
  int selection = selected_;
  if (selected_ == index) {
    selection = -1;
  } else if (selected_ > index) {
    selection = selected_ - 1;
  }
  itemsChanged(true);
  if (selection != selected_) {
    selected_ = selection;
    emit selectionChanged(selected_);
  }
}

void SmoothListBox::beginUpdate() {
  ++updateDepth_;
}

void SmoothListBox::endUpdate() {
  if (updateDepth_ == 0) {
    return;
  }
  if (--updateDepth_ == 0) {
    itemsChanged(false);
  }
}

void SmoothListBox::itemsChanged(bool structural) {
  if (structural) {
    ++generation_;
  }
  if (updateDepth_ > 0) {
    return;
  }
  updateScrollBar();
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
}

void SmoothListBox::setSelectedIndex(int index) {
  if (!valid(index)) {
    index = -1;
  }
  select(index);
  if (index >= 0) {
    scrollToItem(index);
  }
}

void SmoothListBox::select(int index) {
  if (index == selected_) {
    return;
  }
  selected_ = index;
  update();
  if (index >= 0) {
    detail::notifyItem(this, QAccessible::Selection, index);
    if (hasFocus()) {
      detail::notifyItem(this, QAccessible::Focus, index);
    }
  } else if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::SelectionRemove);
    QAccessible::updateAccessibility(&event);
  }
  emit selectionChanged(index);
}

void SmoothListBox::userSelect(int index) {
  if (!valid(index)) {
    return;
  }
  select(index);
  scrollToItem(index);
  emit itemClicked(index);
}

void SmoothListBox::scrollToItem(int index) {
  if (!valid(index)) {
    return;
  }
  const int areaHeight = itemArea().height();
  const int top = index * rowHeight();
  const int bottom = top + rowHeight();
  if (top < scrollBar_->value()) {
    scrollBar_->setValue(top);
  } else if (bottom > scrollBar_->value() + areaHeight) {
    scrollBar_->setValue(bottom - areaHeight);
  }
}

int SmoothListBox::headerHeight() const {
  return header_.isEmpty() ? 0 : QFontMetrics(bandFont(font())).height() + 14;
}

int SmoothListBox::footerHeight() const {
  return footer_.isEmpty() ? 0 : QFontMetrics(bandFont(font())).height() + 14;
}

int SmoothListBox::rowHeight() const {
  if (rowHeight_ == 0) {
    const int text =
        QFontMetrics(captionFont(font())).height() + 2 + QFontMetrics(noteFont(font())).height();
    rowHeight_ = std::max(text, kGraphicSide) + 2 * kRowPadding;
  }
  return rowHeight_;
}

QRect SmoothListBox::itemArea() const {
  const int top = std::max(1, headerHeight());
  const int bottom = height() - std::max(1, footerHeight());
  return {1, top, std::max(0, width() - 2), std::max(0, bottom - top)};
}

QRect SmoothListBox::viewport() const {
  QRect area = itemArea();
  if (scrollBar_->isVisibleTo(this)) {
    area.setRight(area.right() - kScrollBarWidth);
  }
  return area;
}

void SmoothListBox::updateScrollBar() {
  const QRect area = itemArea();
  const qint64 content = qint64(count()) * rowHeight();
  const int maximum = static_cast<int>(std::clamp<qint64>(content - area.height(), 0, INT_MAX));
  scrollBar_->setRange(0, maximum);
  scrollBar_->setPageStep(std::max(1, area.height()));
  scrollBar_->setSingleStep(std::max(1, rowHeight() / 2));
  scrollBar_->setGeometry(area.right() - kScrollBarWidth + 1, area.top(), kScrollBarWidth,
                          area.height());
  scrollBar_->setVisible(maximum > 0);
}

QRect SmoothListBox::itemRect(int index) const {
  if (!valid(index)) {
    return {};
  }
  const QRect port = viewport();
  return {port.left(), port.top() + index * rowHeight() - scrollBar_->value(), port.width(),
          rowHeight()};
}

QRect SmoothListBox::deleteButtonRect(int index) const {
  if (!valid(index) || !items_[index].deleteButtonVisible) {
    return {};
  }
  const QRect row = itemRect(index);
  const QFontMetrics metrics(smallFont(font()));
  const int width = deleteButtonWidth(font(), deleteCaption_);
  const int height = std::min(row.height() - 2 * kRowPadding, metrics.height() + 8);
  return {row.right() - 10 - width + 1, row.top() + (row.height() - height) / 2, width, height};
}

int SmoothListBox::itemAt(const QPoint& pos) const {
  const QRect port = viewport();
  if (!port.contains(pos) || count() == 0) {
    return -1;
  }
  const int index = (pos.y() - port.top() + scrollBar_->value()) / rowHeight();
  return valid(index) ? index : -1;
}

QSize SmoothListBox::sizeHint() const {
  return {320, headerHeight() + footerHeight() + 5 * rowHeight() + 2};
}

QSize SmoothListBox::minimumSizeHint() const {
  return {120, headerHeight() + footerHeight() + rowHeight() + 2};
}

bool SmoothListBox::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = itemAt(help->pos());
    if (index >= 0 && !items_[index].hint.isEmpty()) {
      QToolTip::showText(help->globalPos(), items_[index].hint, this, itemRect(index));
      return true;
    }
    if (toolTip().isEmpty()) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
  }
  return QWidget::event(event);
}

void SmoothListBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  paintBands(painter);

  const QRect port = viewport();
  if (count() == 0 || port.isEmpty()) {
    return;
  }
  painter.save();
  painter.setClipRect(port.intersected(event->rect()));
  // Only the rows that meet the viewport are painted.
  const int first = std::max(0, scrollBar_->value() / rowHeight());
  const int last = std::min(count() - 1, (scrollBar_->value() + port.height()) / rowHeight());
  for (int i = first; i <= last; ++i) {
    paintRow(painter, i);
  }
  painter.restore();

  if (selected_ < 0 && detail::showsFocusRing(this)) {
    detail::paintFocusRing(painter, QRectF(port).adjusted(1, 1, -1, -1), 6.0, palette());
  }
}

void SmoothListBox::paintBands(QPainter& painter) const {
  const QRectF bounds(rect());
  const qreal radius = detail::cornerRadius(bounds, 8.0);
  detail::paintRoundedBody(painter, bounds, radius, kBodyTop, kBodyBottom, kBorder);

  painter.save();
  QPainterPath inside;
  inside.addRoundedRect(bounds.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
  painter.setClipPath(inside);
  const QFont font = bandFont(this->font());
  const QFontMetrics metrics(font);
  painter.setFont(font);
  auto paintBand = [&](const QRect& band, const QString& text, bool lineBelow) {
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0.0, isEnabled() ? kBandTop : detail::greyedOut(kBandTop));
    fill.setColorAt(1.0, isEnabled() ? kBandBottom : detail::greyedOut(kBandBottom));
    painter.fillRect(band, fill);
    painter.setPen(QPen(kBandLine, 1.0));
    const qreal y = lineBelow ? band.bottom() + 0.5 : band.top() + 0.5;
    painter.drawLine(QPointF(band.left(), y), QPointF(band.right() + 1, y));
    painter.setPen(isEnabled() ? kText : QColor(0x80, 0x84, 0x8a));
    const QRect textRect = band.adjusted(10, 0, -10, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(text, Qt::ElideRight, textRect.width()));
  };
  if (headerHeight() > 0) {
    paintBand(QRect(0, 0, width(), headerHeight()), header_, true);
  }
  if (footerHeight() > 0) {
    paintBand(QRect(0, height() - footerHeight(), width(), footerHeight()), footer_, false);
  }
  painter.restore();
}

void SmoothListBox::paintRow(QPainter& painter, int index) const {
  const SmoothListItem& item = items_[index];
  const QRect row = itemRect(index);
  const bool enabled = isEnabled();
  const QRectF highlight = QRectF(row).adjusted(4, 2, -4, -2);

  if (index == selected_) {
    const QColor top = enabled ? QColor(0xDD, 0xEC, 0xFC) : QColor(0xE4, 0xE6, 0xE9);
    const QColor bottom = enabled ? QColor(0xC3, 0xDB, 0xF6) : QColor(0xD6, 0xD9, 0xDD);
    detail::paintRoundedBody(painter, highlight, 7.0, top, bottom,
                             enabled ? QColor(0x86, 0xAC, 0xDA) : QColor(0xB0, 0xB4, 0xBA));
    if (detail::showsFocusRing(this)) {
      detail::paintFocusRing(painter, highlight.adjusted(-1, -1, 1, 1), 8.0, palette());
    }
  } else if (index == hovered_ && enabled) {
    detail::paintRoundedBody(painter, highlight, 7.0, QColor(0xF6, 0xFA, 0xFE),
                             QColor(0xEA, 0xF2, 0xFC), QColor(0xCB, 0xDB, 0xEE));
  }

  int left = row.left() + kGraphicLeft;
  if (!item.leftGraphic.isNull()) {
    const QRectF slot(left, row.top() + (row.height() - kGraphicSide) / 2.0, kGraphicSide,
                      kGraphicSide);
    detail::paintPicture(painter, item.leftGraphic, slot, false, enabled);
    left += kGraphicSide + 10;
  }

  // The delete button's column is kept free on every row, so the progress bars of rows
  // with and without a button line up.
  int right = row.right() - 10 - deleteButtonWidth(font(), deleteCaption_) - 10;
  const QRect deleteRect = deleteButtonRect(index);
  if (!deleteRect.isEmpty()) {
    const bool down = pressedDelete_ == index && hoveredDelete_ == index;
    const bool hot = hoveredDelete_ == index && enabled;
    const QColor top = down ? QColor(0xF1, 0xC9, 0xC9)
                            : (hot ? QColor(0xFF, 0xF2, 0xF2) : QColor(0xFF, 0xFF, 0xFF));
    const QColor bottom = down ? QColor(0xF7, 0xDD, 0xDD)
                               : (hot ? QColor(0xF8, 0xD9, 0xD9) : QColor(0xE9, 0xED, 0xF2));
    const QRectF button(deleteRect);
    detail::paintRoundedBody(painter, button, detail::cornerRadius(button, 6.0), top, bottom,
                             hot ? QColor(0xC7, 0x7D, 0x7D) : QColor(0xA9, 0xB4, 0xC1));
    const QFont font = smallFont(this->font());
    painter.setFont(font);
    painter.setPen(enabled ? QColor(0x9A, 0x1F, 0x1F) : QColor(0x90, 0x94, 0x9a));
    painter.drawText(
        button, Qt::AlignCenter | Qt::TextSingleLine,
        QFontMetrics(font).elidedText(deleteCaption_, Qt::ElideRight, deleteRect.width() - 6));
  }

  if (!item.rightGraphic.isNull()) {
    const QRectF slot(right - kGraphicSide + 1, row.top() + (row.height() - kGraphicSide) / 2.0,
                      kGraphicSide, kGraphicSide);
    detail::paintPicture(painter, item.rightGraphic, slot, false, enabled);
    right -= kGraphicSide + 8;
  }

  const int columnWidth = right - left + 1;
  if (columnWidth <= 4) {
    return;
  }
  const QFont caption = captionFont(font());
  const QFont note = noteFont(font());
  const QFont small = smallFont(font());
  const QFontMetrics captionMetrics(caption);
  const QFontMetrics noteMetrics(note);
  const QFontMetrics smallMetrics(small);

  // Second line: the note at the left, the progress bar and its text at the right.
  const bool hasNote = !item.note.isEmpty();
  int progressWidth = 0;
  int progressTextWidth = 0;
  int barWidth = 0;
  if (item.progress >= 0) {
    progressTextWidth = std::max(smallMetrics.horizontalAdvance(QStringLiteral("100%")),
                                 smallMetrics.horizontalAdvance(item.progressText));
    barWidth = std::clamp(columnWidth * 3 / 10, 24, kBarWidth + 20);
    progressWidth = barWidth + 6 + progressTextWidth;
    if (progressWidth > columnWidth * 4 / 5) {
      progressWidth = 0;  // no room for a readable bar
    }
  }
  const bool secondLine = hasNote || progressWidth > 0;
  const int secondHeight = std::max(noteMetrics.height(), smallMetrics.height());
  const int blockHeight = captionMetrics.height() + (secondLine ? 2 + secondHeight : 0);
  const int top = row.top() + (row.height() - blockHeight) / 2;

  painter.setFont(caption);
  painter.setPen(enabled ? kText : QColor(0x86, 0x8c, 0x94));
  painter.drawText(QRect(left, top, columnWidth, captionMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   captionMetrics.elidedText(item.caption, Qt::ElideRight, columnWidth));
  if (!secondLine) {
    return;
  }
  const QRect line(left, top + captionMetrics.height() + 2, columnWidth, secondHeight);
  if (hasNote) {
    const int noteWidth = columnWidth - (progressWidth > 0 ? progressWidth + 10 : 0);
    painter.setFont(note);
    painter.setPen(enabled ? kNoteText : QColor(0x9a, 0x9e, 0xa4));
    painter.drawText(QRect(line.left(), line.top(), noteWidth, line.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     noteMetrics.elidedText(item.note, Qt::ElideRight, noteWidth));
  }
  if (progressWidth == 0) {
    return;
  }
  const QRectF bar(line.right() + 1 - progressWidth,
                   line.top() + (line.height() - kBarHeight) / 2.0, barWidth, kBarHeight);
  painter.save();
  painter.setPen(QPen(QColor(0xB9, 0xC5, 0xD3), 1.0));
  painter.setBrush(QColor(0xE6, 0xEC, 0xF3));
  painter.drawRoundedRect(bar.adjusted(0.5, 0.5, -0.5, -0.5), kBarHeight / 2.0, kBarHeight / 2.0);
  const qreal fraction = std::clamp(item.progress, 0, 100) / 100.0;
  if (fraction > 0) {
    const QRectF filled(bar.left(), bar.top(), std::max(bar.height(), bar.width() * fraction),
                        bar.height());
    QLinearGradient fill(filled.topLeft(), filled.bottomLeft());
    const QColor accent = enabled ? QColor(0x3A, 0x83, 0xD0) : QColor(0xA0, 0xA4, 0xAA);
    fill.setColorAt(0.0, accent.lighter(135));
    fill.setColorAt(1.0, accent);
    painter.setPen(QPen(accent.darker(125), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(filled.adjusted(0.5, 0.5, -0.5, -0.5), kBarHeight / 2.0,
                            kBarHeight / 2.0);
  }
  painter.restore();
  painter.setFont(small);
  painter.setPen(enabled ? kText : QColor(0x90, 0x94, 0x9a));
  painter.drawText(QRect(int(bar.right()) + 6, line.top(), progressTextWidth + 2, line.height()),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, item.progressText);
}

void SmoothListBox::resizeEvent(QResizeEvent* event) {
  updateScrollBar();
  QWidget::resizeEvent(event);
}

void SmoothListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    rowHeight_ = 0;
    updateScrollBar();
    updateGeometry();
    update();
  } else if (event->type() == QEvent::EnabledChange) {
    update();
  }
  QWidget::changeEvent(event);
}

void SmoothListBox::updateHover(const QPoint& pos) {
  const int index = underMouse() ? itemAt(pos) : -1;
  const int onDelete = index >= 0 && deleteButtonRect(index).contains(pos) ? index : -1;
  if (index != hovered_ || onDelete != hoveredDelete_) {
    hovered_ = index;
    hoveredDelete_ = onDelete;
    update();
  }
}

void SmoothListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  const int index = itemAt(pos);
  if (index < 0) {
    return;
  }
  if (deleteButtonRect(index).contains(pos)) {
    pressedDelete_ = index;
    update();
    return;
  }
  pressed_ = index;
  select(index);
  scrollToItem(index);
}

void SmoothListBox::mouseMoveEvent(QMouseEvent* event) {
  updateHover(event->position().toPoint());
}

void SmoothListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  const int pressed = pressed_;
  const int pressedDelete = pressedDelete_;
  pressed_ = pressedDelete_ = -1;
  update();
  if (pressedDelete >= 0) {
    if (deleteButtonRect(pressedDelete).contains(pos)) {
      emit itemDeleteClicked(pressedDelete);
    }
  } else if (pressed >= 0 && itemAt(pos) == pressed) {
    emit itemClicked(pressed);
  }
}

void SmoothListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseDoubleClickEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  const int index = itemAt(pos);
  // A quick second click on a delete button is not a second delete: the first one may
  // already have removed the entry, and another entry would now be under the mouse.
  if (index < 0 || deleteButtonRect(index).contains(pos)) {
    return;
  }
  select(index);
  emit itemDoubleClicked(index);
}

void SmoothListBox::wheelEvent(QWheelEvent* event) {
  if (scrollBar_->isVisible()) {
    QCoreApplication::sendEvent(scrollBar_, event);
  } else {
    event->ignore();
  }
}

void SmoothListBox::leaveEvent(QEvent* event) {
  if (hovered_ != -1 || hoveredDelete_ != -1) {
    hovered_ = hoveredDelete_ = -1;
    update();
  }
  QWidget::leaveEvent(event);
}

void SmoothListBox::keyPressEvent(QKeyEvent* event) {
  if (count() == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int page = std::max(1, viewport().height() / rowHeight() - 1);
  const int last = count() - 1;
  int target = -2;  // -2: the key does not move the selection
  switch (event->key()) {
    case Qt::Key_Up:
      target = selected_ < 0 ? 0 : std::max(0, selected_ - 1);
      break;
    case Qt::Key_Down:
      target = selected_ < 0 ? 0 : std::min(last, selected_ + 1);
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = last;
      break;
    case Qt::Key_PageUp:
      target = selected_ < 0 ? 0 : std::max(0, selected_ - page);
      break;
    case Qt::Key_PageDown:
      target = selected_ < 0 ? 0 : std::min(last, selected_ + page);
      break;
    case Qt::Key_Space:
      if (selected_ >= 0 && !event->isAutoRepeat()) {
        emit itemClicked(selected_);
      }
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selected_ >= 0 && !event->isAutoRepeat()) {
        emit itemDoubleClicked(selected_);
      }
      event->accept();
      return;
    case Qt::Key_Delete:
      if (selected_ >= 0 && items_[selected_].deleteButtonVisible && !event->isAutoRepeat()) {
        emit itemDeleteClicked(selected_);
      }
      event->accept();
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
  if (target != selected_) {
    userSelect(target);
  } else {
    scrollToItem(target);
  }
  event->accept();
}

void SmoothListBox::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
  detail::notifyItem(this, QAccessible::Focus, selected_);
}

void SmoothListBox::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

// ---- accessibility ---------------------------------------------------------------------------

namespace detail {

class SmoothListBoxAccessible : public ItemHostAccessible {
 public:
  explicit SmoothListBoxAccessible(SmoothListBox* list)
      : ItemHostAccessible(list, QAccessible::List, QAccessible::ListItem) {}

  SmoothListBox* list() const { return static_cast<SmoothListBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && list()->accessibleName().isEmpty()) {
      return list()->headerCaption().simplified();
    }
    if (t == QAccessible::Description && list()->accessibleDescription().isEmpty()) {
      return list()->footerCaption().simplified();
    }
    return ItemHostAccessible::text(t);
  }

  int itemCount() const override { return list()->count(); }
  QString itemName(int index) const override {
    const SmoothListItem& item = list()->items_[index];
    QString name = item.caption.simplified();
    if (!item.note.trimmed().isEmpty()) {
      name += QLatin1String(", ") + item.note.simplified();
    }
    return name;
  }
  QString itemDescription(int index) const override {
    const SmoothListItem& item = list()->items_[index];
    if (item.progress < 0) {
      return {};
    }
    return item.progressText.isEmpty() ? QStringLiteral("%1%").arg(item.progress)
                                       : item.progressText;
  }
  QRect itemRect(int index) const override { return list()->itemRect(index); }
  int currentItem() const override { return list()->selectedIndex(); }
  bool itemSelectable() const override { return true; }
  bool itemSelected(int index) const override { return list()->selectedIndex() == index; }
  void activateItem(int index) override { list()->userSelect(index); }
  void focusItem(int index) override {
    list()->setFocus(Qt::OtherFocusReason);
    list()->userSelect(index);
  }
  quint64 itemGeneration() const override { return list()->generation_; }

  QStringList itemActionNames(int index) const override {
    QStringList names = ItemHostAccessible::itemActionNames(index);
    names << openAction();
    if (list()->items_[index].deleteButtonVisible) {
      names << deleteAction();
    }
    return names;
  }
  void doItemAction(int index, const QString& action) override {
    if (action == openAction()) {
      list()->select(index);
      emit list()->itemDoubleClicked(index);
    } else if (action == deleteAction()) {
      if (list()->items_[index].deleteButtonVisible) {
        emit list()->itemDeleteClicked(index);
      }
    } else {
      ItemHostAccessible::doItemAction(index, action);
    }
  }

 private:
  static QString openAction() { return QStringLiteral("Open"); }
  // Named like the button the sighted user sees.
  QString deleteAction() const {
    const QString caption = list()->deleteButtonCaption().simplified();
    return caption.isEmpty() ? QStringLiteral("Delete") : caption;
  }
};

QAccessibleInterface* createSmoothListBoxAccessible(QWidget* widget) {
  auto* list = qobject_cast<SmoothListBox*>(widget);
  return list != nullptr ? new SmoothListBoxAccessible(list) : nullptr;
}

}  // namespace detail

}  // namespace controls
