#include "controls/roundbutton.h"

#include "controls/accessibility.h"
#include "controls/controls_p.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace controls {

namespace {

// Badges stand out from every button colour the program uses (sky blue, light yellow,
// black) and mark something that needs the user's attention.
const QColor kBadgeFill(0xA8, 0x1E, 0x28);
constexpr qreal kGap = 6.0;

qreal paddingFor(const QRectF& bounds) {
  return std::clamp(std::min(bounds.width(), bounds.height()) / 8.0, 2.0, 7.0);
}

// The height `text` needs when wrapped to `width`.
qreal wrappedHeight(const QFontMetricsF& metrics, qreal width, const QString& text) {
  return metrics
      .boundingRect(QRectF(0, 0, std::max<qreal>(1.0, width), 1e6), Qt::TextWordWrap, text)
      .height();
}

}  // namespace

RoundButton::RoundButton(QWidget* parent) : QAbstractButton(parent) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void RoundButton::setColor(const QColor& color) {
  if (color_ == color) {
    return;
  }
  color_ = color;
  update();
}

void RoundButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  updateGeometry();
  update();
}

void RoundButton::setPictureLayout(PictureLayout layout) {
  if (pictureLayout_ == layout) {
    return;
  }
  pictureLayout_ = layout;
  updateGeometry();
  update();
}

void RoundButton::setStatusCaption(const QString& caption) {
  if (statusCaption_ == caption) {
    return;
  }
  statusCaption_ = caption;
  updateGeometry();
  update();
  notifyDescriptionChanged();
}

void RoundButton::setStatusVisible(bool visible) {
  if (statusVisible_ == visible) {
    return;
  }
  statusVisible_ = visible;
  update();
  notifyDescriptionChanged();
}

bool RoundButton::badgeShown() const {
  return statusVisible_ && !statusCaption_.trimmed().isEmpty();
}

void RoundButton::notifyDescriptionChanged() {
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

QSize RoundButton::sizeHint() const {
  const QFontMetricsF metrics(font());
  const QString caption = text().trimmed();
  const QRectF textBox = caption.isEmpty() || pictureLayout_ == PictureLayout::Only
                             ? QRectF()
                             : metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, caption);
  QSizeF pictureSize = picture_.isNull() ? QSizeF() : picture_.deviceIndependentSize();
  if (pictureLayout_ != PictureLayout::Only) {
    // Beside a caption, a picture reads as an icon; keep large artwork from inflating it.
    pictureSize = QSizeF(detail::fitInto(pictureSize.toSize(), QSize(48, 48), false));
  }
  const qreal pad = 8.0;
  qreal width = 0;
  qreal height = 0;
  const bool both = !pictureSize.isEmpty() && !textBox.isEmpty();
  if (pictureLayout_ == PictureLayout::Top) {
    width = std::max(pictureSize.width(), textBox.width());
    height = pictureSize.height() + textBox.height() + (both ? kGap : 0);
  } else {
    width = pictureSize.width() + textBox.width() + (both ? kGap : 0);
    height = std::max(pictureSize.height(), textBox.height());
  }
  width += 2 * pad + (textBox.isEmpty() ? 0 : 12);
  height += 2 * pad;
  // Room for the badge whether or not it shows, so showing it never makes layouts jump.
  if (!statusCaption_.trimmed().isEmpty()) {
    const QSizeF badge = detail::pillSize(detail::badgeFont(font()), statusCaption_.trimmed());
    height += badge.height() / 2;
    width = std::max(width, badge.width() + 2 * pad);
  }
  return {std::max(32, static_cast<int>(std::ceil(width))),
          std::max(28, static_cast<int>(std::ceil(height)))};
}

QSize RoundButton::minimumSizeHint() const {
  return {16, 16};
}

void RoundButton::setCaptionAlignment(Qt::Alignment alignment) {
  if (captionAlignment_ == alignment)
    return;
  captionAlignment_ = alignment;
  update();
}

