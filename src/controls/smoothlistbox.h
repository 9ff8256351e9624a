#pragma once

#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QWidget>

class QScrollBar;

namespace controls {

namespace detail {
class SmoothListBoxAccessible;
}

// One entry of a SmoothListBox.
struct SmoothListItem {
  QString caption;
  QString hint;          // shown as the entry's tool tip
  QString note;          // a smaller second line under the caption
  int progress = -1;     // 0..100 shows a progress bar; below 0 hides it
  QString progressText;  // beside the bar, e.g. "86%"
  QPixmap leftGraphic;
  QPixmap rightGraphic;
  bool deleteButtonVisible = true;
  QVariant data;  // free for the owner
};

// A rounded list with a header caption above and a footer caption below a scrolling area of
// entries. Each entry shows its pictures, caption, note, progress bar and a small delete
// button. Only the visible rows are painted, so tens of thousands of entries stay smooth.
//
// Mouse: a click selects an entry (itemClicked), a double click opens it (itemDoubleClicked),
// a click on its delete button emits itemDeleteClicked without changing the selection.
// Keyboard: Up/Down/Home/End/PageUp/PageDown move the selection (each move is reported as
// itemClicked, as if the entry had been clicked), Space reports the selected entry as
// clicked, Enter opens it and Delete presses its delete button.
class SmoothListBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString headerCaption READ headerCaption WRITE setHeaderCaption)
  Q_PROPERTY(QString footerCaption READ footerCaption WRITE setFooterCaption)
  Q_PROPERTY(QString deleteButtonCaption READ deleteButtonCaption WRITE setDeleteButtonCaption)
  Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectionChanged)

 public:
  explicit SmoothListBox(QWidget* parent = nullptr);

  QString headerCaption() const { return header_; }
  void setHeaderCaption(const QString& caption);
  QString footerCaption() const { return footer_; }
  void setFooterCaption(const QString& caption);
  // The caption of every entry's delete button (default "Delete").
  QString deleteButtonCaption() const { return deleteCaption_; }
  void setDeleteButtonCaption(const QString& caption);

  int count() const { return static_cast<int>(items_.size()); }
  // Appends an entry and returns its index.
  int addItem(const SmoothListItem& item);
  // Replaces all entries at once; the selection is cleared.
  void setItems(const QVector<SmoothListItem>& items);
  void clear();
  // A copy of entry `index`; a default entry for a bad index.
  SmoothListItem item(int index) const;
  void setItem(int index, const SmoothListItem& item);
  void removeItem(int index);

  // Between these two calls, addItem() and the other changes skip all repainting and
  // scroll-bar bookkeeping; endUpdate() does it once. Calls may nest.
  void beginUpdate();
  void endUpdate();

  // -1 when nothing is selected. setSelectedIndex(-1) clears the selection; a change by the
  // program emits selectionChanged() but never itemClicked().
  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int index);

  // Scrolls the least needed to show entry `index` whole.
  void scrollToItem(int index);

  // Geometry of entry `index` in widget coordinates; the row may lie outside the visible
  // area. deleteButtonRect() is empty when the entry shows no delete button.
  QRect itemRect(int index) const;
  QRect deleteButtonRect(int index) const;
  // The visible entry under `pos`, or -1.
  int itemAt(const QPoint& pos) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void itemClicked(int index);
  void itemDoubleClicked(int index);
  void itemDeleteClicked(int index);
  void selectionChanged(int index);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class detail::SmoothListBoxAccessible;

  bool valid(int index) const { return index >= 0 && index < count(); }
  int headerHeight() const;
  int footerHeight() const;
  int rowHeight() const;
  QRect itemArea() const;  // between header and footer, scroll bar included
  QRect viewport() const;  // where rows are painted
  void updateScrollBar();
  void itemsChanged(bool structural);
  void select(int index);
  void userSelect(int index);
  void updateHover(const QPoint& pos);
  void paintBands(QPainter& painter) const;
  void paintRow(QPainter& painter, int index) const;

  QVector<SmoothListItem> items_;
  QString header_;
  QString footer_;
  QString deleteCaption_;
  QScrollBar* scrollBar_ = nullptr;
  int selected_ = -1;
  int hovered_ = -1;
  int hoveredDelete_ = -1;
  int pressed_ = -1;
  int pressedDelete_ = -1;
  int updateDepth_ = 0;
  mutable int rowHeight_ = 0;  // 0 = to be measured from the font
  quint64 generation_ = 0;
};

}  // namespace controls
