#include <QDir>
#include <QFile>
#include <QtTest>

#include "app/commandline.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/inifile.h"
#include "platform/random.h"
#include "platform/userfolder.h"
#include "platform/userini.h"
#include "testsupport.h"

using platform::ScriptedDialogs;
using platform::UserIni;

class TestPlatform : public QObject {
  Q_OBJECT

 private slots:
  void userFolderFollowsAppData();
  void firstStartCreatesFolders();
  void existingFilesAreKept();
  void readDefaults_data();
  void readDefaults();
  void caseInsensitiveAndTrimmed();
  void writeReplacesInPlaceAndKeepsOrder();
  void writeAppendsKeysAndSections();
  void emptyValueKeepsKey();
  void polishAndGermanLettersRoundTrip();
  void failedWriteShowsMessageAndReturns();
  void randomIsRepeatableWithSeed();
  void commandLineMakesPathAbsolute();
};

void TestPlatform::userFolderFollowsAppData() {
  testsupport::TempUserFolder user;
  QCOMPARE(platform::userFolder(), user.appData() + "/Velmora/roadquiz2015/");
  QCOMPARE(platform::archiveFolder("C"),
           user.appData() + "/Velmora/roadquiz2015/testsarchiveuk/C/");
  QCOMPARE(platform::revisionListFileName("D"), QStringLiteral("repeat-d2015uk.txt"));
}

void TestPlatform::firstStartCreatesFolders() {
  testsupport::TempUserFolder user;
  QVERIFY(!QDir(user.userFolder()).exists());
  QStringList failures;
  QVERIFY(platform::ensureUserFolder(&failures));
  QVERIFY(failures.isEmpty());
  for (const char* code : {"A", "B", "C", "D"}) {
    QVERIFY(QDir(platform::archiveFolder(code)).exists());
    const QString list = user.userFolder() + platform::revisionListFileName(code);
    QVERIFY(QFile::exists(list));
    QCOMPARE(QFileInfo(list).size(), 0);
  }
}

void TestPlatform::existingFilesAreKept() {
  testsupport::TempUserFolder user;
  user.writeFile("repeat-b2015uk.txt", "12\r\n40\r\n");
  QVERIFY(platform::ensureUserFolder());
  QCOMPARE(user.readFile("repeat-b2015uk.txt"), QByteArray("12\r\n40\r\n"));
}

void TestPlatform::readDefaults_data() {
  QTest::addColumn<QByteArray>("content");  // "-" for no file
  QTest::addColumn<QString>("section");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("expected");
  QTest::newRow("no file") << QByteArray("-") << "jezyk"
                           << "lang"
                           << "dflt";
  QTest::newRow("no section") << QByteArray("[other]\nlang=pl\n") << "jezyk"
                              << "lang"
                              << "dflt";
  QTest::newRow("no key") << QByteArray("[jezyk]\nother=pl\n") << "jezyk"
                          << "lang"
                          << "dflt";
  QTest::newRow("present") << QByteArray("[jezyk]\nlang=pl\n") << "jezyk"
                           << "lang"
                           << "pl";
  QTest::newRow("present but empty") << QByteArray("[jezyk]\nlang=\n") << "jezyk"
                                     << "lang"
                                     << "";
}

void TestPlatform::readDefaults() {
  QFETCH(QByteArray, content);
  QFETCH(QString, section);
  QFETCH(QString, key);
  QFETCH(QString, expected);
  testsupport::TempUserFolder user;
  user.install();
  if (content != "-")
    user.writeFile("settingsuk.ini", content);
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QCOMPARE(ini.ReadUserIni("settingsuk.ini", section, key, "dflt"), expected);
}

void TestPlatform::caseInsensitiveAndTrimmed() {
  testsupport::TempUserFolder user;
  user.install();
  user.writeFile("statsb2015uk.ini", "[NAUKA]\r\nPoprawne =  17  \r\n");
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QCOMPARE(ini.ReadUserIni("statsb2015uk.ini", "nauka", "poprawne", "0"), QStringLiteral("17"));
  QVERIFY(ini.WriteUserIni("statsb2015uk.ini", "Nauka", "POPRAWNE", "18"));
  QCOMPARE(ini.ReadUserIni("statsb2015uk.ini", "nauka", "poprawne", "0"), QStringLiteral("18"));
  // Still one entry: the existing key was replaced, not added again.
  QCOMPARE(user.readFile("statsb2015uk.ini").count("18"), 1);
  QCOMPARE(user.readFile("statsb2015uk.ini").toLower().count("poprawne"), 1);
}

