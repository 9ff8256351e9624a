// Updates and add-ons: the version check at start, the update button and page with the
// service's list, and the download opened in the user's browser.
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "app/tform1.h"
#include "controls/roundbutton.h"
#include "updates/updatelogic.h"

namespace {
const QString kSupportAddress = QStringLiteral("support@velmora.example");
}

void TForm1::buildUpdatePage() {
  auto* layout = new QVBoxLayout(TabSheet19);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  UpdatePanel = new QWidget(TabSheet19);
  UpdatePanel->setObjectName(QStringLiteral("UpdatePanel"));
  layout->addWidget(UpdatePanel, 1);

  Image18 = new QLabel(UpdatePanel);
  Image18->setObjectName(QStringLiteral("Image18"));
  Image18->setPixmap(QPixmap(programFolder() + QStringLiteral("/data/buttons/update.png")));
  Image18->setGeometry(40, 40, 48, 48);
  Image18->setCursor(Qt::PointingHandCursor);
  Image18->setAccessibleName(QStringLiteral("Try again"));
  Image18->installEventFilter(this);
  Label16 = new QLabel(QString::fromUtf8("łączenie, proszę czekać..."), UpdatePanel);
  Label16->setObjectName(QStringLiteral("Label16"));
  Label16->setGeometry(100, 40, 780, 48);
  Label16->setWordWrap(true);
  Label16->setCursor(Qt::PointingHandCursor);
  Label16->installEventFilter(this);
  QFont labelFont = Label16->font();
  labelFont.setPointSize(12);
  Label16->setFont(labelFont);

  Panel11 = new QWidget(UpdatePanel);
  Panel11->setObjectName(QStringLiteral("Panel11"));
  auto* listLayout = new QVBoxLayout(Panel11);
  listLayout->setContentsMargins(0, 0, 0, 0);
  Panel11->setGeometry(0, 0, 1, 1);

  Panel10 = new QWidget(TabSheet19);
  Panel10->setObjectName(QStringLiteral("Panel10"));
  Panel10->setFixedHeight(64);
  layout->addWidget(Panel10);
  pobierzbtn = new controls::RoundButton(Panel10);
  pobierzbtn->setObjectName(QStringLiteral("pobierzbtn"));
  pobierzbtn->setText(QString::fromUtf8("POBIERZ AKTUALIZACJĘ"));
  pobierzbtn->setColor(QColor(0x80, 0xFF, 0x80));
  pobierzbtn->setGeometry(300, 10, 340, 44);
  pobierzbtn->hide();
  connect(pobierzbtn, &QAbstractButton::clicked, this, &TForm1::pobierzbtnClick);
  connect(updatebutton, &QAbstractButton::clicked, this, &TForm1::updatebuttonClick);
  UpdatePanel->installEventFilter(this);
}

void TForm1::collapseUpdateList(bool collapsed) {
  // Collapsed to one pixel while nothing valid is shown; otherwise it fills the panel.
  Panel11->setGeometry(collapsed ? QRect(0, 0, 1, 1) : UpdatePanel->rect());
  Panel11->setProperty("fills", !collapsed);
  if (!collapsed)
    Panel11->raise();
}

void TForm1::buildModuleStrings() {
  QSettings registry(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                     QStringLiteral("roadquiz2015"));
  bool failed = false;
  const QStringList values = updates::readModuleValues(registry, &failed);
  // One message for the whole build, not one for each of the ten values.
  if (failed)
    dialogs().information(texts_.s(1), texts_.s(142) + QLatin1Char(' ') + kSupportAddress);
  const updates::ModuleStrings strings =
      updates::buildModuleStrings(values, state_.currentLanguage);
  updateQuery_ = strings.updateQuery;
  moduleSignature_ = strings.signature;
}

void TForm1::prepareUpdateQuery() {
  buildModuleStrings();
  state_.updatesAvailable = false;
  state_.updateListOpened = false;
}

