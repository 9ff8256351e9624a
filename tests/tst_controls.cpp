// Behaviour of the widget pack: signals, keyboard operation, painted states and what the
// controls tell assistive technology.

#include "controls/accessibility.h"
#include "controls/onoffslider.h"
#include "controls/rotarymenu.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "controls/verticaldock.h"

#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <memory>

using controls::OnOffSlider;
using controls::RotaryMenu;
using controls::RoundButton;
using controls::SmoothListBox;
using controls::SmoothListItem;
using controls::VerticalDock;

namespace {

const QStringList kDockCaptions = {
    QStringLiteral("Menu"), QStringLiteral("Learning"), QStringLiteral("Test"),
    QStringLiteral("Highway code, road signs"), QStringLiteral("Recent tests and statistics")};

QPixmap solidPicture(const QColor& color, int side = 80) {
  QPixmap picture(side, side);
  picture.fill(color);
  return picture;
}

std::unique_ptr<VerticalDock> makeDock() {
  auto dock = std::make_unique<VerticalDock>();
  for (const QString& caption : kDockCaptions) {
    dock->addItem(solidPicture(Qt::darkCyan), caption);
  }
  dock->resize(150, 900);
  return dock;
}

std::unique_ptr<RotaryMenu> makeRotary() {
  auto menu = std::make_unique<RotaryMenu>();
  const QStringList captions = {"Next", "Export", "Check", "Back"};
  for (int i = 0; i < captions.size(); ++i) {
    menu->setItemCaption(i, captions[i]);
  }
  menu->resize(180, 180);
  return menu;
}

SmoothListItem listItem(int i) {
  SmoothListItem item;
  item.caption = QStringLiteral("Test %1").arg(i);
  item.note = i % 2 == 0 ? QStringLiteral("passed") : QStringLiteral("failed");
  item.hint = QStringLiteral("/archive/%1.ini").arg(i);
  item.progress = i % 101;
  item.progressText = QStringLiteral("%1%").arg(i % 101);
  return item;
}

std::unique_ptr<SmoothListBox> makeList(int rows) {
  auto list = std::make_unique<SmoothListBox>();
  list->setHeaderCaption(QStringLiteral("Completed tests: %1").arg(rows));
  list->setFooterCaption(QStringLiteral("Select a test to display options."));
  for (int i = 0; i < rows; ++i) {
    list->addItem(listItem(i));
  }
  list->resize(420, 420);
  return list;
}

void showAndActivate(QWidget* widget) {
  widget->show();
  QVERIFY(QTest::qWaitForWindowExposed(widget));
  widget->activateWindow();
  widget->setFocus(Qt::TabFocusReason);
  QVERIFY(QTest::qWaitForWindowActive(widget));
  QVERIFY(widget->hasFocus());
}

bool regionDiffers(const QImage& a, const QImage& b, const QRect& region) {
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) {
        return true;
      }
    }
  }
  return false;
}

// The angle of `point` around `centre`, counter-clockwise from three o'clock, in [0, 360).
double angleOf(const QPointF& point, const QPointF& centre) {
  const double degrees =
      qRadiansToDegrees(std::atan2(centre.y() - point.y(), point.x() - centre.x()));
  return degrees < 0 ? degrees + 360.0 : degrees;
}

QAccessibleInterface* accessibleOf(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface != nullptr && iface->isValid() ? iface : nullptr;
}

void press(QAccessibleInterface* iface, const QString& action) {
  QVERIFY(iface->actionInterface() != nullptr);
  QVERIFY2(iface->actionInterface()->actionNames().contains(action), qPrintable(action));
  iface->actionInterface()->doAction(action);
}

}  // namespace

