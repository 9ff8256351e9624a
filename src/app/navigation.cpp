// Pages, the left panel with its menu dock, the highlight of the current activity,
// the learning keys and the small handlers of the main window.
#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/auxwindows.h"
#include "app/tform1.h"
#include "app/uikit.h"
#include "controls/rotarymenu.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "controls/verticaldock.h"
#include "reference/links.h"

namespace {

enum DockItem { kDockMenu = 0, kDockLearning, kDockTest, kDockReference, kDockArchive };

}  // namespace

void TForm1::buildLeftPanel() {
  auto* leftLayout = new QVBoxLayout(leftpanel);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  Panel5 = new QWidget(leftpanel);
  Panel5->setObjectName(QStringLiteral("Panel5"));
  Panel5->setAutoFillBackground(true);
  QPalette panelPalette = Panel5->palette();
  panelPalette.setColor(QPalette::Window, QColor(0xE3, 0xEE, 0xFA));
  Panel5->setPalette(panelPalette);
  leftLayout->addWidget(Panel5);

  auto* dockLayout = new QVBoxLayout(Panel5);
  dockLayout->setContentsMargins(4, 12, 4, 12);
  menudock = new controls::VerticalDock(Panel5);
  menudock->setObjectName(QStringLiteral("menudock"));
  menudock->setAccessibleName(QStringLiteral("Menu"));
  const QString dock = programFolder() + QStringLiteral("/data/dock/");
  const std::pair<const char*, const char*> items[] = {
      {"menu.png", "Menu"},
      {"learning.png", "Learning"},
      {"test.png", "Test"},
      {"reference.png", "Highway code, road signs"},
      {"archive.png", "Recent tests and statistics"},
  };
  for (const auto& [picture, caption] : items) {
    menudock->addItem(QPixmap(dock + QLatin1String(picture)), QLatin1String(caption));
  }
  dockLayout->addWidget(menudock);
  connect(menudock, &controls::VerticalDock::itemClicked, this, &TForm1::menudockItemClick);

  // Hidden buttons: their clicks are the page switches other handlers invoke.
  const std::pair<controls::RoundButton**, const char*> switches[] = {
      {&AdvSmoothButton31, "AdvSmoothButton31"},
      {&AdvSmoothButton37, "AdvSmoothButton37"},
      {&AdvSmoothButton38, "AdvSmoothButton38"},
      {&AdvSmoothButton39, "AdvSmoothButton39"},
      {&AdvSmoothButton40, "AdvSmoothButton40"},
      {&AdvSmoothButton79, "AdvSmoothButton79"},
      {&menubutton, "menubutton"},
  };
  for (const auto& [member, name] : switches) {
    *member = new controls::RoundButton(leftpanel);
    (*member)->setObjectName(QLatin1String(name));
    (*member)->setColor(app::kSkyBlue);
    (*member)->hide();
  }
  connect(AdvSmoothButton31, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton31Click);
  connect(AdvSmoothButton37, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton37Click);
  connect(AdvSmoothButton40, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton40Click);
  connect(menubutton, &QAbstractButton::clicked, this, &TForm1::menubuttonClick);

  connect(AdvSmoothButton85, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton85Click);
  connect(regulybtn, &QAbstractButton::clicked, this, &TForm1::regulybtnClick);
  connect(highwaysignsbtn, &QAbstractButton::clicked, this, &TForm1::highwaysignsbtnClick);
  Label8->installEventFilter(this);
  Label8->setFocusPolicy(Qt::TabFocus);

  Timer16 = new QTimer(this);
  Timer16->setObjectName(QStringLiteral("Timer16"));
  Timer16->setInterval(100);
  connect(Timer16, &QTimer::timeout, this, &TForm1::Timer16Timer);

  // Key releases of every control of the window pass through FormKeyUp first.
  qApp->installEventFilter(this);
}

void TForm1::ResetLeftPanelColours() {
  for (controls::RoundButton* button : {AdvSmoothButton31, AdvSmoothButton37, AdvSmoothButton38,
                                        AdvSmoothButton39, AdvSmoothButton40, AdvSmoothButton79}) {
    button->setColor(app::kSkyBlue);
  }
}

void TForm1::setDockIndicator(int current) {
  for (int item = kDockLearning; item <= kDockArchive; ++item) {
    menudock->setItemStatusVisible(item, item == current);
  }
}

void TForm1::showLeftPanel() {
  leftpanel->show();
  Panel5->show();
  menudock->show();
}

void TForm1::showStartPage() {
  PageControl1->setCurrentWidget(TabSheet1);
  ResetLeftPanelColours();
  menubutton->setColor(app::kLightYellow);
}