void TForm1::startVersionCheck() {
  if (!services_.versionCheck)
    return;
  // After the window is up, so that start-up stays quick.
  QTimer::singleShot(0, this, [this] {
    if (!WebBrowser4) {
      WebBrowser4 = new QWebEngineView(TabSheet1);
      WebBrowser4->setObjectName(QStringLiteral("WebBrowser4"));
      WebBrowser4->setGeometry(0, 0, 1, 1);
      WebBrowser4->hide();
      connect(WebBrowser4, &QWebEngineView::loadFinished, this,
              &TForm1::WebBrowser4DocumentComplete);
    }
    WebBrowser4->load(updates::versionCheckUrl());
  });
}

void TForm1::WebBrowser4DocumentComplete() {
  if (!updates::versionCheckMatches(WebBrowser4->title(), moduleSignature_))
    return;
  state_.updatesAvailable = true;
  ShowHintBar(texts_.s(159));
  updatebutton->setText(texts_.s(195));
  QPalette palette = updatebutton->palette();
  palette.setColor(QPalette::ButtonText, QColor(128, 0, 0));
  updatebutton->setPalette(palette);
}

void TForm1::requestUpdateList() {
  Label16->setText(texts_.s(144));
  webView(UpdatesListWebBrowser, Panel11, "UpdatesListWebBrowser");
  if (!UpdatesListWebBrowser->property("connected").toBool()) {
    connect(UpdatesListWebBrowser, &QWebEngineView::loadFinished, this,
            &TForm1::UpdatesListWebBrowserDocumentComplete);
    UpdatesListWebBrowser->setProperty("connected", true);
  }
  UpdatesListWebBrowser->load(
      updates::updateListUrl(updates::ModuleStrings{updateQuery_, moduleSignature_}));
}

void TForm1::updatebuttonClick() {
  state_.updateListOpened = true;
  if (!state_.updatesAvailable) {
    ShowHintBar(texts_.s(16));
    return;
  }
  buildModuleStrings();
  listRetries_ = 0;
  requestUpdateList();
  collapseUpdateList(true);
  showLeftPanel();
  PageControl1->setCurrentWidget(TabSheet19);
}

void TForm1::UpdatesListWebBrowserDocumentComplete() {
  Label16->clear();
  pobierzbtn->hide();
  const QString title = UpdatesListWebBrowser->title();
  const updates::ListAnswer answer = updates::classifyListTitle(title);
  if (answer == updates::ListAnswer::Invalid) {
    Label16->setText(texts_.s(145));
    collapseUpdateList(true);
    return;
  }
  collapseUpdateList(false);
  Label16->clear();
  if (answer == updates::ListAnswer::ListWithDownload) {
    downloadAddress_ = updates::downloadUrl(title);
    pobierzbtn->show();
  }
  if (answer == updates::ListAnswer::Refused) {
    dialogs().information(texts_.s(1), texts_.s(146));
    // Asked again a few times; a service that keeps refusing is reported as a failure.
    if (listRetries_ >= updates::kMaxListRetries) {
      Label16->setText(texts_.s(145));
      collapseUpdateList(true);
      return;
    }
    ++listRetries_;
    requestUpdateList();
  }
}

void TForm1::pobierzbtnClick() {
  QDesktopServices::openUrl(downloadAddress_);
}

void TForm1::reloadUpdateListForLanguage() {
  if (!state_.updateListOpened)
    return;
  buildModuleStrings();
  listRetries_ = 0;
  requestUpdateList();
}

bool TForm1::updateEventFilter(QObject* watched, QEvent* event) {
  if ((watched == Label16 || watched == Image18) && event->type() == QEvent::MouseButtonRelease) {
    updatebuttonClick();
    return true;
  }
  if (watched == UpdatePanel && event->type() == QEvent::Resize &&
      Panel11->property("fills").toBool()) {
    Panel11->setGeometry(UpdatePanel->rect());
  }
  return false;
}