class TestControls : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void dockMouseClick_data();
  void dockMouseClick();
  void dockKeyboard_data();
  void dockKeyboard();
  void dockStatusIndicator();

  void rotaryRestsAtStopAngle_data();
  void rotaryRestsAtStopAngle();
  void rotaryKeyboard_data();
  void rotaryKeyboard();

  void sliderToggled_data();
  void sliderToggled();
  void sliderProgramChangeToSamePositionIsSilent();

  void listMouse_data();
  void listMouse();
  void listKeyboard_data();
  void listKeyboard();
  void listSelectionFollowsRemoval();
  void listTenThousandItems_data();
  void listTenThousandItems();

  void buttonBadge_data();
  void buttonBadge();
  void buttonKeyboard_data();
  void buttonKeyboard();

  void accessibleButton_data();
  void accessibleButton();
  void accessibleDock();
  void accessibleRotary();
  void accessibleSlider();
  void accessibleList();
};

void TestControls::initTestCase() {
  // The program installs the factory once; a second call must be harmless.
  controls::installAccessibility();
  controls::installAccessibility();
}

// ---- vertical dock ---------------------------------------------------------------------------

void TestControls::dockMouseClick_data() {
  QTest::addColumn<int>("item");
  QTest::newRow("first") << 0;
  QTest::newRow("middle") << 2;
  QTest::newRow("last, two-line caption") << 4;
}

void TestControls::dockMouseClick() {
  QFETCH(int, item);
  auto dock = makeDock();
  dock->show();
  QVERIFY(QTest::qWaitForWindowExposed(dock.get()));
  QSignalSpy clicked(dock.get(), &VerticalDock::itemClicked);

  // Anywhere on the item counts: its picture and its caption.
  const QRect rect = dock->itemRect(item);
  QTest::mouseClick(dock.get(), Qt::LeftButton, {}, rect.center());
  QTest::mouseClick(dock.get(), Qt::LeftButton, {}, rect.bottomLeft() + QPoint(8, -3));
  QCOMPARE(clicked.count(), 2);
  QCOMPARE(clicked.at(0).at(0).toInt(), item);
  QCOMPARE(clicked.at(1).at(0).toInt(), item);

  // The spacing between items belongs to none of them.
  if (item + 1 < dock->count()) {
    const QPoint gap((rect.left() + rect.right()) / 2,
                     (rect.bottom() + dock->itemRect(item + 1).top()) / 2);
    QCOMPARE(dock->itemAt(gap), -1);
    QTest::mouseClick(dock.get(), Qt::LeftButton, {}, gap);
    QCOMPARE(clicked.count(), 2);
  }
}

void TestControls::dockKeyboard_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<int>("expected");
  QTest::newRow("focus starts on the first item") << QList<int>{Qt::Key_Return} << 0;
  QTest::newRow("down twice, enter") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter} << 2;
  QTest::newRow("end, space") << QList<int>{Qt::Key_End, Qt::Key_Space} << 4;
  QTest::newRow("down stops at the last item")
      << QList<int>{Qt::Key_End, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 4;
  QTest::newRow("up stops at the first item")
      << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space} << 0;
  QTest::newRow("home after moving")
      << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Home, Qt::Key_Down, Qt::Key_Return} << 1;
}

void TestControls::dockKeyboard() {
  QFETCH(QList<int>, keys);
  QFETCH(int, expected);
  auto dock = makeDock();
  showAndActivate(dock.get());
  QSignalSpy clicked(dock.get(), &VerticalDock::itemClicked);
  for (int key : keys) {
    QTest::keyClick(dock.get(), static_cast<Qt::Key>(key));
  }
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(clicked.at(0).at(0).toInt(), expected);
}

void TestControls::dockStatusIndicator() {
  auto dock = makeDock();
  dock->show();
  QVERIFY(QTest::qWaitForWindowExposed(dock.get()));
  for (int i = 0; i < dock->count(); ++i) {
    QVERIFY(!dock->itemStatusVisible(i));
  }
  const QImage plain = dock->grab().toImage();

  dock->setItemStatusVisible(1, true);
  QVERIFY(dock->itemStatusVisible(1));
  QVERIFY(!dock->itemStatusVisible(2));
  const QImage marked = dock->grab().toImage();
  // The indicator sits at the top right of item 1 and nowhere else.
  const QRect item1 = dock->itemRect(1);
  const QRect corner(item1.center().x(), item1.top(), item1.width() / 2, item1.height() / 3);
  QVERIFY(regionDiffers(plain, marked, corner));
  QVERIFY(!regionDiffers(plain, marked, dock->itemRect(2)));
  QVERIFY(!regionDiffers(plain, marked, dock->itemRect(0)));

  dock->setItemStatusVisible(1, false);
  QVERIFY(!dock->itemStatusVisible(1));
  QCOMPARE(dock->grab().toImage(), plain);
}

