#include "controls/onoffslider.h"

#include "controls/accessibility.h"
#include "controls/controls_p.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace controls {

namespace {

const QColor kOnTop(0x63, 0xA8, 0xEA);
const QColor kOnBottom(0x2E, 0x77, 0xC2);
const QColor kOffTop(0xF5, 0xF7, 0xFA);
const QColor kOffBottom(0xD6, 0xDB, 0xE2);
const QColor kOffText(0x47, 0x51, 0x5E);
constexpr qreal kKnobInset = 3.0;
constexpr int kSlideMs = 140;

QColor mix(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace

OnOffSlider::OnOffSlider(QWidget* parent) : QWidget(parent) {
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  animation_ = new QVariantAnimation(this);
  animation_->setDuration(kSlideMs);
  animation_->setEasingCurve(QEasingCurve::OutCubic);
  connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    knob_ = value.toReal();
    update();
  });
}

void OnOffSlider::setOnCaption(const QString& caption) {
  onCaption_ = caption;
  updateGeometry();
  update();
}

void OnOffSlider::setOffCaption(const QString& caption) {
  offCaption_ = caption;
  updateGeometry();
  update();
}

void OnOffSlider::setOn(bool on) {
  change(on, false);
}

void OnOffSlider::change(bool on, bool byUser) {
  if (on_ == on) {
    return;
  }
  on_ = on;
  const qreal target = on ? 1.0 : 0.0;
  animation_->stop();
  if (isVisible()) {
    animation_->setStartValue(knob_);
    animation_->setEndValue(target);
    animation_->start();
  } else {
    knob_ = target;
  }
  update();
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
  emit toggled(on, byUser);
}

QSize OnOffSlider::sizeHint() const {
  const QFontMetricsF metrics(font());
  const qreal height = std::ceil(metrics.height()) + 12.0;
  const qreal knob = height - 2 * kKnobInset;
  const qreal text =
      std::max(metrics.horizontalAdvance(onCaption_), metrics.horizontalAdvance(offCaption_));
  const qreal width = knob + text + height * 0.5 + 14.0;
  return {static_cast<int>(std::ceil(std::max(width, height * 1.8))), static_cast<int>(height)};
}

QSize OnOffSlider::minimumSizeHint() const {
  return {32, 18};
}

QRectF OnOffSlider::trackRect() const {
  // A tall widget gets a pill of sensible proportions, centred, rather than a circle.
  const qreal width = std::max(0, this->width());
  const qreal height = std::min<qreal>(this->height(), std::max(12.0, width / 1.6));
  return {0.0, (this->height() - height) / 2.0, width, height};
}

void OnOffSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF track = trackRect();
  if (track.width() < 8 || track.height() < 8) {
    return;
  }
  const qreal radius = track.height() / 2.0;
  const bool enabled = isEnabled();

  QColor top = mix(kOffTop, kOnTop, knob_);
  QColor bottom = mix(kOffBottom, kOnBottom, knob_);
  if (!enabled) {
    top = detail::greyedOut(top);
    bottom = detail::greyedOut(bottom);
  } else if (hovered_) {
    top = top.lighter(106);
    bottom = bottom.lighter(104);
  }
  detail::paintRoundedBody(painter, track, radius, top, bottom, bottom.darker(135));
  if (detail::showsFocusRing(this)) {
    detail::paintFocusRing(painter, track, radius, palette());
  }

  const qreal knobSize = track.height() - 2 * kKnobInset;
  const qreal travel = track.width() - 2 * kKnobInset - knobSize;
  const QRectF knob(track.left() + kKnobInset + travel * knob_, track.top() + kKnobInset, knobSize,
                    knobSize);

  // The caption of the current position fills the side the knob has left.
  const QString caption = on_ ? onCaption_ : offCaption_;
  const qreal sideInset = radius * 0.55;
  const QRectF textRect =
      on_ ? QRectF(track.left() + sideInset, track.top(),
                   std::max(0.0, knob.left() - 3.0 - track.left() - sideInset), track.height())
          : QRectF(knob.right() + 3.0, track.top(),
                   std::max(0.0, track.right() - sideInset - knob.right() - 3.0), track.height());
  painter.setFont(font());
  const QFontMetricsF metrics(font());
  painter.setPen(!enabled ? QColor(0x80, 0x84, 0x8a) : (on_ ? QColor(Qt::white) : kOffText));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
                   metrics.elidedText(caption, Qt::ElideRight, textRect.width()));

  QRadialGradient knobFill(knob.center() - QPointF(knobSize * 0.2, knobSize * 0.25),
                           knobSize * 0.8);
  knobFill.setColorAt(0.0, Qt::white);
  knobFill.setColorAt(1.0, pressed_ ? QColor(0xD7, 0xDD, 0xE5) : QColor(0xE8, 0xEC, 0xF1));
  painter.setPen(QPen(QColor(0, 0, 0, enabled ? 70 : 40), 1.0));
  painter.setBrush(knobFill);
  painter.drawEllipse(knob.adjusted(0.5, 0.5, -0.5, -0.5));
}

void OnOffSlider::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    updateGeometry();
  }
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) {
    update();
  }
  QWidget::changeEvent(event);
}

void OnOffSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = true;
  update();
}

void OnOffSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const bool wasPressed = pressed_;
  pressed_ = false;
  update();
  if (wasPressed && rect().contains(event->position().toPoint())) {
    change(!on_, true);
  }
}

void OnOffSlider::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat()) {
        change(!on_, true);
      }
      event->accept();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void OnOffSlider::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QWidget::enterEvent(event);
}

void OnOffSlider::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QWidget::leaveEvent(event);
}

// ---- accessibility ---------------------------------------------------------------------------

namespace detail {

class OnOffSliderAccessible : public QAccessibleWidget {
 public:
  explicit OnOffSliderAccessible(OnOffSlider* slider)
      : QAccessibleWidget(slider, QAccessible::CheckBox) {}

  OnOffSlider* slider() const { return static_cast<OnOffSlider*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && slider()->accessibleName().isEmpty()) {
      return slider()->isOn() ? slider()->onCaption() : slider()->offCaption();
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = slider()->isOn();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (slider()->isEnabled()) {
      names << QAccessibleActionInterface::toggleAction()
            << QAccessibleActionInterface::pressAction();
    }
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::toggleAction() ||
        action == QAccessibleActionInterface::pressAction()) {
      if (slider()->isEnabled()) {
        slider()->change(!slider()->isOn(), true);
      }
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == QAccessibleActionInterface::toggleAction()) {
      return {QStringLiteral("Space")};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
  }
};

QAccessibleInterface* createOnOffSliderAccessible(QWidget* widget) {
  auto* slider = qobject_cast<OnOffSlider*>(widget);
  return slider != nullptr ? new OnOffSliderAccessible(slider) : nullptr;
}

}  // namespace detail

}  // namespace controls
