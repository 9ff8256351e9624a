#include "controls/accessibility.h"

#include "controls/controls_p.h"
#include "controls/picturebox.h"

#include <QAccessibleWidget>

#include <QLatin1String>

namespace controls {

namespace detail {

namespace {

// One painted item of a control, as seen by assistive technology. It keeps its index; the
// host drops it when the control's items are removed or reordered.
class ItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ItemAccessible(ItemHostAccessible* host, int index, quint64 generation)
      : host_(host), index_(index), generation_(generation) {}

  int index() const { return index_; }
  const ItemHostAccessible* host() const { return host_; }

  bool isValid() const override {
    return host_->isValid() && generation_ == host_->itemGeneration() &&
           index_ < host_->itemCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return host_->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return host_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) {
      return {};
    }
    switch (t) {
      case QAccessible::Name:
        return host_->itemName(index_);
      case QAccessible::Description:
        return host_->itemDescription(index_);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) {
      return {};
    }
    const QRect local = host_->itemRect(index_);
    const QWidget* widget = host_->hostWidget();
    return {widget->mapToGlobal(local.topLeft()), local.size()};
  }

  QAccessible::Role role() const override { return host_->itemRole(); }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const QWidget* widget = host_->hostWidget();
    state.focusable = true;
    state.focused = widget->hasFocus() && host_->currentItem() == index_;
    if (host_->itemSelectable()) {
      state.selectable = true;
      state.selected = host_->itemSelected(index_);
    }
    if (!widget->isEnabled()) {
      state.disabled = true;
    }
    if (!widget->isVisible()) {
      state.invisible = true;
    } else if (!widget->rect().intersects(host_->itemRect(index_))) {
      state.offscreen = true;
    }
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }

  QStringList actionNames() const override {
    return isValid() ? host_->itemActionNames(index_) : QStringList();
  }
  void doAction(const QString& action) override {
    if (isValid() && host_->hostWidget()->isEnabled()) {
      host_->doItemAction(index_, action);
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  ItemHostAccessible* host_;
  int index_;
  quint64 generation_;
};

}  // namespace

ItemHostAccessible::ItemHostAccessible(QWidget* widget, QAccessible::Role role,
                                       QAccessible::Role itemRole)
    : QAccessibleWidget(widget, role), itemRole_(itemRole) {}

ItemHostAccessible::~ItemHostAccessible() {
  for (QAccessible::Id id : std::as_const(childIds_)) {
    if (id != 0) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }
}

void ItemHostAccessible::dropStaleChildren() const {
  const quint64 current = itemGeneration();
  if (current == generation_) {
    return;
  }
  for (QAccessible::Id id : std::as_const(childIds_)) {
    if (id != 0) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }
  childIds_.clear();
  generation_ = current;
}

int ItemHostAccessible::childCount() const {
  return isValid() ? itemCount() : 0;
}

QAccessibleInterface* ItemHostAccessible::child(int index) const {
  dropStaleChildren();
  if (index < 0 || index >= childCount()) {
    return nullptr;
  }
  if (childIds_.size() <= index) {
    childIds_.resize(index + 1, 0);
  }
  QAccessible::Id& id = childIds_[index];
  if (id == 0) {
    auto* self = const_cast<ItemHostAccessible*>(this);
    id = QAccessible::registerAccessibleInterface(new ItemAccessible(self, index, generation_));
  }
  return QAccessible::accessibleInterface(id);
}

int ItemHostAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* item = dynamic_cast<const ItemAccessible*>(child);
  if (item == nullptr || item->host() != this || !item->isValid()) {
    return -1;
  }
  return item->index();
}

QAccessibleInterface* ItemHostAccessible::childAt(int x, int y) const {
  if (!isValid()) {
    return nullptr;
  }
  const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
  const int current = currentItem();
  // The keyboard item first: it is where a screen reader's point of regard usually is.
  if (current >= 0 && itemRect(current).contains(local)) {
    return child(current);
  }
  const int n = itemCount();
  for (int i = 0; i < n; ++i) {
    if (itemRect(i).contains(local)) {
      return child(i);
    }
  }
  return nullptr;
}

QAccessibleInterface* ItemHostAccessible::focusChild() const {
  if (isValid() && widget()->hasFocus()) {
    const int current = currentItem();
    if (current >= 0) {
      return child(current);
    }
  }
  return nullptr;
}

QStringList ItemHostAccessible::itemActionNames(int) const {
  return {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::setFocusAction()};
}

void ItemHostAccessible::doItemAction(int index, const QString& action) {
  if (action == QAccessibleActionInterface::pressAction()) {
    activateItem(index);
  } else if (action == QAccessibleActionInterface::setFocusAction()) {
    focusItem(index);
  }
}

void notifyItem(QWidget* widget, QAccessible::Event event, int index) {
  if (!QAccessible::isActive() || widget == nullptr || index < 0) {
    return;
  }
  QAccessibleEvent accessibleEvent(widget, event);
  accessibleEvent.setChild(index);
  QAccessible::updateAccessibility(&accessibleEvent);
}

}  // namespace detail

namespace {

// A picture: its meaning is its accessible name and description.
class PictureBoxAccessible : public QAccessibleWidget {
 public:
  explicit PictureBoxAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Graphic) {}
};

// A link-like label: a name, the Link role and a press action.
class LinkLabelAccessible : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {
    addControllingSignal(QStringLiteral("clicked()"));
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? static_cast<LinkLabel*>(widget())->text() : name;
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction())
      emit static_cast<LinkLabel*>(widget())->clicked();
  }
};

QAccessibleInterface* controlsFactory(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) {
    return nullptr;
  }
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("controls::RoundButton")) {
    return detail::createRoundButtonAccessible(widget);
  }
  if (className == QLatin1String("controls::VerticalDock")) {
    return detail::createVerticalDockAccessible(widget);
  }
  if (className == QLatin1String("controls::RotaryMenu")) {
    return detail::createRotaryMenuAccessible(widget);
  }
  if (className == QLatin1String("controls::OnOffSlider")) {
    return detail::createOnOffSliderAccessible(widget);
  }
  if (className == QLatin1String("controls::SmoothListBox")) {
    return detail::createSmoothListBoxAccessible(widget);
  }
  if (className == QLatin1String("controls::PictureBox")) {
    return new PictureBoxAccessible(widget);
  }
  if (className == QLatin1String("controls::LinkLabel")) {
    return new LinkLabelAccessible(widget);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  // The controls live on the GUI thread only, so a plain flag is enough.
  static bool installed = false;
  if (installed) {
    return;
  }
  installed = true;
  QAccessible::installFactory(controlsFactory);
}

}  // namespace controls
