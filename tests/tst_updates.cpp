#include <QLabel>
#include <QSettings>
#include <QUrlQuery>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <QtTest>

#include "controls/roundbutton.h"
#include "controls/verticaldock.h"
#include "guifixture.h"
#include "httpserver.h"
#include "platform/inifile.h"
#include "updates/updatelogic.h"

using platform::ScriptedDialogs;
using testsupport::slot;
using testsupport::StartedForm;
using testsupport::statValue;

namespace {

// Web views share their rendering context with the windows; this must be said before
// the application object exists.
const bool kSharedContexts = [] {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  return true;
}();

void setModules(const QStringList& values) {
  QSettings registry(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "roadquiz2015");
  registry.remove("modules");
  registry.beginGroup("modules");
  for (int n = 0; n < values.size(); ++n)
    registry.setValue(QString::number(n + 1), values.at(n));
  registry.endGroup();
  registry.sync();
}

const QString kAllOnes = "m1=1&m2=1&m3=1&m4=1&m5=1&m6=1&m7=1&m8=1&m9=1&m10=1";

}  // namespace

class TestUpdates : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void moduleStrings_data();
  void moduleStrings();
  void listTitles_data();
  void listTitles();

  void versionCheck_data();
  void versionCheck();
  void listResult_data();
  void listResult();
  void updateButtonWithoutUpdatesThenLanguage();
  void roadSignBackGoesToTheMenu();
  void highwayCodeBack();

 private:
  QTemporaryDir config_;
  std::unique_ptr<testsupport::TempUserFolder> user_;
  std::unique_ptr<testsupport::TitleServer> server_;
};

void TestUpdates::initTestCase() {
  Q_UNUSED(kSharedContexts);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
}

void TestUpdates::init() {
  QVERIFY(testsupport::enterBuiltProgramFolder());
  user_ = std::make_unique<testsupport::TempUserFolder>();
  QVERIFY(platform::ensureUserFolder());
  server_ = std::make_unique<testsupport::TitleServer>();
  qputenv("ROADQUIZ_UPDATE_SERVICE", server_->url().toUtf8());
  qputenv("ROADQUIZ_UPDATE_FILES", "http://files.test");
  setModules({});
}

void TestUpdates::cleanup() {
  server_.reset();
  user_.reset();
}

void TestUpdates::moduleStrings_data() {
  QTest::addColumn<QStringList>("values");
  QTest::addColumn<QString>("signature");
  QTest::addColumn<QString>("queryEnd");
  QTest::newRow("no values") << QStringList{} << "m1=&m2=&m3=&m4=&m5=&m6=&m7=&m8=&m9=&m10="
                             << "&m9=&m10=&lang=en";
  QTest::newRow("all ones") << QStringList(10, "1") << kAllOnes << "&m10=1&lang=en";
  QTest::newRow("values are encoded in the query")
      << QStringList{"a&b=c", "ü"} << "m1=a&b=c&m2=ü&m3=&m4=&m5=&m6=&m7=&m8=&m9=&m10="
      << "&m10=&lang=en";
}

void TestUpdates::moduleStrings() {
  QFETCH(QStringList, values);
  QFETCH(QString, signature);
  QFETCH(QString, queryEnd);
  const updates::ModuleStrings strings = updates::buildModuleStrings(values, "en");
  QCOMPARE(strings.signature, signature);
  QVERIFY(strings.updateQuery.startsWith("/updates/2015/updates2015.php?m0=quizmod2015&m1="));
  QVERIFY2(strings.updateQuery.endsWith(queryEnd), qPrintable(strings.updateQuery));
  QCOMPARE(QUrlQuery(QUrl(strings.updateQuery)).queryItems().size(), 12);
  if (values.value(0) == "a&b=c") {
    QVERIFY(strings.updateQuery.contains("&m1=a%26b%3Dc&m2=%C3%BC&"));
  }
  QCOMPARE(updates::versionCheckMatches(signature, strings.signature), signature.size() == 50);
}

void TestUpdates::listTitles_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<int>("answer");
  QTest::newRow("um3") << "um3" << int(updates::ListAnswer::ListWithDownload);
  QTest::newRow("ok1") << "ok1" << int(updates::ListAnswer::List);
  QTest::newRow("bad") << "bad" << int(updates::ListAnswer::Refused);
  QTest::newRow("error page") << "This site can't be reached" << int(updates::ListAnswer::Invalid);
  QTest::newRow("empty") << "" << int(updates::ListAnswer::Invalid);
}

void TestUpdates::listTitles() {
  QFETCH(QString, title);
  QFETCH(int, answer);
  QCOMPARE(int(updates::classifyListTitle(title)), answer);
  qputenv("ROADQUIZ_UPDATE_FILES", "http://files.test");
  QCOMPARE(updates::downloadUrl("um3").toString(),
           QStringLiteral("http://files.test/updates/2015/um3/"));
}

void TestUpdates::versionCheck_data() {
  QTest::addColumn<QStringList>("values");
  QTest::addColumn<QString>("title");
  QTest::addColumn<bool>("available");
  QTest::newRow("all ones and a matching title") << QStringList(10, "1") << kAllOnes << true;
  QStringList oneDifferent(10, "1");
  oneDifferent[6] = "2";
  QTest::newRow("one value different") << oneDifferent << kAllOnes << false;
  QTest::newRow("no values, title equal to the signature")
      << QStringList{} << "m1=&m2=&m3=&m4=&m5=&m6=&m7=&m8=&m9=&m10=" << false;
}