// ---- rotary menu -----------------------------------------------------------------------------

void TestControls::rotaryRestsAtStopAngle_data() {
  QTest::addColumn<double>("stopAngle");
  QTest::newRow("default 245") << 245.0;
  QTest::newRow("three o'clock") << 0.0;
  QTest::newRow("twelve o'clock") << 90.0;
}

void TestControls::rotaryRestsAtStopAngle() {
  QFETCH(double, stopAngle);
  auto menu = makeRotary();
  QCOMPARE(menu->count(), 4);
  QCOMPARE(menu->stopAngle(), 245.0);
  menu->setStopAngle(stopAngle);
  QCOMPARE(menu->stopAngle(), stopAngle);
  menu->show();
  QVERIFY(QTest::qWaitForWindowExposed(menu.get()));

  QSignalSpy clicked(menu.get(), &RotaryMenu::itemClicked);
  const QPointF centre = QRectF(menu->rect()).center();
  for (int i = 0; i < menu->count(); ++i) {
    // Item 0 rests at the stop angle, the others a quarter turn apart, clockwise.
    const double expected = std::fmod(stopAngle - 90.0 * i + 360.0, 360.0);
    double actual = angleOf(QRectF(menu->itemRect(i)).center(), centre);
    double error = std::abs(actual - expected);
    QVERIFY2(std::min(error, 360.0 - error) < 6.0,
             qPrintable(QStringLiteral("item %1 at %2").arg(i).arg(actual)));

    QTest::mouseClick(menu.get(), Qt::LeftButton, {}, menu->itemRect(i).center());
    QCOMPARE(clicked.count(), i + 1);
    QCOMPARE(clicked.last().at(0).toInt(), i);
  }
  // The hub activates nothing.
  QTest::mouseClick(menu.get(), Qt::LeftButton, {}, centre.toPoint());
  QCOMPARE(clicked.count(), menu->count());
}

void TestControls::rotaryKeyboard_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<int>("expected");
  QTest::newRow("enter on the first item") << QList<int>{Qt::Key_Enter} << 0;
  QTest::newRow("right twice") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Space} << 2;
  QTest::newRow("left wraps to the last item") << QList<int>{Qt::Key_Left, Qt::Key_Return} << 3;
  QTest::newRow("down and up like right and left")
      << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Enter} << 1;
  QTest::newRow("right wraps to the first item")
      << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}
      << 0;
}

void TestControls::rotaryKeyboard() {
  QFETCH(QList<int>, keys);
  QFETCH(int, expected);
  auto menu = makeRotary();
  showAndActivate(menu.get());
  QSignalSpy clicked(menu.get(), &RotaryMenu::itemClicked);
  for (int key : keys) {
    QTest::keyClick(menu.get(), static_cast<Qt::Key>(key));
  }
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(clicked.at(0).at(0).toInt(), expected);
}

// ---- on/off slider ---------------------------------------------------------------------------

void TestControls::sliderToggled_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("byUser");
  QTest::newRow("mouse click") << "click" << true;
  QTest::newRow("space") << "space" << true;
  QTest::newRow("enter") << "enter" << true;
  QTest::newRow("program") << "setOn" << false;
}

void TestControls::sliderToggled() {
  QFETCH(QString, how);
  QFETCH(bool, byUser);
  OnOffSlider slider;
  slider.setOnCaption(QStringLiteral("on"));
  slider.setOffCaption(QStringLiteral("off"));
  slider.show();
  QVERIFY(QTest::qWaitForWindowExposed(&slider));
  QSignalSpy toggled(&slider, &OnOffSlider::toggled);

  bool expectedOn = true;
  for (int round = 0; round < 2; ++round) {
    if (how == QLatin1String("click")) {
      QTest::mouseClick(&slider, Qt::LeftButton, {}, slider.rect().center());
    } else if (how == QLatin1String("space")) {
      QTest::keyClick(&slider, Qt::Key_Space);
    } else if (how == QLatin1String("enter")) {
      QTest::keyClick(&slider, Qt::Key_Return);
    } else {
      slider.setOn(expectedOn);
    }
    QCOMPARE(slider.isOn(), expectedOn);
    QCOMPARE(toggled.count(), round + 1);
    QCOMPARE(toggled.last().at(0).toBool(), expectedOn);
    QCOMPARE(toggled.last().at(1).toBool(), byUser);
    expectedOn = !expectedOn;
  }
}

