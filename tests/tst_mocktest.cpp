#include <QDirIterator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "guifixture.h"
#include "mocktest/testlogic.h"
#include "platform/inifile.h"
#include "stats/statsfile.h"

using platform::ScriptedDialogs;
using testsupport::slot;
using testsupport::StartedForm;
using testsupport::statValue;

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kLightYellow(0xFF, 0xFF, 0x80);
const QColor kLightGreen(0x80, 0xFF, 0x80);
const QColor kLightRed(0xFF, 0x80, 0x80);

QStringList archiveFiles(const QString& code) {
  return QDir(platform::archiveFolder(code)).entryList(QDir::Files, QDir::Name);
}

// Answers slot k through the page: its right letters, or the letters given.
void answer(TForm1& form, int slot, const QString& letters) {
  form.selectSlot(slot);
  for (const QChar letter : letters)
    form.answerTestClick(letter.unicode() - 'A');
}

void answerRightly(TForm1& form, int slot) {
  answer(form, slot, testsupport::smallBankLetters(form.testSlots()[slot - 1].questionNumber));
}

QString wrongLetter(const QString& correct) {
  return correct.contains('D') ? "A" : "D";
}

}  // namespace

class TestMockTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  // Logic without a window.
  void drawRanges_data();
  void drawRanges();
  void drawReachesBothEnds();
  void clockCountsDown();
  void archiveFileName_data();
  void archiveFileName();
  void savedTestRoundTrip();
  void badSavedTests_data();
  void badSavedTests();

  // The test page.
  void setUpShowsSlotOne();
  void answering_data();
  void answering();
  void nextAndPrevAtTheEnds();
  void scoring_data();
  void scoring();
  void onlyPartlyAnsweredSlotIsCollected();
  void clockRunningOutFinishes();
  void newTestWhileRunning_data();
  void newTestWhileRunning();
  void archiveEntryForSetClock();
  void openFileWithOnlyCategoryAndPoints();
  void openedTestIsNotArchivedAgain();
  void badFileChangesNothing();
  void openingFromTheCommandLine();
  void saveAppendsExtension();
  void bankTooShortNeverStartsTheClock();

 private:
  std::unique_ptr<testsupport::SmallInstallation> install_;
};

void TestMockTest::init() {
  install_ = std::make_unique<testsupport::SmallInstallation>();
}

void TestMockTest::cleanup() {
  install_.reset();
}

void TestMockTest::drawRanges_data() {
  QTest::addColumn<QString>("category");
  QTest::addColumn<int>("count");
  QTest::newRow("A") << "A" << 827;
  QTest::newRow("B") << "B" << 960;
  QTest::newRow("C") << "C" << 1031;
  QTest::newRow("D") << "D" << 974;
}

void TestMockTest::drawRanges() {
  QFETCH(QString, category);
  QFETCH(int, count);
  const auto ranges = mocktest::drawRanges(category);
  QCOMPARE(ranges.size(), 50);
  // Without gap or overlap from 1 to the last question.
  QCOMPARE(ranges.first().first, 1);
  QCOMPARE(ranges.last().last, count);
  for (int k = 1; k < 50; ++k)
    QCOMPARE(ranges[k].first, ranges[k - 1].last + 1);
  platform::Random random(99);
  for (int run = 0; run < 200; ++run) {
    const QVector<int> drawn = mocktest::drawQuestions(category, random);
    QCOMPARE(drawn.size(), 50);
    for (int k = 0; k < 50; ++k) {
      QVERIFY(drawn[k] >= ranges[k].first && drawn[k] <= ranges[k].last);
      if (k > 0)
        QVERIFY(drawn[k] > drawn[k - 1]);
    }
  }
}

void TestMockTest::drawReachesBothEnds() {
  const auto b = mocktest::drawRanges("B");
  QCOMPARE(b[3].first, 58);
  QCOMPARE(b[3].last, 65);
  const auto d = mocktest::drawRanges("D");
  QCOMPARE(d[49].first, 946);
  QCOMPARE(d[49].last, 974);
  for (int k = 0; k < 49; ++k)
    QCOMPARE(d[k].last, b[k].last);

  for (const QString category : {"A", "B", "C", "D"}) {
    const auto ranges = mocktest::drawRanges(category);
    QVector<int> lowest(50, INT_MAX), highest(50, 0);
    platform::Random random(7);
    for (int run = 0; run < 3000; ++run) {
      const QVector<int> drawn = mocktest::drawQuestions(category, random);
      for (int k = 0; k < 50; ++k) {
        lowest[k] = qMin(lowest[k], drawn[k]);
        highest[k] = qMax(highest[k], drawn[k]);
      }
    }
    for (int k = 0; k < 50; ++k) {
      QCOMPARE(lowest[k], ranges[k].first);
      QCOMPARE(highest[k], ranges[k].last);
    }
  }
}

