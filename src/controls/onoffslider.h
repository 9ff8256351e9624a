#pragma once

#include <QString>
#include <QWidget>

class QVariantAnimation;

namespace controls {

namespace detail {
class OnOffSliderAccessible;
}

// An on/off switch: a pill-shaped track with a round knob and the caption of the current
// position. A click, Space or Enter flips it. Every change of position is reported once by
// toggled(); byUser tells a change made by the user from one made by the program.
class OnOffSlider : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool on READ isOn WRITE setOn)
  Q_PROPERTY(QString onCaption READ onCaption WRITE setOnCaption)
  Q_PROPERTY(QString offCaption READ offCaption WRITE setOffCaption)

 public:
  explicit OnOffSlider(QWidget* parent = nullptr);

  QString onCaption() const { return onCaption_; }
  void setOnCaption(const QString& caption);
  QString offCaption() const { return offCaption_; }
  void setOffCaption(const QString& caption);

  bool isOn() const { return on_; }
  // A change by the program: emits toggled(on, false) when the position changes.
  void setOn(bool on);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void toggled(bool on, bool byUser);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  friend class detail::OnOffSliderAccessible;

  void change(bool on, bool byUser);
  QRectF trackRect() const;

  QString onCaption_{QStringLiteral("on")};
  QString offCaption_{QStringLiteral("off")};
  bool on_ = false;
  bool hovered_ = false;
  bool pressed_ = false;
  qreal knob_ = 0.0;  // 0 = off position, 1 = on position; animated between them
  QVariantAnimation* animation_ = nullptr;
};

}  // namespace controls