void TestUpdates::versionCheck() {
  QFETCH(QStringList, values);
  QFETCH(QString, title);
  QFETCH(bool, available);
  setModules(values);
  server_->titleFor = [title](const QString&) { return title; };
  StartedForm started(QString(), /*versionCheck=*/true);
  TForm1& form = *started.form;
  form.show();
  QTRY_COMPARE_WITH_TIMEOUT(server_->count("/updates/2015/nwersja2015.php"), 1, 30000);
  if (available) {
    QTRY_VERIFY_WITH_TIMEOUT(form.state().updatesAvailable, 30000);
    QCOMPARE(form.state().lastMessage, slot(159));
    QCOMPARE(form.updatebutton->text(), slot(195));
    QCOMPARE(form.updatebutton->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
  } else {
    QTest::qWait(1500);
    QVERIFY(!form.state().updatesAvailable);
    QCOMPARE(form.updatebutton->text(), slot(16));
  }
}

void TestUpdates::listResult_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<bool>("listShown");
  QTest::addColumn<bool>("download");
  QTest::addColumn<int>("requests");
  QTest::newRow("um3: list and download") << "um3" << true << true << 1;
  QTest::newRow("ok1: list only") << "ok1" << true << false << 1;
  QTest::newRow("long title: collapsed") << "Not the update list" << false << false << 1;
  QTest::newRow("bad: asked again three times") << "bad" << false << false << 4;
}

void TestUpdates::listResult() {
  QFETCH(QString, title);
  QFETCH(bool, listShown);
  QFETCH(bool, download);
  QFETCH(int, requests);
  server_->titleFor = [title](const QString&) { return title; };
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.state().updatesAvailable = true;
  QTest::mouseClick(form.updatebutton, Qt::LeftButton);
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet19);
  QCOMPARE(form.Label16->text(), slot(144));
  QTRY_COMPARE_WITH_TIMEOUT(server_->count("updates2015.php"), requests, 30000);
  QTRY_VERIFY_WITH_TIMEOUT(form.Label16->text() != slot(144), 30000);
  QTest::qWait(300);
  QCOMPARE(server_->count("updates2015.php"), requests);
  QCOMPARE(form.Panel11->width() > 1, listShown);
  QCOMPARE(form.pobierzbtn->isVisible(), download);
  if (!listShown)
    QCOMPARE(form.Label16->text(), slot(145));
  if (title == "bad")
    QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Information), 4);
  if (download) {
    QVERIFY(server_->requests.last().contains("&lang=en"));
  }
}

void TestUpdates::updateButtonWithoutUpdatesThenLanguage() {
  server_->titleFor = [](const QString&) { return QStringLiteral("ok1"); };
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.updatebutton->click();
  QCOMPARE(form.state().lastMessage, slot(16));
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet1);
  QVERIFY(form.state().updateListOpened);
  form.deutschbtnClick();
  QTRY_COMPARE_WITH_TIMEOUT(server_->count("updates2015.php"), 1, 30000);
  QVERIFY2(server_->requests.last().endsWith("&lang=de"), qPrintable(server_->requests.last()));
}

void TestUpdates::roadSignBackGoesToTheMenu() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.highwaysignsbtnClick();
  QVERIFY(form.menudock->isVisible());
  form.AdvSmoothButton88->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet7);
  QVERIFY(!form.Label11->text().isEmpty());
  form.roadSignButtons[0]->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet8);
  QTRY_VERIFY_WITH_TIMEOUT(form.WebBrowser1->title().contains("arning"), 30000);
  // Follow a link of the page to another catalogue.
  QSignalSpy loaded(form.WebBrowser1, &QWebEngineView::loadFinished);
  form.WebBrowser1->load(
      QUrl::fromLocalFile(testsupport::builtProgramFolder() +
                          "/data/roadsigns/signs_giving_orders/signs_giving_orders.html"));
  QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 30000);
  form.backbrowser1->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet7);
}

void TestUpdates::highwayCodeBack() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.highwaycodebtn->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet3);
  QTRY_VERIFY_WITH_TIMEOUT(!form.WebBrowser3->title().isEmpty() &&
                               form.WebBrowser3->url().fileName() == "highway-code.html",
                           30000);
  // Nothing to go back to: nothing happens.
  form.AdvSmoothButton11->click();
  QTest::qWait(200);
  QCOMPARE(form.WebBrowser3->url().fileName(), QStringLiteral("highway-code.html"));
  const QString folder = testsupport::builtProgramFolder() + "/data/highwaycode/";
  for (const char* page : {"motorways.html", "general-rules.html"}) {
    form.WebBrowser3->load(QUrl::fromLocalFile(folder + page));
    QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser3->url().fileName(), QString::fromLatin1(page), 30000);
  }
  form.AdvSmoothButton11->click();
  QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser3->url().fileName(), QStringLiteral("motorways.html"),
                            30000);
  form.AdvSmoothButton11->click();
  QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser3->url().fileName(), QStringLiteral("highway-code.html"),
                            30000);
  form.AdvSmoothButton11->click();
  QTest::qWait(300);
  QCOMPARE(form.WebBrowser3->url().fileName(), QStringLiteral("highway-code.html"));
}

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