void TestControls::sliderProgramChangeToSamePositionIsSilent() {
  OnOffSlider slider;
  QSignalSpy toggled(&slider, &OnOffSlider::toggled);
  slider.setOn(false);
  QCOMPARE(toggled.count(), 0);
  slider.setOn(true);
  slider.setOn(true);
  QCOMPARE(toggled.count(), 1);
}

// ---- list box --------------------------------------------------------------------------------

void TestControls::listMouse_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("clicked");
  QTest::addColumn<int>("doubleClicked");
  QTest::addColumn<int>("deleteClicked");
  QTest::addColumn<int>("selected");
  QTest::newRow("click selects") << "click" << 2 << 2 << -1 << -1 << 2;
  QTest::newRow("double click opens") << "double" << 3 << 3 << 3 << -1 << 3;
  QTest::newRow("delete button leaves the selection") << "delete" << 1 << -1 << -1 << 1 << -1;
  QTest::newRow("double click on delete deletes once")
      << "doubleDelete" << 4 << -1 << -1 << 4 << -1;
}

void TestControls::listMouse() {
  QFETCH(QString, action);
  QFETCH(int, row);
  QFETCH(int, clicked);
  QFETCH(int, doubleClicked);
  QFETCH(int, deleteClicked);
  QFETCH(int, selected);
  auto list = makeList(8);
  list->show();
  QVERIFY(QTest::qWaitForWindowExposed(list.get()));
  QSignalSpy clicks(list.get(), &SmoothListBox::itemClicked);
  QSignalSpy doubles(list.get(), &SmoothListBox::itemDoubleClicked);
  QSignalSpy deletes(list.get(), &SmoothListBox::itemDeleteClicked);
  QSignalSpy selections(list.get(), &SmoothListBox::selectionChanged);

  // Aim at the caption, well left of the delete button.
  const QPoint onRow = list->itemRect(row).topLeft() + QPoint(60, list->itemRect(row).height() / 2);
  const QPoint onDelete = list->deleteButtonRect(row).center();
  QVERIFY(!list->deleteButtonRect(row).contains(onRow));
  if (action == QLatin1String("click")) {
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, onRow);
  } else if (action == QLatin1String("double")) {
    // Through the window, so the widget sees the whole press/release/double-click sequence.
    QTest::mouseDClick(list->windowHandle(), Qt::LeftButton, {}, onRow);
  } else if (action == QLatin1String("delete")) {
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, onDelete);
  } else {
    QTest::mouseDClick(list->windowHandle(), Qt::LeftButton, {}, onDelete);
  }

  auto check = [](const QSignalSpy& spy, int expected) {
    if (expected < 0) {
      return spy.isEmpty();
    }
    return !spy.isEmpty() && spy.last().at(0).toInt() == expected;
  };
  QVERIFY(check(clicks, clicked));
  QCOMPARE(doubles.count(), doubleClicked < 0 ? 0 : 1);
  QVERIFY(check(doubles, doubleClicked));
  QCOMPARE(deletes.count(), deleteClicked < 0 ? 0 : 1);
  QVERIFY(check(deletes, deleteClicked));
  QCOMPARE(list->selectedIndex(), selected);
  QVERIFY(check(selections, selected));
}