void RoundButton::paintEvent(QPaintEvent*) {
  using namespace detail;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF bounds(rect());
  const qreal radius = cornerRadius(bounds, 8.0);

  const bool enabled = isEnabled();
  const bool sunken = isDown() || isChecked();
  const QColor base = enabled ? color_ : greyedOut(color_);
  QColor top;
  QColor bottom;
  if (!enabled) {
    top = base.lighter(106);
    bottom = base.darker(104);
  } else if (sunken) {
    top = base.darker(118);
    bottom = base.darker(103);
  } else if (hovered_) {
    top = base.lighter(138);
    bottom = base.lighter(106);
  } else {
    top = base.lighter(124);
    bottom = base.darker(104);
  }
  // Pure black stays black under lighter(); give dark buttons a visible sheen instead.
  if (base.lightness() < 40 && enabled) {
    top = QColor(0x3a, 0x3f, 0x47);
    bottom = sunken ? QColor(0x22, 0x25, 0x2a) : base;
    if (hovered_ && !sunken) {
      top = QColor(0x4a, 0x50, 0x5a);
    }
  }
  paintRoundedBody(painter, bounds, radius, top, bottom, base.darker(enabled ? 155 : 125));
  if (showsFocusRing(this)) {
    paintFocusRing(painter, bounds, radius, palette());
  }

  const qreal pad = paddingFor(bounds);
  const QMargins margins = contentsMargins();
  QRectF content = bounds.adjusted(pad + margins.left(), pad + margins.top(),
                                   -pad - margins.right(), -pad - margins.bottom());

  // The badge sits in the top-right corner and the content moves out of its way: to its left
  // when the content still fits there on one line (it stays vertically centred), else below
  // it when a line of text fits there; a button too small for either lets the content run
  // under the badge, starting from the left so as little as possible is covered.
  const QString caption = pictureLayout_ == PictureLayout::Only ? QString() : text().trimmed();
  const QFontMetricsF metrics(font());
  Qt::Alignment captionAlignment = captionAlignment_;
  if (badgeShown()) {
    const QFont font = badgeFont(this->font());
    const QString badge = statusCaption_.trimmed();
    QSizeF size = pillSize(font, badge);
    size.setWidth(std::min(size.width(), bounds.width() - 6.0));
    size.setHeight(std::min(size.height(), bounds.height() - 6.0));
    const QRectF pill(bounds.right() - 3.0 - size.width(), bounds.top() + 3.0, size.width(),
                      size.height());
    // A picture above the caption or alone wants the whole width, never the side room.
    const bool besideBadge = picture_.isNull() || pictureLayout_ == PictureLayout::Left;
    qreal needed = caption.isEmpty() ? 0.0 : metrics.horizontalAdvance(caption) + 2.0;
    if (!picture_.isNull() && besideBadge) {
      needed += std::min<qreal>(picture_.deviceIndependentSize().width(), content.height()) +
                (caption.isEmpty() ? 0.0 : kGap);
    }
    if (besideBadge && needed <= pill.left() - 2.0 - content.left()) {
      content.setRight(pill.left() - 2.0);
    } else if (content.bottom() - pill.bottom() - 1.0 >= metrics.height()) {
      content.setTop(std::max(content.top(), pill.bottom() + 1.0));
    } else {
      captionAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
    paintPill(painter, pill, enabled ? kBadgeFill : greyedOut(kBadgeFill).darker(130), font, badge);
  }
  if (content.width() < 2 || content.height() < 2) {
    return;
  }

  painter.setFont(font());
  painter.setPen(enabled ? textColorOn(base) : QColor(0x7c, 0x80, 0x86));

  if (picture_.isNull() || (caption.isEmpty() && pictureLayout_ != PictureLayout::Only)) {
    if (picture_.isNull()) {
      drawWrappedText(painter, content, captionAlignment, caption);
    } else {
      paintPicture(painter, picture_, content, false, enabled);
    }
    return;
  }

  switch (pictureLayout_) {
    case PictureLayout::Only:
      paintPicture(painter, picture_, content, true, enabled);
      break;

    case PictureLayout::Left: {
      const qreal side = std::min(content.height(), content.width() * 0.45);
      const QSizeF pictureSize(
          fitInto(picture_.deviceIndependentSize().toSize(), QSize(int(side), int(side)), false));
      const qreal textRoom = content.width() - pictureSize.width() - kGap;
      const qreal textWidth = std::min(
          textRoom, metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, caption).width() + 1.0);
      // Centre picture and caption as one group; a long caption takes all the room left.
      const qreal groupWidth = pictureSize.width() + kGap + textWidth;
      const qreal left = content.left() + std::max(0.0, (content.width() - groupWidth) / 2.0);
      const QRectF pictureBox(left, content.top(), pictureSize.width(), content.height());
      paintPicture(painter, picture_, pictureBox, false, enabled);
      const QRectF textRect(pictureBox.right() + kGap, content.top(),
                            std::max(0.0, content.right() - pictureBox.right() - kGap),
                            content.height());
      drawWrappedText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
      break;
    }

    case PictureLayout::Top: {
      const qreal textHeight = std::min(wrappedHeight(metrics, content.width(), caption),
                                        std::max(metrics.height(), content.height() / 2.0));
      const QSize box(int(content.width()), int(content.height() - textHeight - kGap));
      const QSizeF pictureSize(fitInto(picture_.deviceIndependentSize().toSize(), box, false));
      const qreal groupHeight = pictureSize.height() + kGap + textHeight;
      const qreal top = content.top() + std::max(0.0, (content.height() - groupHeight) / 2.0);
      const QRectF pictureBox(content.left(), top, content.width(), pictureSize.height());
      paintPicture(painter, picture_, pictureBox, false, enabled);
      const QRectF textRect(content.left(), pictureBox.bottom() + kGap, content.width(),
                            std::max(textHeight, content.bottom() - pictureBox.bottom() - kGap));
      drawWrappedText(painter, textRect, Qt::AlignHCenter | Qt::AlignTop, caption);
      break;
    }
  }
}

void RoundButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) {
      click();
    }
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void RoundButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void RoundButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

// ---- accessibility ---------------------------------------------------------------------------

namespace detail {

namespace {

class RoundButtonAccessible : public QAccessibleWidget {
 public:
  explicit RoundButtonAccessible(RoundButton* button)
      : QAccessibleWidget(button, QAccessible::PushButton) {}

  RoundButton* button() const { return static_cast<RoundButton*>(widget()); }

  QString text(QAccessible::Text t) const override {
    RoundButton* b = button();
    switch (t) {
      case QAccessible::Name: {
        if (!b->accessibleName().isEmpty()) {
          return b->accessibleName();
        }
        const QString caption = b->pictureLayout() == RoundButton::PictureLayout::Only
                                    ? QString()
                                    : b->text().trimmed();
        if (!caption.isEmpty())
          return caption;
        // A button that shows only a picture is named by what else it says about itself.
        for (const QString& other : {b->hint().trimmed(), b->statusCaption().trimmed(),
                                     b->accessibleDescription().trimmed()}) {
          if (!other.isEmpty())
            return other;
        }
        return QString();
      }
      case QAccessible::Description: {
        QStringList parts;
        const QString name = text(QAccessible::Name);
        if (!b->accessibleDescription().isEmpty()) {
          parts << b->accessibleDescription();
        } else if (!b->hint().trimmed().isEmpty() && b->hint().trimmed() != name) {
          parts << b->hint().trimmed();
        }
        if (b->statusVisible() && !b->statusCaption().trimmed().isEmpty()) {
          parts << b->statusCaption().trimmed();
        }
        return parts.join(QLatin1String(", "));
      }
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    RoundButton* b = button();
    state.pressed = b->isDown();
    if (b->isCheckable()) {
      state.checkable = true;
      state.checked = b->isChecked();
    }
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (button()->isEnabled()) {
      names << QAccessibleActionInterface::pressAction();
    }
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::pressAction()) {
      if (button()->isEnabled()) {
        button()->click();
      }
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == QAccessibleActionInterface::pressAction()) {
      return {QStringLiteral("Space"), QStringLiteral("Return")};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
  }
};

}  // namespace

QAccessibleInterface* createRoundButtonAccessible(QWidget* widget) {
  auto* button = qobject_cast<RoundButton*>(widget);
  return button != nullptr ? new RoundButtonAccessible(button) : nullptr;
}

}  // namespace detail

}  // namespace controls