void TForm1::AdvSmoothButton37Click() {
  PageControl1->setCurrentWidget(TabSheet5);
  ResetLeftPanelColours();
  AdvSmoothButton37->setColor(app::kLightYellow);
}

void TForm1::AdvSmoothButton40Click() {
  PageControl1->setCurrentWidget(TabSheet7);
  ResetLeftPanelColours();
  AdvSmoothButton40->setColor(app::kLightYellow);
}

void TForm1::menubuttonClick() {
  if (state_.testRunning) {
    if (!dialogs().askYesNo(texts_.s(1), texts_.s(112)))
      return;
    koniecClick();  // the button itself is disabled whenever no test runs
    nowytest->setStatusVisible(false);
    leftpanel->hide();
    Panel5->hide();
    menudock->hide();
    showStartPage();
    return;
  }
  showStartPage();
  leftpanel->hide();
  Panel5->hide();
  menudock->hide();
}

void TForm1::menudockItemClick(int index) {
  switch (index) {
    case kDockMenu:
      menubutton->click();
      state_.learningPage = false;
      setDockIndicator(-1);
      break;
    case kDockLearning:
      if (AdvSmoothRotaryMenu1)
        AdvSmoothRotaryMenu1->setStopAngle(245.0);
      if (state_.learningPage) {
        ShowHintBar(texts_.s(129));
        break;
      }
      AdvSmoothButton31->click();
      if (!state_.testRunning)
        state_.learningPage = true;
      ShowHintBar(texts_.s(130));
      setDockIndicator(kDockLearning);
      if (Label1) {
        Label1->setText(texts_.s(11) + QLatin1Char(' ') + state_.currentCategory);
        Label1->show();
      }
      for (QGroupBox* group : {GroupBox1, GroupBox2}) {
        if (!group)
          continue;
        group->hide();  // hidden and shown again to repaint
        group->show();
      }
      break;
    case kDockTest:
      if (memopytanieabctest)
        memopytanieabctest->clear();
      AdvSmoothButton37->click();
      state_.learningPage = false;
      if (raportpanel)
        raportpanel->show();
      ShowHintBar(texts_.s(131));
      setDockIndicator(kDockTest);
      break;
    case kDockReference:
      PageControl1->setCurrentWidget(TabSheet13);
      state_.learningPage = false;
      setDockIndicator(kDockReference);
      break;
    case kDockArchive:
      PageControl1->setCurrentWidget(TabSheet18);
      state_.learningPage = false;
      sortujbtnClick();
      setDockIndicator(kDockArchive);
      if (AdvSmoothListBox1)
        AdvSmoothListBox1->setSelectedIndex(-1);
      if (Panel3)
        Panel3->hide();
      break;
    default:
      break;
  }
}

void TForm1::AdvSmoothButton85Click() {
  state_.learningPage = false;
  aboutform->exec();
}

void TForm1::regulybtnClick() {
  helpform->exec();
}

void TForm1::AdvSmoothButton80Click() {
  helpform->show();
  helpform->raise();
  helpform->FormActivate();
}

void TForm1::highwaysignsbtnClick() {
  state_.learningPage = false;
  showLeftPanel();
  PageControl1->setCurrentWidget(TabSheet13);
}

void TForm1::Label8Click() {
  QDesktopServices::openUrl(reference::vendorSite());
}

void TForm1::showShortcutHint() {
  arrowform->exec();
}

void TForm1::Timer16Timer() {
  if (GroupBox4) {
    GroupBox4->hide();  // hidden and shown again to repaint
    GroupBox4->show();
  }
  Timer16->stop();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label8 && (event->type() == QEvent::MouseButtonRelease ||
                            (event->type() == QEvent::KeyPress &&
                             (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)))) {
    Label8Click();
    return true;
  }
  if (eventFilterLearning(watched, event))
    return true;
  if (chartEventFilter(watched, event))
    return true;
  if (updateEventFilter(watched, event))
    return true;
  if (referenceEventFilter(watched, event))
    return true;
  if (event->type() == QEvent::KeyRelease && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    // A release is delivered to each parent in turn when unused; act on the first.
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyUp(key))
      return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool TForm1::FormKeyUp(QKeyEvent* event) {
  if (!state_.learningPage)
    return false;
  if (dopowtorkilistbox1)
    dopowtorkilistbox1->setSelectedIndex(-1);
  // Held keys repeat their presses; one release steps once.
  if (!event->isAutoRepeat()) {
    if (event->key() == Qt::Key_Left)
      stepQuestion(-1);
    if (event->key() == Qt::Key_Right)
      stepQuestion(+1);
  }
  return true;
}