void TestControls::listKeyboard_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<int>("selected");
  QTest::addColumn<int>("lastClicked");
  QTest::addColumn<int>("doubleClicked");
  QTest::addColumn<int>("deleteClicked");
  QTest::newRow("down selects the first entry") << QList<int>{Qt::Key_Down} << 0 << 0 << -1 << -1;
  QTest::newRow("down three times, up")
      << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 1 << 1 << -1 << -1;
  QTest::newRow("end, enter opens") << QList<int>{Qt::Key_End, Qt::Key_Return} << 7 << 7 << 7 << -1;
  QTest::newRow("delete key presses the delete button")
      << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Delete} << 1 << 1 << -1 << 1;
  QTest::newRow("no delete where the button is hidden")
      << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Delete} << 2 << 2 << -1 << -1;
  QTest::newRow("nothing selected: enter and delete do nothing")
      << QList<int>{Qt::Key_Return, Qt::Key_Delete} << -1 << -1 << -1 << -1;
}

void TestControls::listKeyboard() {
  QFETCH(QList<int>, keys);
  QFETCH(int, selected);
  QFETCH(int, lastClicked);
  QFETCH(int, doubleClicked);
  QFETCH(int, deleteClicked);
  auto list = makeList(8);
  SmoothListItem noDelete = list->item(2);
  noDelete.deleteButtonVisible = false;
  list->setItem(2, noDelete);
  showAndActivate(list.get());
  QSignalSpy clicks(list.get(), &SmoothListBox::itemClicked);
  QSignalSpy doubles(list.get(), &SmoothListBox::itemDoubleClicked);
  QSignalSpy deletes(list.get(), &SmoothListBox::itemDeleteClicked);

  for (int key : keys) {
    QTest::keyClick(list.get(), static_cast<Qt::Key>(key));
  }
  QCOMPARE(list->selectedIndex(), selected);
  QCOMPARE(clicks.isEmpty() ? -1 : clicks.last().at(0).toInt(), lastClicked);
  QCOMPARE(doubles.isEmpty() ? -1 : doubles.last().at(0).toInt(), doubleClicked);
  QCOMPARE(deletes.count(), deleteClicked < 0 ? 0 : 1);
  QCOMPARE(deletes.isEmpty() ? -1 : deletes.last().at(0).toInt(), deleteClicked);
}

void TestControls::listSelectionFollowsRemoval() {
  auto list = makeList(8);
  QSignalSpy selections(list.get(), &SmoothListBox::selectionChanged);
  QSignalSpy clicks(list.get(), &SmoothListBox::itemClicked);
  list->setSelectedIndex(5);
  QCOMPARE(selections.last().at(0).toInt(), 5);

  // Removing an entry above the selection keeps the same entry selected.
  list->removeItem(2);
  QCOMPARE(list->count(), 7);
  QCOMPARE(list->selectedIndex(), 4);
  QCOMPARE(list->item(4).caption, QStringLiteral("Test 5"));
  QCOMPARE(selections.last().at(0).toInt(), 4);

  list->removeItem(4);
  QCOMPARE(list->selectedIndex(), -1);
  QCOMPARE(selections.last().at(0).toInt(), -1);

  list->setSelectedIndex(1);
  list->setSelectedIndex(-1);
  QCOMPARE(list->selectedIndex(), -1);
  QCOMPARE(selections.last().at(0).toInt(), -1);
  // Changes made by the program are never reported as clicks.
  QVERIFY(clicks.isEmpty());

  list->setSelectedIndex(3);
  list->clear();
  QCOMPARE(list->count(), 0);
  QCOMPARE(list->selectedIndex(), -1);
  QCOMPARE(selections.last().at(0).toInt(), -1);
}

void TestControls::listTenThousandItems_data() {
  QTest::addColumn<bool>("bulk");
  QTest::newRow("addItem between beginUpdate and endUpdate") << false;
  QTest::newRow("setItems") << true;
}

