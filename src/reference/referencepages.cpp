// The reference pages: the hub, the road-sign menu and pages, the highway code and the
// troubleshooting page, each in a web view made when it is first needed.
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include "app/tform1.h"
#include "app/uikit.h"
#include "controls/roundbutton.h"
#include "reference/links.h"

namespace {

controls::RoundButton* hubButton(QWidget* parent, const char* name, const QString& caption,
                                 const QString& picture, const QRect& place) {
  controls::RoundButton* button = app::roundButton(parent, QLatin1String(name), caption, place);
  button->setPicture(QPixmap(picture));
  button->setPictureLayout(controls::RoundButton::PictureLayout::Top);
  QFont font = button->font();
  font.setPointSize(13);
  font.setBold(true);
  button->setFont(font);
  return button;
}

// The five road-sign pages, by the number of their button.
QString roadSignPage(int button) {
  switch (button) {
    case 1:
      return QStringLiteral("/data/roadsigns/warning_signs/warning_signs.html");
    case 2:
      return QStringLiteral("/data/roadsigns/signs_giving_orders/signs_giving_orders.html");
    case 4:
      return QStringLiteral(
          "/data/roadsigns/information_and_road_works_signs/"
          "information_and_road_works_signs.html");
    case 5:
      return QStringLiteral("/data/roadsigns/signs_giving_directions/signs_giving_directions.html");
    case 9:
      return QStringLiteral("/data/roadsigns/road_lane_markings/road_and_lane_markings.html");
    default:
      return QString();
  }
}

// The page beside the view: a small back button at its top right.
controls::RoundButton* backButton(QWidget* tab, const char* name) {
  controls::RoundButton* button = app::roundButton(tab, QLatin1String(name), QStringLiteral("◀"));
  button->setHint(QStringLiteral("Back"));
  button->setAccessibleName(QStringLiteral("Back"));
  button->resize(48, 34);
  return button;
}

}  // namespace

QWebEngineView* TForm1::webView(QWebEngineView*& view, QWidget* tab, const char* name) {
  if (view)
    return view;
  view = new QWebEngineView(tab);
  view->setObjectName(QLatin1String(name));
  auto* layout = qobject_cast<QVBoxLayout*>(tab->layout());
  if (!layout) {
    layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  layout->addWidget(view);
  // The back buttons float over the view's top right corner.
  for (QObject* child : tab->children()) {
    if (auto* button = qobject_cast<controls::RoundButton*>(child))
      button->raise();
  }
  return view;
}

void TForm1::buildReferencePages() {
  const QString data = programFolder() + QStringLiteral("/data/");
  // The hub.
  highwaycodebtn = hubButton(TabSheet13, "highwaycodebtn", QStringLiteral("Highway code"),
                             data + QStringLiteral("dock/learning.png"), QRect(140, 180, 300, 220));
  AdvSmoothButton88 =
      hubButton(TabSheet13, "AdvSmoothButton88", QStringLiteral("Road signs"),
                data + QStringLiteral("dock/reference.png"), QRect(500, 180, 300, 220));
  connect(highwaycodebtn, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton38Click);
  connect(AdvSmoothButton38, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton38Click);
  connect(AdvSmoothButton88, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton40Click);

  // The road-sign menu: five pages; the other buttons of the group stay hidden.
  const char* captions[] = {"warning signs",     "giving orders", "Nakazu",    "information signs",
                            "giving directions", "Uzupełniające", "Tabliczki", "Dodatkowe",
                            "road markings",     "Świetlne"};
  const int shown[] = {1, 2, 4, 5, 9};
  int place = 0;
  for (int n = 1; n <= 10; ++n) {
    auto* button = new controls::RoundButton(TabSheet7);
    button->setObjectName(QStringLiteral("AdvSmoothButton%1").arg(n));
    button->setText(QString::fromUtf8(captions[n - 1]));
    button->setColor(app::kSkyBlue);
    QFont font = button->font();
    font.setPointSize(12);
    button->setFont(font);
    roadSignButtons[n - 1] = button;
    if (std::find(std::begin(shown), std::end(shown), n) == std::end(shown)) {
      button->hide();
      continue;
    }
    button->setGeometry(250, 90 + place * 76, 440, 60);
    ++place;
    connect(button, &QAbstractButton::clicked, this, [this, n] { showRoadSignPage(n); });
  }
  Label11 = new QLabel(TabSheet7);
  Label11->setObjectName(QStringLiteral("Label11"));
  Label11->setText(QStringLiteral(
      "Road sign drawings made for Roadquiz 2015 after the signs in use on UK roads."));
  Label11->setGeometry(40, 560, 860, 24);
  Label11->setAlignment(Qt::AlignCenter);

  backbrowser1 = backButton(TabSheet8, "backbrowser1");
  connect(backbrowser1, &QAbstractButton::clicked, this, &TForm1::backbrowser1Click);
  AdvSmoothButton11 = backButton(TabSheet3, "AdvSmoothButton11");
  connect(AdvSmoothButton11, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton11Click);
  connect(troublesbtn, &QAbstractButton::clicked, this, &TForm1::troublesbtnClick);
  // The back buttons keep to the top right corner of their page.
  TabSheet8->installEventFilter(this);
  TabSheet3->installEventFilter(this);
}

bool TForm1::referenceEventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Resize)
    return false;
  controls::RoundButton* button = watched == TabSheet8   ? backbrowser1
                                  : watched == TabSheet3 ? AdvSmoothButton11
                                                         : nullptr;
  if (button) {
    button->move(static_cast<QWidget*>(watched)->width() - button->width() - 14, 8);
    button->raise();
  }
  return false;
}

void TForm1::AdvSmoothButton38Click() {
  webView(WebBrowser3, TabSheet3, "WebBrowser3")
      ->load(QUrl::fromLocalFile(programFolder() +
                                 QStringLiteral("/data/highwaycode/highway-code.html")));
  PageControl1->setCurrentWidget(TabSheet3);
  ResetLeftPanelColours();
  AdvSmoothButton38->setColor(app::kLightYellow);
}

void TForm1::showRoadSignPage(int button) {
  const QString page = roadSignPage(button);
  if (page.isEmpty())
    return;
  webView(WebBrowser1, TabSheet8, "WebBrowser1")->load(QUrl::fromLocalFile(programFolder() + page));
  PageControl1->setCurrentWidget(TabSheet8);
}

void TForm1::backbrowser1Click() {
  PageControl1->setCurrentWidget(TabSheet7);
}

void TForm1::AdvSmoothButton11Click() {
  // With nothing to go back to, nothing happens.
  if (WebBrowser3 && WebBrowser3->history()->canGoBack())
    WebBrowser3->back();
}

void TForm1::troublesbtnClick() {
  state_.learningPage = false;
  webView(helpWebBrowser, TabSheet14, "helpWebBrowser")
      ->load(reference::vendorSite().resolved(QUrl(QStringLiteral("help2015/testshelp.php"))));
  PageControl1->setCurrentWidget(TabSheet14);
  showLeftPanel();
}
