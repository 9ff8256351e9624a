#pragma once

// Shared painting helpers and the accessible item machinery of the widget pack. Not part of
// the pack's public interface: only the controls' own sources include this header.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

namespace controls::detail {

// ---- colours and shapes ---------------------------------------------------------------------

// A colour washed out to a light grey of about the same brightness, for disabled controls.
QColor greyedOut(const QColor& color);
// Black-ish or white text, whichever reads better on the given background.
QColor textColorOn(const QColor& background);
// A corner radius that stays pleasant on both tiny and large rectangles.
qreal cornerRadius(const QRectF& rect, qreal preferred = 8.0);

// The common look of the pack: a rounded shape with a vertical gradient, a 1px darker border
// and a faint inner highlight along the top edge.
void paintRoundedBody(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                      const QColor& bottom, const QColor& border);

// Keyboard focus ring drawn just inside `rect`, so it never leaves the widget's bounds.
void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius, const QPalette& palette);
// Whether a focus ring should be shown: only while the user navigates with the keyboard,
// as the platform styles do, so a mouse click leaves no ring behind.
bool showsFocusRing(const QWidget* widget);

// A small, bold, slightly smaller font for badges and indicators.
QFont badgeFont(const QFont& base);
// Size of a pill holding `text` in `font`.
QSizeF pillSize(const QFont& font, const QString& text);
// A pill with white text; the text is elided when the pill is too narrow.
void paintPill(QPainter& painter, const QRectF& rect, const QColor& fill, const QFont& font,
               const QString& text);

// Draws `text` word-wrapped in `rect` with the given alignment. Lines that do not fit are
// dropped and the last shown line ends in an ellipsis, so text is never cut through a line.
void drawWrappedText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                     const QString& text);

// The largest size with the aspect ratio of `natural` that fits into `box`; never larger
// than `natural` unless `allowUpscale`.
QSize fitInto(const QSize& natural, const QSize& box, bool allowUpscale);
// Draws a picture centred in `box`, scaled down (or up, when allowed) to fit, keeping aspect.
QRectF paintPicture(QPainter& painter, const QPixmap& picture, const QRectF& box, bool allowUpscale,
                    bool enabled = true);

// ---- accessibility ---------------------------------------------------------------------------

// Base of the accessible interface of a control that paints several activatable items itself
// (dock items, rotary menu items, list rows). The items have no QObject of their own, so their
// interfaces are created on demand, registered with QAccessible and owned by this interface.
class ItemHostAccessible : public QAccessibleWidget {
 public:
  ItemHostAccessible(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole);
  ~ItemHostAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // What the control tells about its items.
  virtual int itemCount() const = 0;
  virtual QString itemName(int index) const = 0;
  virtual QString itemDescription(int) const { return {}; }
  virtual QRect itemRect(int index) const = 0;  // widget coordinates
  virtual int currentItem() const = 0;          // the keyboard focus item, -1 none
  virtual bool itemSelected(int) const { return false; }
  virtual bool itemSelectable() const { return false; }
  virtual void activateItem(int index) = 0;
  virtual void focusItem(int index) = 0;
  virtual QStringList itemActionNames(int index) const;
  virtual void doItemAction(int index, const QString& action);
  // Bumped by the control whenever items were removed or reordered: item interfaces created
  // before then describe the wrong rows and are dropped.
  virtual quint64 itemGeneration() const { return 0; }

  QAccessible::Role itemRole() const { return itemRole_; }
  QWidget* hostWidget() const { return widget(); }

 private:
  void dropStaleChildren() const;

  QAccessible::Role itemRole_;
  mutable QVector<QAccessible::Id> childIds_;
  mutable quint64 generation_ = 0;
};

// Tells assistive technology that something happened to item `index` of `widget`.
void notifyItem(QWidget* widget, QAccessible::Event event, int index);

// Creators used by the accessibility factory; each lives beside its control.
QAccessibleInterface* createRoundButtonAccessible(QWidget* widget);
QAccessibleInterface* createVerticalDockAccessible(QWidget* widget);
QAccessibleInterface* createRotaryMenuAccessible(QWidget* widget);
QAccessibleInterface* createOnOffSliderAccessible(QWidget* widget);
QAccessibleInterface* createSmoothListBoxAccessible(QWidget* widget);

}  // namespace controls::detail