void TestMockTest::clockCountsDown() {
  mocktest::TestClock clock;
  clock.start();
  QCOMPARE(clock.minutes(), 56);
  QCOMPARE(clock.seconds(), 59);
  int ticks = 0;
  bool over = false;
  while (!over && ticks < 4000) {
    over = clock.tick();
    ++ticks;
    if (ticks == 59)
      QCOMPARE(clock.seconds(), 0);
    if (ticks == 60) {
      QCOMPARE(clock.minutes(), 55);
      QCOMPARE(clock.seconds(), 59);
    }
  }
  QCOMPARE(ticks, 3419);  // 56 minutes 59 seconds
  QCOMPARE(mocktest::TestClock::twoDigits(5), QStringLiteral("05"));
  QCOMPARE(mocktest::TestClock::twoDigits(56), QStringLiteral("56"));
}

void TestMockTest::archiveFileName_data() {
  QTest::addColumn<QDateTime>("moment");
  QTest::addColumn<QString>("name");
  QTest::newRow("afternoon") << QDateTime(QDate(2015, 1, 27), QTime(14, 5, 9))
                             << "2015-01-27-h-14--05--09";
  QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0))
                            << "2026-12-31-h-00--00--00";
}

void TestMockTest::archiveFileName() {
  QFETCH(QDateTime, moment);
  QFETCH(QString, name);
  const QLocale previous;
  for (const char* locale : {"en_US", "de_DE", "pl_PL", "ja_JP"}) {
    QLocale::setDefault(QLocale(QLatin1String(locale)));
    QCOMPARE(mocktest::archiveFileName(moment), name);
  }
  QLocale::setDefault(previous);
}

void TestMockTest::savedTestRoundTrip() {
  testsupport::TempFolder folder;
  mocktest::TestSlots written{};
  for (int k = 0; k < 50; ++k) {
    written[k].questionNumber = 10 + k;
    written[k].correctLetters = k % 2 ? "B" : "AC";
    written[k].givenLetters = k % 3 ? "B" : "";
  }
  const QString path = folder.filePath("test.rqt");
  QVERIFY(mocktest::writeSavedTest(path, "C", 17, "pl", written));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.at(0).trimmed(), QStringLiteral("[plik]"));
  QCOMPARE(lines.size(), 154);  // the section and its 153 entries
  QCOMPARE(lines.at(1).trimmed(), QStringLiteral("kategoria=C"));
  QCOMPARE(lines.at(2).trimmed(), QStringLiteral("punktow=17"));
  QCOMPARE(lines.at(3).trimmed(), QStringLiteral("lang=pl"));
  QCOMPARE(lines.at(4).trimmed(), QStringLiteral("pnr1=10"));
  QCOMPARE(lines.at(54).trimmed(), QStringLiteral("prawodp1=AC"));
  QCOMPARE(lines.at(104).trimmed(), QStringLiteral("odp1="));
  QCOMPARE(lines.at(153).trimmed(), QStringLiteral("odp50=B"));

  mocktest::SavedTest read;
  QString error;
  QVERIFY(mocktest::readSavedTest(path, &read, &error));
  QCOMPARE(read.category, QStringLiteral("C"));
  QCOMPARE(read.language, QStringLiteral("pl"));
  QCOMPARE(read.points, 17);
  for (int k = 0; k < 50; ++k) {
    QCOMPARE(read.testSlots[k].questionNumber, written[k].questionNumber);
    QCOMPARE(read.testSlots[k].givenLetters, written[k].givenLetters);
  }
}

