#include <QFile>
#include <QtTest>

#include "app/auxtexts.h"
#include "i18n/resultline.h"
#include "i18n/textcatalogue.h"
#include "platform/inifile.h"
#include "testsupport.h"

using i18n::TextCatalogue;

class TestI18n : public QObject {
  Q_OBJECT

 private slots:
  void installedCatalogueIsComplete();
  void missingFileChangesNothing();
  void missingSectionOrKeyGivesEmpty();
  void unknownCodeKeepsSlots();
  void resultLine_data();
  void resultLine();
  void rulesTexts_data();
  void rulesTexts();
  void shortcutTexts_data();
  void shortcutTexts();
};

void TestI18n::installedCatalogueIsComplete() {
  const QString path = testsupport::builtProgramFolder() + "/lang.ini";
  platform::IniFile ini;
  QVERIFY(ini.load(path));
  for (const QString code : {"en", "pl", "de"}) {
    TextCatalogue texts;
    QVERIFY(texts.read(path, code));
    for (int n = 1; n <= TextCatalogue::kSlotCount; ++n) {
      QVERIFY2(!texts.s(n).isEmpty(), qPrintable(QString("s%1 %2 is empty").arg(n).arg(code)));
    }
    QCOMPARE(texts.s(1), QStringLiteral("Roadquiz 2015"));
  }
  TextCatalogue polish;
  QVERIFY(polish.read(path, "pl"));
  // Read as UTF-8: Polish letters arrive unchanged.
  const QString all = [&] {
    QString joined;
    for (int n = 1; n <= 200; ++n)
      joined += polish.s(n);
    return joined;
  }();
  QVERIFY(all.contains(QStringLiteral("ą")) && all.contains(QStringLiteral("ł")));
}

void TestI18n::missingFileChangesNothing() {
  testsupport::TempFolder folder;
  folder.write("lang.ini", "[s1]\nen=Title\n");
  TextCatalogue texts;
  QVERIFY(texts.read(folder.filePath("lang.ini"), "en"));
  QVERIFY(!texts.read(folder.filePath("missing.ini"), "pl"));
  QCOMPARE(texts.s(1), QStringLiteral("Title"));
}

void TestI18n::missingSectionOrKeyGivesEmpty() {
  testsupport::TempFolder folder;
  folder.write("lang.ini", "[s1]\nen=Title\n[s2]\nen=Two\n[s40]\npl=Nowy test\n");
  TextCatalogue texts;
  QVERIFY(texts.read(folder.filePath("lang.ini"), "en"));
  QCOMPARE(texts.s(2), QStringLiteral("Two"));
  QCOMPARE(texts.s(40), QString());  // section there, key missing
  QCOMPARE(texts.s(41), QString());  // section missing
  // A later read of a language replaces what an earlier one left.
  QVERIFY(texts.read(folder.filePath("lang.ini"), "pl"));
  QCOMPARE(texts.s(1), QString());
  QCOMPARE(texts.s(40), QStringLiteral("Nowy test"));
}

void TestI18n::unknownCodeKeepsSlots() {
  testsupport::TempFolder folder;
  folder.write("lang.ini", "[s1]\nen=Title\n");
  TextCatalogue texts;
  QVERIFY(texts.read(folder.filePath("lang.ini"), "en"));
  QVERIFY(texts.read(folder.filePath("lang.ini"), "fr"));
  QCOMPARE(texts.s(1), QStringLiteral("Title"));
  QVERIFY(texts.read(folder.filePath("lang.ini"), "EN"));  // codes compare exactly
  QCOMPARE(texts.s(1), QStringLiteral("Title"));
}

void TestI18n::resultLine_data() {
  QTest::addColumn<int>("points");
  QTest::addColumn<QString>("line");
  QTest::newRow("before any test") << 0 << "Failed: 0 of 50 (0 %)";
  QTest::newRow("one short") << 42 << "Failed: 42 of 50 (84 %)";
  QTest::newRow("pass mark") << 43 << "Passed: 43 of 50 (86 %)";
  QTest::newRow("full marks") << 50 << "Passed: 50 of 50 (100 %)";
}

void TestI18n::resultLine() {
  QFETCH(int, points);
  QFETCH(QString, line);
  QCOMPARE(i18n::testResultLine("Failed:", "Passed:", "of", points), line);
  // A '%' inside a text stays as it is.
  QCOMPARE(i18n::testResultLine("%2 failed", "x", "%1", 1),
           QStringLiteral("%2 failed 1 %1 50 (2 %)"));
}

void TestI18n::rulesTexts_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("lineCount");
  QTest::newRow("en") << "en"
                      << "Theory test rules." << 6;
  QTest::newRow("pl") << "pl"
                      << "Zasady egzaminu na prawo jazdy." << 6;
  QTest::newRow("de") << "de"
                      << "Die Regeln für die Prüfung" << 3;
}

void TestI18n::rulesTexts() {
  QFETCH(QString, code);
  QFETCH(QString, caption);
  QFETCH(int, lineCount);
  app::RulesTexts texts;
  QVERIFY(app::rulesTexts(code, &texts));
  QCOMPARE(texts.caption, caption);
  QCOMPARE(texts.lines.size(), lineCount);
  QCOMPARE(texts.lines.at(1), QString());
  // Rule lines carry two blanks after the dash.
  QVERIFY(texts.lines.at(2).startsWith("-  "));

  app::RulesTexts kept{"previous", {"line"}};
  QVERIFY(!app::rulesTexts("fr", &kept));
  QCOMPARE(kept.caption, QStringLiteral("previous"));
}

void TestI18n::shortcutTexts_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QString>("right");
  QTest::newRow("de") << "de"
                      << "Fragen:"
                      << "Nächstes";
  QTest::newRow("pl") << "pl"
                      << "W trybie \"Nauka\" zmieniać pytania można przy użyciu strzałek:"
                      << "Dalej";
  QTest::newRow("en") << "en"
                      << "In \"Learning\" mode, questions can be changed by keyboard arrows:"
                      << "Next";
  QTest::newRow("other code")
      << "xx"
      << "In \"Learning\" mode, questions can be changed by keyboard arrows:"
      << "Next";
}

void TestI18n::shortcutTexts() {
  QFETCH(QString, code);
  QFETCH(QString, heading);
  QFETCH(QString, right);
  const app::ShortcutTexts texts = app::shortcutTexts(code);
  QCOMPARE(texts.heading, heading);
  QCOMPARE(texts.right, right);
}

QTEST_GUILESS_MAIN(TestI18n)
#include "tst_i18n.moc"