void TestControls::listTenThousandItems() {
  QFETCH(bool, bulk);
  auto list = makeList(0);
  list->show();
  QVERIFY(QTest::qWaitForWindowExposed(list.get()));
  if (bulk) {
    QVector<SmoothListItem> items;
    for (int i = 0; i < 10000; ++i) {
      items.append(listItem(i));
    }
    list->setItems(items);
  } else {
    list->beginUpdate();
    for (int i = 0; i < 10000; ++i) {
      QCOMPARE(list->addItem(listItem(i)), i);
    }
    list->endUpdate();
  }
  QCOMPARE(list->count(), 10000);
  QCOMPARE(list->item(9999).caption, QStringLiteral("Test 9999"));
  QCOMPARE(list->item(9999).hint, QStringLiteral("/archive/9999.ini"));

  // Selecting the last entry scrolls it into view, where the mouse finds it.
  list->setSelectedIndex(9999);
  const QRect last = list->itemRect(9999);
  QVERIFY(list->rect().contains(last));
  QCOMPARE(list->itemAt(last.center()), 9999);
  QSignalSpy clicks(list.get(), &SmoothListBox::itemClicked);
  QTest::mouseClick(list.get(), Qt::LeftButton, {}, last.topLeft() + QPoint(60, 10));
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(clicks.at(0).at(0).toInt(), 9999);
}

// ---- round button ----------------------------------------------------------------------------

void TestControls::buttonBadge_data() {
  QTest::addColumn<bool>("visible");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("shown");
  QTest::newRow("visible with caption") << true << "!" << true;
  QTest::newRow("hidden") << false << "Test in progress..." << false;
  QTest::newRow("visible but empty") << true << "" << false;
  QTest::newRow("visible but blank") << true << "   " << false;
}

void TestControls::buttonBadge() {
  QFETCH(bool, visible);
  QFETCH(QString, caption);
  QFETCH(bool, shown);
  RoundButton reference;
  RoundButton button;
  for (RoundButton* b : {&reference, &button}) {
    b->setText(QStringLiteral("Repeat"));
    b->resize(160, 60);
  }
  button.setStatusCaption(caption);
  button.setStatusVisible(visible);
  QCOMPARE(button.statusVisible(), visible);

  const QImage plain = reference.grab().toImage();
  const QImage image = button.grab().toImage();
  const QRect topRight(button.width() / 2, 0, button.width() / 2, button.height() / 2);
  QCOMPARE(regionDiffers(plain, image, topRight), shown);

  QAccessibleInterface* iface = accessibleOf(&button);
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->text(QAccessible::Description).contains(caption.trimmed()) &&
               !caption.trimmed().isEmpty(),
           shown);

  // Hiding the badge again restores the plain button.
  button.setStatusVisible(false);
  QCOMPARE(button.grab().toImage(), plain);
}

void TestControls::buttonKeyboard_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("space") << int(Qt::Key_Space);
  QTest::newRow("return") << int(Qt::Key_Return);
  QTest::newRow("enter") << int(Qt::Key_Enter);
}

void TestControls::buttonKeyboard() {
  QFETCH(int, key);
  RoundButton button;
  button.setText(QStringLiteral("Menu"));
  showAndActivate(&button);
  QSignalSpy clicked(&button, &RoundButton::clicked);
  QTest::keyClick(&button, static_cast<Qt::Key>(key));
  QCOMPARE(clicked.count(), 1);
}

// ---- accessibility ---------------------------------------------------------------------------

void TestControls::accessibleButton_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("hint");
  QTest::addColumn<bool>("pictureOnly");
  QTest::addColumn<QString>("name");
  QTest::newRow("caption") << " Powtórka"
                           << "repeat run" << false << "Powtórka";
  QTest::newRow("no caption: the hint") << ""
                                        << "english" << false << "english";
  QTest::newRow("picture only: the hint") << "A"
                                          << "category A" << true << "category A";
}

void TestControls::accessibleButton() {
  QFETCH(QString, caption);
  QFETCH(QString, hint);
  QFETCH(bool, pictureOnly);
  QFETCH(QString, name);
  RoundButton button;
  button.setText(caption);
  button.setHint(hint);
  button.setPicture(solidPicture(Qt::red, 32));
  if (pictureOnly) {
    button.setPictureLayout(RoundButton::PictureLayout::Only);
  }
  QAccessibleInterface* iface = accessibleOf(&button);
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->role(), QAccessible::PushButton);
  QCOMPARE(iface->text(QAccessible::Name), name);
  QCOMPARE(iface->actionInterface()->actionNames().value(0),
           QAccessibleActionInterface::pressAction());

  QSignalSpy clicked(&button, &RoundButton::clicked);
  press(iface, QAccessibleActionInterface::pressAction());
  QCOMPARE(clicked.count(), 1);
}