void TestMockTest::badSavedTests_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("problem");
  QTest::newRow("points missing") << QByteArray("[plik]\nkategoria=B\n") << "punktow";
  QTest::newRow("points not a number")
      << QByteArray("[plik]\nkategoria=B\npunktow=x7\n") << "punktow";
  QTest::newRow("question not a number")
      << QByteArray("[plik]\nkategoria=B\npunktow=3\npnr7=abc\n") << "pnr7";
  QTest::newRow("question 0") << QByteArray("[plik]\nkategoria=B\npunktow=3\npnr3=0\n") << "pnr3";
  QTest::newRow("question beyond the category")
      << QByteArray("[plik]\nkategoria=B\npunktow=3\npnr50=961\n") << "pnr50";
  QTest::newRow("category E") << QByteArray("[plik]\nkategoria=E\npunktow=3\n") << "\"E\"";
  QTest::newRow("category in lower case")
      << QByteArray("[plik]\nkategoria=b\npunktow=3\n") << "\"b\"";
}

void TestMockTest::badSavedTests() {
  QFETCH(QByteArray, content);
  QFETCH(QString, problem);
  testsupport::TempFolder folder;
  folder.write("bad.rqt", content);
  mocktest::SavedTest read;
  read.points = -5;
  QString error;
  QVERIFY(!mocktest::readSavedTest(folder.filePath("bad.rqt"), &read, &error));
  QVERIFY2(error.contains("bad.rqt") && error.contains(problem), qPrintable(error));
  QCOMPARE(read.points, -5);  // nothing filled
}

void TestMockTest::setUpShowsSlotOne() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.menudockItemClick(2);
  QTest::mouseClick(form.nowytest, Qt::LeftButton);
  QVERIFY(form.state().testRunning);
  QVERIFY(form.nowytest->statusVisible());
  QVERIFY(form.zegartimer->isActive());
  QCOMPARE(form.labelmin->text(), QStringLiteral("56"));
  QCOMPARE(form.labelsec->text(), QStringLiteral("59"));
  QCOMPARE(form.state().currentTestSlot, 1);
  QCOMPARE(form.state().lastMessage, slot(99) + " B");
  QCOMPARE(form.numertest->value(), form.testSlots()[0].questionNumber);
  QTRY_COMPARE(form.memopytanieabctest->toPlainText(),
               QStringLiteral("Question %1?").arg(form.testSlots()[0].questionNumber));
  for (int k = 0; k < 50; ++k) {
    QCOMPARE(form.gridButtons[k]->color(), kSkyBlue);
    QVERIFY(!form.gridButtons[k]->statusVisible());
    QVERIFY(form.testSlots()[k].givenLetters.isEmpty());
    QCOMPARE(form.testSlots()[k].questionText,
             QStringLiteral("Question %1?").arg(form.testSlots()[k].questionNumber));
  }
  QVERIFY(form.raportpanel->isHidden());
}

void TestMockTest::answering_data() {
  QTest::addColumn<QString>("clicks");
  QTest::addColumn<QString>("given");
  QTest::newRow("A, C, A again") << "ACA"
                                 << "C";
  QTest::newRow("C then B") << "CB"
                            << "BC";
  QTest::newRow("all six") << "FEDCBA"
                           << "ABCDEF";
  QTest::newRow("all taken back") << "ABBA"
                                  << "";
}

void TestMockTest::answering() {
  QFETCH(QString, clicks);
  QFETCH(QString, given);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  form.selectSlot(7);
  for (const QChar letter : clicks) {
    form.findChild<controls::RoundButton*>(QString(letter.toLower()) + "buttontest")->click();
  }
  QCOMPARE(form.testSlots()[6].givenLetters, given);
  QCOMPARE(form.gridButtons[6]->color(), given.isEmpty() ? kSkyBlue : kLightYellow);
  // Coming back to the slot shows the letters again.
  form.selectSlot(8);
  form.selectSlot(7);
  for (int i = 0; i < 6; ++i) {
    const bool selected = given.contains(QChar('A' + i));
    QCOMPARE(form.state().selectionFlags[i], selected);
  }
}

void TestMockTest::nextAndPrevAtTheEnds() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  form.PrevTestButton->click();
  QCOMPARE(form.state().currentTestSlot, 1);
  form.selectSlot(49);
  form.NextTestButton->click();
  QCOMPARE(form.state().currentTestSlot, 50);
  QVERIFY(form.gridButtons[49]->statusVisible());
  QCOMPARE(form.gridButtons[49]->statusCaption(), QStringLiteral("*"));
  form.NextTestButton->click();
  QCOMPARE(form.state().currentTestSlot, 50);
  form.PrevTestButton->click();
  QCOMPARE(form.state().currentTestSlot, 49);
}

