#include <QDir>
#include <QFile>
#include <QtTest>

#include "app/tform1.h"
#include "controls/roundbutton.h"
#include "guifixture.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/inifile.h"
#include "platform/random.h"
#include "platform/userfolder.h"
#include "testsupport.h"

using platform::ScriptedDialogs;

namespace {

using Started = testsupport::StartedForm;

QString settingsValue(const QString& key) {
  return platform::IniFile::read(platform::userFilePath("settingsuk.ini"), "jezyk", key, "<none>");
}

}  // namespace

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void firstStart();
  void storedLanguage_data();
  void storedLanguage();
  void missingUserFolderShowsMessageAndGoesOn();
  void argumentNamingNoFileIsIgnored();
  void resizeCentresThePanel();
  void languageButtonsSwitchAndMark();

 private:
  QString previousFolder_;
};

void TestStartup::initTestCase() {
  // The program folder is the working directory, as main() makes it.
  QVERIFY(QFile::exists(testsupport::builtProgramFolder() + "/lang.ini"));
  QDir::setCurrent(testsupport::builtProgramFolder());
}

void TestStartup::firstStart() {
  testsupport::TempUserFolder user;
  QVERIFY(platform::ensureUserFolder());
  Started started;
  TForm1& form = *started.form;

  QCOMPARE(form.state().currentLanguage, QStringLiteral("en"));
  QCOMPARE(form.state().currentCategory, QStringLiteral("B"));
  QCOMPARE(settingsValue("lang"), QStringLiteral("en"));
  QVERIFY(QString::fromUtf8(user.readFile("settingsuk.ini")).contains("[jezyk]"));
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet1);
  QVERIFY(form.leftpanel->isHidden());
  QVERIFY(form.hintbutton->isHidden());
  QCOMPARE(form.Label7->text(), QStringLiteral("Roadquiz 2015"));
  QCOMPARE(form.Label4->text(), QStringLiteral("v. 2015.1"));
  QCOMPARE(form.state().lastMessage, QStringLiteral("Roadquiz 2015"));
  QCOMPARE(form.state().questionCount("C"), 1031);
  QCOMPARE(QFileInfo(form.state().bankFile("B")).fileName(), QStringLiteral("05xbeu.dll"));
  QCOMPARE(started.dialogs.shown().size(), 0);
  for (const char* code : {"A", "B", "C", "D"}) {
    QVERIFY(QDir(platform::archiveFolder(code)).exists());
    QVERIFY(QFile::exists(user.userFolder() + platform::revisionListFileName(code)));
  }
}

void TestStartup::storedLanguage_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("bankB");
  QTest::newRow("Polish") << "pl"
                          << "pl"
                          << "05xbp.dll";
  QTest::newRow("German") << "de"
                          << "de"
                          << "05xbd.dll";
  QTest::newRow("English") << "en"
                           << "en"
                           << "05xbeu.dll";
  QTest::newRow("unknown code") << "fr"
                                << "en"
                                << "05xbeu.dll";
  QTest::newRow("upper-case code") << "PL"
                                   << "en"
                                   << "05xbeu.dll";
}

void TestStartup::storedLanguage() {
  QFETCH(QString, stored);
  QFETCH(QString, language);
  QFETCH(QString, bankB);
  testsupport::TempUserFolder user;
  QVERIFY(platform::ensureUserFolder());
  user.writeFile("settingsuk.ini", QStringLiteral("[jezyk]\r\nlang=%1\r\n").arg(stored).toUtf8());

  Started started;
  TForm1& form = *started.form;
  QCOMPARE(form.state().currentLanguage, language);
  QCOMPARE(settingsValue("lang"), language);
  QCOMPARE(QFileInfo(form.state().bankFile("B")).fileName(), bankB);
  // The texts of that language reached the start page.
  platform::IniFile langIni;
  QVERIFY(langIni.load("lang.ini"));
  QCOMPARE(form.Label9->text(), langIni.value("s4", language));
  QCOMPARE(form.AdvSmoothButton24->statusCaption(), langIni.value("s11", language) + " A");
}

void TestStartup::missingUserFolderShowsMessageAndGoesOn() {
  testsupport::TempUserFolder user;  // nothing installed
  Started started;
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), 1);
  QCOMPARE(started.dialogs.last().text,
           QStringLiteral("Please reinstall this software. Some files are missing"));
  QCOMPARE(started.form->PageControl1->currentWidget(), started.form->TabSheet1);
  QCOMPARE(started.form->state().currentLanguage, QStringLiteral("en"));
}

void TestStartup::argumentNamingNoFileIsIgnored() {
  testsupport::TempUserFolder user;
  QVERIFY(platform::ensureUserFolder());
  Started started(user.appData() + "/no-such-test.rqt");
  QCOMPARE(started.form->PageControl1->currentWidget(), started.form->TabSheet1);
  QCOMPARE(started.dialogs.shown().size(), 0);
}

void TestStartup::resizeCentresThePanel() {
  testsupport::TempUserFolder user;
  QVERIFY(platform::ensureUserFolder());
  Started started;
  TForm1& form = *started.form;
  form.resize(1401, 901);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  // 1401 / 2 - 1089 / 2 = 156, 901 / 2 - 650 / 2 = 125.5, which rounds to the even 126.
  const QPoint panel = form.mainpanel->pos();
  QCOMPARE(panel, QPoint(156, 126));
  QCOMPARE(form.hintbutton->pos(), panel + QPoint(0, -25));
  QCOMPARE(form.closebutton->pos(), panel + QPoint(1070, -20));
  QCOMPARE(form.minimizebutton->pos(), panel + QPoint(1050, -20));
  QCOMPARE(form.toastagainbutton->pos(), panel + QPoint(1030, -20));
  QCOMPARE(form.deutschbtn->pos(), panel + QPoint(1090, 40));
  QCOMPARE(form.categoryimage->pos(), panel + QPoint(1030, 550));
  QCOMPARE(form.mainbackgroundimg->geometry(), form.rect());

  form.resize(1300, 800);
  QTRY_COMPARE(form.mainpanel->pos(), QPoint(106, 75));
  QCOMPARE(form.polskibtn->pos(), QPoint(106 + 1090, 75 + 80));
}

void TestStartup::languageButtonsSwitchAndMark() {
  testsupport::TempUserFolder user;
  QVERIFY(platform::ensureUserFolder());
  Started started;
  TForm1& form = *started.form;
  const QColor marked(0xFF, 0xFF, 0x80);
  QCOMPARE(form.englishbtn->color(), marked);
  QTest::mouseClick(form.deutschbtn, Qt::LeftButton);
  QCOMPARE(form.state().currentLanguage, QStringLiteral("de"));
  QCOMPARE(settingsValue("lang"), QStringLiteral("de"));
  QCOMPARE(form.deutschbtn->color(), marked);
  QVERIFY(form.englishbtn->color() != marked);
  // The bank keeps the language the program started with.
  QCOMPARE(QFileInfo(form.state().bankFile("B")).fileName(), QStringLiteral("05xbeu.dll"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
