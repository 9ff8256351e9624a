#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace controls {

// A rounded, gradient-filled push button with an optional picture, a caption and a
// small status badge (a pill with its own caption) at its top-right corner. The
// caption is QAbstractButton::text(); the hint is the tool tip.
class RoundButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QColor color READ color WRITE setColor)
  Q_PROPERTY(QString statusCaption READ statusCaption WRITE setStatusCaption)
  Q_PROPERTY(bool statusVisible READ statusVisible WRITE setStatusVisible)

 public:
  enum class PictureLayout { Left, Top, Only };

  explicit RoundButton(QWidget* parent = nullptr);

  QColor color() const { return color_; }
  void setColor(const QColor& color);

  QPixmap picture() const { return picture_; }
  void setPicture(const QPixmap& picture);
  // Where the picture sits relative to the caption; Only hides the caption text.
  void setPictureLayout(PictureLayout layout);
  PictureLayout pictureLayout() const { return pictureLayout_; }

  QString statusCaption() const { return statusCaption_; }
  void setStatusCaption(const QString& caption);
  bool statusVisible() const { return statusVisible_; }
  void setStatusVisible(bool visible);

  // Where a caption without a picture sits; centred unless set.
  Qt::Alignment captionAlignment() const { return captionAlignment_; }
  void setCaptionAlignment(Qt::Alignment alignment);

  void setHint(const QString& hint) { setToolTip(hint); }
  QString hint() const { return toolTip(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool badgeShown() const;
  void notifyDescriptionChanged();

  QColor color_{0xA6, 0xCA, 0xF0};
  QPixmap picture_;
  PictureLayout pictureLayout_ = PictureLayout::Left;
  QString statusCaption_;
  bool statusVisible_ = false;
  bool hovered_ = false;
  Qt::Alignment captionAlignment_ = Qt::AlignCenter;
};

}  // namespace controls