void TestMockTest::scoring_data() {
  QTest::addColumn<int>("right");
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("counter");
  QTest::addColumn<int>("hint");
  QTest::newRow("42 fail") << 42 << slot(100) + " 42 " + slot(189) + " 50 (84 %)"
                           << "niezdane" << 101;
  QTest::newRow("43 pass") << 43 << slot(102) + " 43 " + slot(189) + " 50 (86 %)"
                           << "zdane" << 103;
  QTest::newRow("all 50") << 50 << slot(102) + " 50 " + slot(189) + " 50 (100 %)"
                          << "zdane" << 103;
}

void TestMockTest::scoring() {
  QFETCH(int, right);
  QFETCH(QString, line);
  QFETCH(QString, counter);
  QFETCH(int, hint);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton26->click();  // C
  form.nowytestClick();
  for (int k = 1; k <= right; ++k)
    answerRightly(form, k);
  form.koniec->click();
  QCOMPARE(form.state().testPoints, right);
  QCOMPARE(form.memopytanieabctest->toPlainText(), line);
  QCOMPARE(form.state().lastMessage, slot(hint));
  QCOMPARE(statValue("C", "egzamin", counter), QStringLiteral("1"));
  QCOMPARE(statValue("C", "stats", "wyniki"),
           right >= 43 ? QStringLiteral("10000") : QStringLiteral("00000"));
  for (int k = 0; k < 50; ++k)
    QCOMPARE(form.gridButtons[k]->color(), k < right ? kLightGreen : kLightRed);
  QVERIFY(!form.state().testRunning);
  QVERIFY(!form.zegartimer->isActive());
  QVERIFY(form.raportpanel->isVisible() || !form.isVisible());
  QVERIFY(form.AdvSmoothButton76->isEnabled());
  QVERIFY(!form.koniec->isEnabled());
  QCOMPARE(form.numertest->value(), 0);
  QCOMPARE(archiveFiles("C").size(), 1);
}

void TestMockTest::onlyPartlyAnsweredSlotIsCollected() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  const int second = form.testSlots()[1].questionNumber;
  answer(form, 2, wrongLetter(testsupport::smallBankLetters(second)));
  form.koniecClick();
  QCOMPARE(form.gridButtons[0]->color(), kLightRed);  // unanswered
  QCOMPARE(form.gridButtons[1]->color(), kLightRed);  // answered wrongly
  QCOMPARE(form.dopowtorkilistbox1->count(), 1);
  QCOMPARE(form.dopowtorkilistbox1->item(0).caption, QString::number(second));
  // Stored with the finish.
  QFile list(platform::userFilePath("repeat-b2015uk.txt"));
  QVERIFY(list.open(QIODevice::ReadOnly));
  QCOMPARE(list.readAll(), QByteArray::number(second) + "\r\n");
}

void TestMockTest::clockRunningOutFinishes() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  answerRightly(form, 1);
  for (int tick = 0; tick < 3418; ++tick)
    form.zegartimerTimer();
  QVERIFY(form.state().testRunning);
  QCOMPARE(form.labelmin->text(), QStringLiteral("00"));
  QCOMPARE(form.labelsec->text(), QStringLiteral("01"));
  form.zegartimerTimer();
  QVERIFY(!form.state().testRunning);
  QVERIFY(!form.zegartimer->isActive());
  QCOMPARE(form.labelmin->text(), QStringLiteral("00"));
  QCOMPARE(form.labelsec->text(), QStringLiteral("00"));
  QCOMPARE(form.state().testPoints, 1);
  QCOMPARE(statValue("B", "egzamin", "niezdane"), QStringLiteral("1"));
  QCOMPARE(archiveFiles("B").size(), 1);
}

void TestMockTest::newTestWhileRunning_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("No keeps the test") << false;
  QTest::newRow("Yes finishes and starts again") << true;
}

