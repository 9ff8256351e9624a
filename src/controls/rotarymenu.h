#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>

namespace controls {

namespace detail {
class RotaryMenuAccessible;
}

// A round dial with four items around its rim. The dial rests turned to its stop angle:
// item 0 sits at that angle and items 1 to 3 follow clockwise, a quarter turn apart.
// Clicking an item's segment activates it; Left/Right (or Up/Down) move the keyboard focus between
// the items and Enter or Space activate the focused one.
class RotaryMenu : public QWidget {
  Q_OBJECT
  Q_PROPERTY(double stopAngle READ stopAngle WRITE setStopAngle)
  Q_PROPERTY(QColor color READ color WRITE setColor)

 public:
  static constexpr int kItemCount = 4;

  explicit RotaryMenu(QWidget* parent = nullptr);

  int count() const { return kItemCount; }
  QString itemCaption(int index) const;
  void setItemCaption(int index, const QString& caption);

  // The resting angle in degrees, counter-clockwise from three o'clock (default 245).
  double stopAngle() const { return stopAngle_; }
  void setStopAngle(double degrees);

  QColor color() const { return color_; }
  void setColor(const QColor& color);

  // The item the keyboard is on; -1 before the menu first had the focus.
  int currentIndex() const { return current_; }
  void setCurrentIndex(int index);

  // The caption area of item `index` in widget coordinates (a click there activates it).
  QRect itemRect(int index) const;
  // The item whose segment contains `pos`, or -1 (the hub and the corners belong to none).
  int itemAt(const QPoint& pos) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void itemClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class detail::RotaryMenuAccessible;

  bool valid(int index) const { return index >= 0 && index < kItemCount; }
  QRectF dialRect() const;
  double itemAngle(int index) const;
  // Finds the caption font and the caption areas: every caption upright, inside its own
  // quarter of the ring, clear of the rim and the hub.
  void ensureLayout() const;
  void invalidateLayout();
  void setHovered(int index);
  void activate(int index);

  std::array<QString, kItemCount> captions_;
  QColor color_{0xA6, 0xCA, 0xF0};
  double stopAngle_ = 245.0;
  int current_ = -1;
  int hovered_ = -1;
  int pressed_ = -1;
  mutable bool layoutDirty_ = true;
  mutable QFont captionFont_;
  mutable std::array<QRectF, kItemCount> captionRects_;
};

}  // namespace controls