void TestPlatform::writeReplacesInPlaceAndKeepsOrder() {
  testsupport::TempUserFolder user;
  user.install();
  user.writeFile("statsa2015uk.ini",
                 "[nauka]\npoprawne=1\nniepoprawne=2\npytanie=3\n[egzamin]\nzdane=4\n");
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QVERIFY(ini.WriteUserIni("statsa2015uk.ini", "nauka", "niepoprawne", "9"));
  const QString text = QString::fromUtf8(user.readFile("statsa2015uk.ini"));
  const int first = text.indexOf("poprawne=1");
  const int second = text.indexOf("niepoprawne=9");
  const int third = text.indexOf("pytanie=3");
  const int fourth = text.indexOf("zdane=4");
  QVERIFY2(first >= 0 && first < second && second < third && third < fourth, qPrintable(text));
  QVERIFY(!text.contains("niepoprawne=2"));
}

void TestPlatform::writeAppendsKeysAndSections() {
  testsupport::TempUserFolder user;
  user.install();
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "jezyk", "lang", "en"));  // file created
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "zapamietaj", "nazwisko", "Anna"));
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "jezyk", "extra", "x"));
  const QString text = QString::fromUtf8(user.readFile("settingsuk.ini"));
  QVERIFY2(text.indexOf("lang=en") < text.indexOf("extra=x"), qPrintable(text));
  QVERIFY2(text.indexOf("extra=x") < text.indexOf("[zapamietaj]"), qPrintable(text));
  QVERIFY2(text.indexOf("[zapamietaj]") < text.indexOf("nazwisko=Anna"), qPrintable(text));
  QCOMPARE(dialogs.shown().size(), 0);
}

void TestPlatform::emptyValueKeepsKey() {
  testsupport::TempUserFolder user;
  user.install();
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "zapamietaj", "nazwisko", "Anna"));
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "zapamietaj", "nazwisko", ""));
  QVERIFY(user.readFile("settingsuk.ini").contains("nazwisko=\n") ||
          user.readFile("settingsuk.ini").contains("nazwisko=\r\n"));
  QCOMPARE(ini.ReadUserIni("settingsuk.ini", "zapamietaj", "nazwisko", "dflt"), QString());
}

void TestPlatform::polishAndGermanLettersRoundTrip() {
  testsupport::TempUserFolder user;
  user.install();
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  const QString text = QStringLiteral("Łukasz Żółć – Größe");
  QVERIFY(ini.WriteUserIni("settingsuk.ini", "zapamietaj", "dodatkowytekst", text));
  QCOMPARE(ini.ReadUserIni("settingsuk.ini", "zapamietaj", "dodatkowytekst", ""), text);
}

void TestPlatform::failedWriteShowsMessageAndReturns() {
  testsupport::TempUserFolder user;  // the per-user folder is not installed
  ScriptedDialogs dialogs;
  UserIni ini(dialogs);
  QVERIFY(!ini.WriteUserIni("settingsuk.ini", "jezyk", "lang", "en"));
  QCOMPARE(dialogs.shown().size(), 1);
  QCOMPARE(dialogs.last().text,
           QStringLiteral("Please reinstall this software. Some files are missing"));
  QCOMPARE(dialogs.last().caption, QStringLiteral("Roadquiz 2015"));
  QVERIFY(!QDir(user.userFolder()).exists());  // nothing was created behind the user's back
}

void TestPlatform::randomIsRepeatableWithSeed() {
  platform::Random first(42);
  platform::Random second(42);
  QVector<int> a, b;
  for (int i = 0; i < 50; ++i) {
    a << first.between(1, 20);
    b << second.between(1, 20);
  }
  QCOMPARE(a, b);
  for (int value : a)
    QVERIFY(value >= 1 && value <= 20);
}

void TestPlatform::commandLineMakesPathAbsolute() {
  const app::CommandLine relative =
      app::parseCommandLine({"roadquiz2015", "tests/mine.rqt"}, "/home/learner");
  QCOMPARE(relative.savedTestFile, QStringLiteral("/home/learner/tests/mine.rqt"));
  const app::CommandLine absolute =
      app::parseCommandLine({"roadquiz2015", "/tmp/x.rqt"}, "/home/learner");
  QCOMPARE(absolute.savedTestFile, QStringLiteral("/tmp/x.rqt"));
  QCOMPARE(app::parseCommandLine({"roadquiz2015"}, "/home").savedTestFile, QString());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