void TestMockTest::newTestWhileRunning() {
  QFETCH(bool, yes);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  answer(form, 5, "BD");
  for (int tick = 0; tick < 30; ++tick)
    form.zegartimerTimer();
  const mocktest::TestSlots before = form.testSlots();
  started.dialogs.queueAnswer(yes);
  form.nowytest->click();
  QCOMPARE(started.dialogs.last().text, slot(98));
  QVERIFY(form.state().testRunning);
  QVERIFY(form.zegartimer->isActive());
  if (!yes) {
    QCOMPARE(form.labelsec->text(), QStringLiteral("29"));
    QCOMPARE(form.testSlots()[4].givenLetters, QStringLiteral("BD"));
    QCOMPARE(form.state().currentTestSlot, 5);
    form.answerTestClick(0);  // answering goes on where it was
    QCOMPARE(form.testSlots()[4].givenLetters, QStringLiteral("ABD"));
    QCOMPARE(archiveFiles("B").size(), 0);
    return;
  }
  QCOMPARE(archiveFiles("B").size(), 1);
  QCOMPARE(statValue("B", "egzamin", "niezdane"), QStringLiteral("1"));
  QCOMPARE(form.labelmin->text(), QStringLiteral("56"));
  QCOMPARE(form.labelsec->text(), QStringLiteral("59"));
  QCOMPARE(form.state().currentTestSlot, 1);
  QVERIFY(form.testSlots()[4].givenLetters.isEmpty());
  QVERIFY(form.koniec->isEnabled());
  QCOMPARE(form.state().lastMessage, slot(99) + " B");
  Q_UNUSED(before);
}

void TestMockTest::archiveEntryForSetClock() {
  StartedForm started;
  started.clock.set(QDateTime(QDate(2015, 1, 27), QTime(14, 5, 9)));
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  answerRightly(form, 1);
  answer(form, 2, "A");
  form.koniecClick();
  QCOMPARE(archiveFiles("B"), QStringList{"2015-01-27-h-14--05--09"});
  mocktest::SavedTest saved;
  QString error;
  QVERIFY(mocktest::readSavedTest(platform::archiveFolder("B") + "2015-01-27-h-14--05--09", &saved,
                                  &error));
  QCOMPARE(saved.category, QStringLiteral("B"));
  QCOMPARE(saved.points, form.state().testPoints);
  QCOMPARE(saved.language, QStringLiteral("en"));
  for (int k = 0; k < 50; ++k) {
    QCOMPARE(saved.testSlots[k].questionNumber, form.testSlots()[k].questionNumber);
    QCOMPARE(saved.testSlots[k].correctLetters, form.testSlots()[k].correctLetters);
    QCOMPARE(saved.testSlots[k].givenLetters, form.testSlots()[k].givenLetters);
  }
  QVERIFY(saved.testSlots[2].givenLetters.isEmpty());
}

void TestMockTest::openFileWithOnlyCategoryAndPoints() {
  StartedForm started;
  TForm1& form = *started.form;
  install_->user.writeFile("short.rqt", "[plik]\r\nkategoria=D\r\npunktow=12\r\n");
  started.dialogs.queueFileName(install_->user.userFolder() + "short.rqt");
  form.AdvSmoothButton83->click();  // Open, before any test was drawn
  QCOMPARE(form.state().currentCategory, QStringLiteral("D"));
  for (int k = 0; k < 50; ++k) {
    QCOMPARE(form.testSlots()[k].questionNumber, 1);
    QVERIFY(form.testSlots()[k].givenLetters.isEmpty());
    QCOMPARE(form.gridButtons[k]->color(), kLightRed);
  }
  QCOMPARE(form.state().testPoints, 0);  // recounted, not taken from the file
  QVERIFY(!form.zegartimer->isActive());
  QVERIFY(!form.state().testRunning);
  QCOMPARE(form.state().currentTestSlot, 1);
  QCOMPARE(form.gridButtons[0]->statusCaption(), QStringLiteral("1"));
  QCOMPARE(form.state().lastMessage, slot(134) + " " + install_->user.userFolder() + "short.rqt");
  QTRY_COMPARE(form.memopytanieabctest->toPlainText(), QStringLiteral("Question 1?"));
}