void TestControls::accessibleDock() {
  auto dock = makeDock();
  QAccessibleInterface* iface = accessibleOf(dock.get());
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->role(), QAccessible::ToolBar);
  QCOMPARE(iface->childCount(), kDockCaptions.size());

  dock->setItemCaption(3, QStringLiteral("Road signs"));
  dock->setItemStatusVisible(3, true);
  QAccessibleInterface* item = iface->child(3);
  QVERIFY(item != nullptr);
  QCOMPARE(item->parent(), iface);
  QCOMPARE(iface->indexOfChild(item), 3);
  QCOMPARE(item->role(), QAccessible::PushButton);
  QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Road signs"));
  QVERIFY(!item->text(QAccessible::Description).isEmpty());
  QVERIFY(iface->child(2)->text(QAccessible::Description).isEmpty());

  QSignalSpy clicked(dock.get(), &VerticalDock::itemClicked);
  press(item, QAccessibleActionInterface::pressAction());
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(clicked.at(0).at(0).toInt(), 3);
}

void TestControls::accessibleRotary() {
  auto menu = makeRotary();
  QAccessibleInterface* iface = accessibleOf(menu.get());
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->childCount(), 4);
  QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("Export"));
  QCOMPARE(iface->child(1)->role(), QAccessible::PushButton);

  QSignalSpy clicked(menu.get(), &RotaryMenu::itemClicked);
  press(iface->child(2), QAccessibleActionInterface::pressAction());
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(clicked.at(0).at(0).toInt(), 2);
}

void TestControls::accessibleSlider() {
  OnOffSlider slider;
  slider.setAccessibleName(QStringLiteral("Repeat"));
  QAccessibleInterface* iface = accessibleOf(&slider);
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->role(), QAccessible::CheckBox);
  QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Repeat"));
  QVERIFY(iface->state().checkable);
  QVERIFY(!iface->state().checked);
  QCOMPARE(iface->actionInterface()->actionNames().value(0),
           QAccessibleActionInterface::toggleAction());

  QSignalSpy toggled(&slider, &OnOffSlider::toggled);
  press(iface, QAccessibleActionInterface::toggleAction());
  QVERIFY(slider.isOn());
  QVERIFY(iface->state().checked);
  QCOMPARE(toggled.count(), 1);
  QCOMPARE(toggled.at(0).at(1).toBool(), true);
}

void TestControls::accessibleList() {
  auto list = makeList(5);
  list->setDeleteButtonCaption(QStringLiteral("Usuń"));
  QAccessibleInterface* iface = accessibleOf(list.get());
  QVERIFY(iface != nullptr);
  QCOMPARE(iface->role(), QAccessible::List);
  QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Completed tests: 5"));
  QCOMPARE(iface->childCount(), 5);

  QAccessibleInterface* item = iface->child(3);
  QCOMPARE(item->role(), QAccessible::ListItem);
  QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Test 3, failed"));
  QCOMPARE(item->text(QAccessible::Description), QStringLiteral("3%"));

  QSignalSpy clicks(list.get(), &SmoothListBox::itemClicked);
  QSignalSpy deletes(list.get(), &SmoothListBox::itemDeleteClicked);
  press(item, QAccessibleActionInterface::pressAction());
  QCOMPARE(list->selectedIndex(), 3);
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(clicks.at(0).at(0).toInt(), 3);
  QVERIFY(item->state().selected);
  press(item, QStringLiteral("Usuń"));
  QCOMPARE(deletes.count(), 1);
  QCOMPARE(deletes.at(0).at(0).toInt(), 3);

  // After the entries change, items are described afresh, never from stale rows.
  list->removeItem(0);
  QCOMPARE(iface->childCount(), 4);
  QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Test 1, failed"));
  list->clear();
  QCOMPARE(iface->childCount(), 0);
  QCOMPARE(iface->child(0), nullptr);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
