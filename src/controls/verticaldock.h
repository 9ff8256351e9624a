#pragma once

#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

namespace controls {

namespace detail {
class VerticalDockAccessible;
}

// A vertical column of picture items with their captions underneath, used to move between the
// program's activities. Each item has a small status indicator ("*") that marks the current
// activity. Items are activated by mouse click or from the keyboard (Up/Down/Home/End choose
// an item, Enter or Space activate it); they can never be dragged out or reordered.
class VerticalDock : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int spacing READ spacing WRITE setSpacing)
  Q_PROPERTY(QString statusDescription READ statusDescription WRITE setStatusDescription)

 public:
  explicit VerticalDock(QWidget* parent = nullptr);

  // Appends an item and returns its index. Pictures are shown at 80 x 80 pixels, keeping
  // their aspect ratio; only a dock too short for all its items draws them smaller.
  int addItem(const QPixmap& picture, const QString& caption);
  int count() const { return static_cast<int>(items_.size()); }

  QString itemCaption(int index) const;
  void setItemCaption(int index, const QString& caption);
  QPixmap itemPicture(int index) const;
  void setItemPicture(int index, const QPixmap& picture);

  // The "*" bubble at the top-right of the item's picture; hidden by default.
  bool itemStatusVisible(int index) const;
  void setItemStatusVisible(int index, bool visible);

  // What assistive technology says for an item whose indicator shows (default "current").
  QString statusDescription() const { return statusDescription_; }
  void setStatusDescription(const QString& description) { statusDescription_ = description; }

  // Vertical room between items (default 45). The dock narrows it when it is too short.
  int spacing() const { return spacing_; }
  void setSpacing(int spacing);

  // The item the keyboard is on; -1 before the dock first had the focus.
  int currentIndex() const { return current_; }
  void setCurrentIndex(int index);

  // Where item `index` is painted, in widget coordinates; an empty rect for a bad index.
  QRect itemRect(int index) const;
  // The item under `pos`, or -1.
  int itemAt(const QPoint& pos) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void itemClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class detail::VerticalDockAccessible;

  struct Item {
    QPixmap picture;
    QString caption;
    bool statusVisible = false;
  };
  struct Geometry {
    QRect item;
    QRect picture;
    QRect caption;
  };

  bool valid(int index) const { return index >= 0 && index < count(); }
  void invalidateLayout();
  void ensureLayout() const;
  int naturalHeight(int pictureSide, int spacing) const;
  int captionHeight(int index, int width) const;
  void setHovered(int index);
  void activate(int index);
  void paintItem(QPainter& painter, int index) const;

  QVector<Item> items_;
  mutable QVector<Geometry> geometry_;
  mutable bool layoutDirty_ = true;
  QString statusDescription_;
  int spacing_ = 45;
  int current_ = -1;
  int hovered_ = -1;
  int pressed_ = -1;
};

}  // namespace controls