void TestMockTest::openedTestIsNotArchivedAgain() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  answerRightly(form, 1);
  answerRightly(form, 2);
  form.koniecClick();
  const QStringList files = archiveFiles("B");
  QCOMPARE(files.size(), 1);
  started.clock.advanceSeconds(60);
  started.dialogs.queueFileName(platform::archiveFolder("B") + files.first());
  form.AdvSmoothButton83Click();
  QCOMPARE(archiveFiles("B"), files);
  QCOMPARE(form.state().testPoints, 2);
  QCOMPARE(statValue("B", "egzamin", "niezdane"), QStringLiteral("2"));
  QCOMPARE(form.gridButtons[0]->color(), kLightGreen);
  QCOMPARE(form.gridButtons[2]->color(), kLightRed);
}

void TestMockTest::badFileChangesNothing() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton24->click();  // A
  form.nowytestClick();
  answerRightly(form, 1);
  form.koniecClick();
  const QString stats = QString::fromUtf8(install_->user.readFile("statsa2015uk.ini"));
  const mocktest::TestSlots before = form.testSlots();
  const QStringList bad = {"[plik]\nkategoria=C\npunktow=x\nlang=de\n",
                           "[plik]\nkategoria=C\npunktow=3\nlang=de\npnr4=2000\n",
                           "[plik]\nkategoria=Q\npunktow=3\nlang=de\n"};
  for (const QString& content : bad) {
    install_->user.writeFile("bad.rqt", content.toUtf8());
    const int errors = started.dialogs.count(ScriptedDialogs::Kind::Error);
    started.dialogs.queueFileName(install_->user.userFolder() + "bad.rqt");
    form.AdvSmoothButton83Click();
    QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), errors + 1);
    QVERIFY(started.dialogs.last().text.contains("bad.rqt"));
    QCOMPARE(form.state().currentCategory, QStringLiteral("A"));
    QCOMPARE(form.state().currentLanguage, QStringLiteral("en"));
    QCOMPARE(form.state().testPoints, 1);
    QCOMPARE(QString::fromUtf8(install_->user.readFile("statsa2015uk.ini")), stats);
    for (int k = 0; k < 50; ++k) {
      QCOMPARE(form.testSlots()[k].questionNumber, before[k].questionNumber);
    }
  }
}

void TestMockTest::openingFromTheCommandLine() {
  install_->user.writeFile("mine.rqt",
                           "[plik]\r\nkategoria=C\r\npunktow=1\r\nlang=en\r\npnr1=4\r\nodp1=B\r\n");
  StartedForm started(install_->user.userFolder() + "mine.rqt");
  TForm1& form = *started.form;
  QCOMPARE(form.state().currentCategory, QStringLiteral("C"));
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet5);
  QCOMPARE(form.state().testPoints, 1);
  QCOMPARE(form.gridButtons[0]->color(), kLightGreen);
  QVERIFY(!form.zegartimer->isActive());
  QCOMPARE(form.state().lastMessage, slot(134) + ": mine.rqt, " + slot(11) + " C");
  QCOMPARE(archiveFiles("C").size(), 0);
  QCOMPARE(statValue("C", "egzamin", "niezdane"), QStringLiteral("1"));
}

void TestMockTest::saveAppendsExtension() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  form.koniecClick();
  testsupport::TempFolder folder;
  started.dialogs.queueFileName(folder.filePath("Test-27.01.2015-h-14.05.09"));
  form.AdvSmoothButton23->click();
  QVERIFY(QFile::exists(folder.filePath("Test-27.01.2015-h-14.05.09.rqt")));
  QVERIFY(started.dialogs.shown().last().text.startsWith("Test-"));
  QCOMPARE(form.state().lastMessage,
           slot(135) + " " + folder.filePath("Test-27.01.2015-h-14.05.09.rqt"));
}

void TestMockTest::bankTooShortNeverStartsTheClock() {
  install_->program.write("05xceu.dll", "\"header\"\r\n\"Q?\",a,b,c,d,,,n,,A\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton26->click();
  started.dialogs.clear();
  form.nowytestClick();
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), 1);
  QVERIFY(started.dialogs.last().text.contains("05xceu.dll"));
  QVERIFY(!form.state().testRunning);
  QVERIFY(!form.zegartimer->isActive());
  QVERIFY(!form.nowytest->statusVisible());
}

QTEST_MAIN(TestMockTest)
#include "tst_mocktest.moc"
