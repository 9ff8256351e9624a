#include "controls/picturebox.h"

#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "controls/accessibility.h"

namespace controls {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  installAccessibility();
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool PictureBox::load(const QString& path) {
  QPixmap picture;
  if (!QFileInfo(path).isFile() || !picture.load(path)) {
    clear();
    return false;
  }
  picture_ = picture;
  path_ = path;
  update();
  return true;
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  path_.clear();
  update();
}

void PictureBox::clear() {
  picture_ = QPixmap();
  path_.clear();
  update();
}

QSize PictureBox::sizeHint() const {
  return picture_.isNull() ? QSize(160, 120) : picture_.size().boundedTo(QSize(400, 300));
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull())
    return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize scaled = picture_.size().scaled(size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                     scaled);
  painter.drawPixmap(target, picture_);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(text);
}

void LinkLabel::setText(const QString& text) {
  text_ = text;
  setAccessibleName(text);
  updateGeometry();
  update();
}

void LinkLabel::setColor(const QColor& color) {
  color_ = color;
  update();
}

QSize LinkLabel::sizeHint() const {
  QFont underlined = font();
  underlined.setUnderline(true);
  const QFontMetrics metrics(underlined);
  return {metrics.horizontalAdvance(text_) + 8, metrics.height() + 6};
}

void LinkLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont underlined = font();
  underlined.setUnderline(true);
  painter.setFont(underlined);
  painter.setPen(isEnabled() ? color_ : palette().color(QPalette::Disabled, QPalette::Text));
  const QRect area = rect().adjusted(4, 0, -4, 0);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text_);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace controls
