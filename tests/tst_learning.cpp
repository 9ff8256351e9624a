#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "controls/onoffslider.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "controls/verticaldock.h"
#include "guifixture.h"
#include "learning/answercheck.h"
#include "learning/revisionlist.h"
#include "platform/inifile.h"
#include "stats/statsfile.h"

using platform::ScriptedDialogs;
using testsupport::slot;
using testsupport::StartedForm;
using testsupport::statValue;

namespace {

QStringList listEntries(const TForm1& form) {
  QStringList entries;
  for (int i = 0; i < form.dopowtorkilistbox1->count(); ++i) {
    entries << form.dopowtorkilistbox1->item(i).caption;
  }
  return entries;
}

QByteArray storedList(const QString& code) {
  QFile file(platform::userFilePath(platform::revisionListFileName(code)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void go(TForm1& form, int number) {
  form.numeredit->setText(QString::number(number));
  form.numereditEnter();
}

void markAndCheck(TForm1& form, const QString& letters) {
  for (const QChar letter : letters)
    form.markAnswer(letter.unicode() - 'A');
  form.sprawdzbuttonClick();
}

}  // namespace

class TestLearning : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  // Logic without a window.
  void numberEntryTarget_data();
  void numberEntryTarget();
  void revisionListFormat();

  // The learning page.
  void freshInstallOpensQuestionOne();
  void switchingCategoriesShowsTheNewOne();
  void reenteringCurrentCategory();
  void numberEntry_data();
  void numberEntry();
  void fifthDigitCannotBeTyped();
  void nextAndBackAtTheEnds();
  void arrowKeysOnlyWhileLearning();
  void pictureAndFiveAnswerQuestions();
  void check_data();
  void check();
  void wrongAnswerAddedOncePerDisplay();
  void switchOffStopsCollecting();
  void revisionRunToItsEnd();
  void stoppingARun();
  void runWithEmptyListChangesNothing();
  void importKeepsQuestionNumbersOnly();
  void exportWritesTheList();
  void storedListSurvivesDockDetour();
  void listNeverLoadedIsNeverWritten();
  void deletedEntriesStayDeleted();
  void nonNumericCounterCountsAsZero();
  void bankErrorIsShownNotFatal();

 private:
  std::unique_ptr<testsupport::SmallInstallation> install_;
};

void TestLearning::init() {
  install_ = std::make_unique<testsupport::SmallInstallation>();
}

void TestLearning::cleanup() {
  install_.reset();
}

void TestLearning::numberEntryTarget_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("target");
  QTest::newRow("in range") << "12" << 960 << 12;
  QTest::newRow("first") << "1" << 827 << 1;
  QTest::newRow("last") << "827" << 827 << 827;
  QTest::newRow("above the count clamps") << "9999" << 827 << 827;
  QTest::newRow("zero does nothing") << "0" << 827 << 0;
  QTest::newRow("empty does nothing") << "" << 827 << 0;
  QTest::newRow("leading zeros") << "0042" << 960 << 42;
}

void TestLearning::numberEntryTarget() {
  QFETCH(QString, text);
  QFETCH(int, count);
  QFETCH(int, target);
  QCOMPARE(learning::numberEntryTarget(text, count), target);
}

void TestLearning::revisionListFormat() {
  QCOMPARE(learning::serializeRevisionList({"17", "3"}), QByteArray("17\r\n3\r\n"));
  QCOMPARE(learning::serializeRevisionList({}), QByteArray());
  int skipped = -1;
  QCOMPARE(learning::parseRevisionList("3\r\n3\n200\rabc\r\n0\r\n961\r\n 7 \r\n", 960, &skipped),
           (QStringList{"3", "3", "200", "7"}));
  QCOMPARE(skipped, 3);
  QCOMPARE(learning::parseRevisionList("", 960, &skipped), QStringList());
  QCOMPARE(skipped, 0);
}

void TestLearning::freshInstallOpensQuestionOne() {
  StartedForm started;
  TForm1& form = *started.form;
  QTest::mouseClick(form.AdvSmoothButton25, Qt::LeftButton);
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet2);
  QVERIFY(form.state().learningPage);
  QVERIFY(form.leftpanel->isVisible() || !form.isVisible());
  QCOMPARE(form.numer->value(), 1);
  QCOMPARE(form.numeredit->text(), QStringLiteral("1"));
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question 1?"));
  QCOMPARE(form.abutton->text(), QStringLiteral("A 1"));
  QCOMPARE(form.casememonauka->toPlainText(), QStringLiteral("Note 1"));
  QCOMPARE(form.GroupBox1->title(), " " + slot(188) + " 1 " + slot(189) + " 960");
  QCOMPARE(form.markbutton->text(), QStringLiteral("mark 1 answer"));
  QCOMPARE(form.Label1->text(), slot(11) + " B");
  QCOMPARE(form.windowTitle(), "Roadquiz 2015 - " + slot(11) + " B");
  QCOMPARE(statValue("B", "last", "pytanie"), QStringLiteral("1"));
  QCOMPARE(form.state().lastMessage, slot(11) + " B");
  QVERIFY(form.menudock->itemStatusVisible(1));
}

void TestLearning::switchingCategoriesShowsTheNewOne() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton24->click();  // A, question 1
  QCOMPARE(form.GroupBox1->title(), " " + slot(188) + " 1 " + slot(189) + " 827");
  go(form, 9);
  form.AdvSmoothButton25->click();  // B, also question 1: B's record, not A's
  QCOMPARE(form.state().currentCategory, QStringLiteral("B"));
  QCOMPARE(form.numer->value(), 1);
  QCOMPARE(form.GroupBox1->title(), " " + slot(188) + " 1 " + slot(189) + " 960");
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question 1?"));
  // Back to A: its remembered question comes up.
  form.AdvSmoothButton24->click();
  QCOMPARE(form.numer->value(), 9);
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question 9?"));
}

void TestLearning::reenteringCurrentCategory() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  go(form, 17);
  markAndCheck(form, "A");  // 17 takes C: wrong, collected
  QCOMPARE(listEntries(form), QStringList{"17"});
  form.AdvSmoothButton25->click();
  QCOMPARE(storedList("B"), QByteArray("17\r\n"));
  QCOMPARE(listEntries(form), QStringList{"17"});
  QCOMPARE(form.numer->value(), 17);
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question 17?"));
}

void TestLearning::numberEntry_data() {
  QTest::addColumn<QString>("category");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("shown");
  QTest::addColumn<QString>("field");
  QTest::newRow("in range") << "B"
                            << "12" << 12 << "12";
  QTest::newRow("9999 in A") << "A"
                             << "9999" << 827 << "827";
  QTest::newRow("9999 in C") << "C"
                             << "9999" << 1031 << "1031";
  QTest::newRow("0 changes nothing") << "A"
                                     << "0" << 3 << "0";
  QTest::newRow("empty changes nothing") << "D"
                                         << "" << 3 << "";
}

void TestLearning::numberEntry() {
  QFETCH(QString, category);
  QFETCH(QString, typed);
  QFETCH(int, shown);
  QFETCH(QString, field);
  StartedForm started;
  TForm1& form = *started.form;
  form.enterCategory(category);
  go(form, 3);
  form.numeredit->clear();
  QTest::keyClicks(form.numeredit, typed);
  QTest::keyClick(form.numeredit, Qt::Key_Return);
  QCOMPARE(form.numer->value(), shown);
  QCOMPARE(form.numeredit->text(), field);
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question %1?").arg(shown));
}

void TestLearning::fifthDigitCannotBeTyped() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.numeredit->clear();
  QTest::keyClicks(form.numeredit, "12a345");
  QCOMPARE(form.numeredit->text(), QStringLiteral("1234"));
}

void TestLearning::nextAndBackAtTheEnds() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton27->click();  // D
  go(form, 974);
  form.AdvSmoothButton30->click();
  QCOMPARE(form.numer->value(), 974);
  QVERIFY(!form.AdvSmoothButton30->isEnabled());  // until the 100 ms timer
  QTRY_VERIFY(form.AdvSmoothButton30->isEnabled());
  go(form, 1);
  form.AdvSmoothButton29->click();
  QCOMPARE(form.numer->value(), 1);
  QTRY_VERIFY(form.AdvSmoothButton29->isEnabled());
  form.AdvSmoothButton30->click();
  QCOMPARE(form.numer->value(), 2);
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Question 2?"));
  QTRY_VERIFY(form.AdvSmoothButton29->isEnabled());
  form.AdvSmoothRotaryMenu1ItemClick(3);  // Back through the rotary menu
  QCOMPARE(form.numer->value(), 1);
  QCOMPARE(statValue("D", "last", "pytanie"), QStringLiteral("1"));
}

void TestLearning::arrowKeysOnlyWhileLearning() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.AdvSmoothButton25->click();
  go(form, 10);
  controls::SmoothListItem entry;
  entry.caption = "10";
  form.dopowtorkilistbox1->addItem(entry);
  form.dopowtorkilistbox1->setSelectedIndex(0);
  // Even with the number field focused, Right steps on; any release clears the selection.
  form.numeredit->setFocus();
  QTest::keyRelease(form.numeredit, Qt::Key_Right);
  QCOMPARE(form.numer->value(), 11);
  QCOMPARE(form.dopowtorkilistbox1->selectedIndex(), -1);
  QTRY_VERIFY(form.AdvSmoothButton29->isEnabled());
  QTest::keyRelease(form.numeredit, Qt::Key_Left);
  QCOMPARE(form.numer->value(), 10);
  QTRY_VERIFY(form.AdvSmoothButton30->isEnabled());

  // Away from learning the keys are left alone.
  form.menudockItemClick(2);
  QVERIFY(!form.state().learningPage);
  QTest::keyRelease(&form, Qt::Key_Right);
  QCOMPARE(form.numer->value(), 10);
  // The dock's Learning item brings them back.
  form.menudockItemClick(1);
  QVERIFY(form.state().learningPage);
  QTest::keyRelease(&form, Qt::Key_Right);
  QCOMPARE(form.numer->value(), 11);
}

void TestLearning::pictureAndFiveAnswerQuestions() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.AdvSmoothButton25->click();
  go(form, 5);
  for (int i = 0; i < 6; ++i) {
    controls::RoundButton* button =
        form.findChild<controls::RoundButton*>(QString(QChar('a' + i)) + "button");
    QVERIFY(button->isVisible());
    QVERIFY2(!button->picture().isNull(), qPrintable(button->objectName()));
    QCOMPARE(button->text(), QString());
  }
  go(form, 6);
  QVERIFY(form.ebutton->isVisible());
  QVERIFY(form.elabel->isVisible());
  QVERIFY(!form.fbutton->isVisible());
  QVERIFY(!form.flabel->isVisible());
  QCOMPARE(form.ebutton->text(), QStringLiteral("E 6"));
  QVERIFY(form.abutton->picture().isNull());
  QCOMPARE(form.markbutton->text(), QStringLiteral("mark 2 answers"));
}

void TestLearning::check_data() {
  QTest::addColumn<int>("question");
  QTest::addColumn<QString>("clicks");
  QTest::addColumn<QString>("hint");
  QTest::addColumn<QString>("correct");    // poprawne afterwards
  QTest::addColumn<QString>("incorrect");  // niepoprawne afterwards
  QTest::addColumn<QString>("badges");     // answers showing "Correct"
  QTest::addColumn<QStringList>("list");

  const QString wrongCount = "Mark 1 answer(s) and then click here again to check answer.";
  QTest::newRow("wrong number of marks") << 4 << "AB" << wrongCount << "<none>"
                                         << "<none>"
                                         << "" << QStringList{};
  QTest::newRow("right") << 4 << "B"
                         << "Correct answer!"
                         << "1"
                         << "<none>"
                         << "B" << QStringList{};
  QTest::newRow("wrong") << 3 << "AD"
                         << "Wrong answer!"
                         << "<none>"
                         << "1"
                         << "AC" << QStringList{"3"};
  QTest::newRow("AC marked C then A") << 3 << "CA"
                                      << "Correct answer!"
                                      << "1"
                                      << "<none>"
                                      << "AC" << QStringList{};
  QTest::newRow("a mark taken back") << 3 << "CAD" + QString("D") << "Correct answer!"
                                     << "1"
                                     << "<none>"
                                     << "AC" << QStringList{};
}

void TestLearning::check() {
  QFETCH(int, question);
  QFETCH(QString, clicks);
  QFETCH(QString, hint);
  QFETCH(QString, correct);
  QFETCH(QString, incorrect);
  QFETCH(QString, badges);
  QFETCH(QStringList, list);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  go(form, question);
  for (const QChar letter : clicks) {
    form.findChild<controls::RoundButton*>(QString(letter.toLower()) + "button")->click();
  }
  form.AdvSmoothRotaryMenu1ItemClick(2);  // check through the rotary menu
  QCOMPARE(form.state().lastMessage, hint);
  QCOMPARE(statValue("B", "nauka", "poprawne"), correct);
  QCOMPARE(statValue("B", "nauka", "niepoprawne"), incorrect);
  QString shown;
  for (int i = 0; i < 6; ++i) {
    auto* button = form.findChild<controls::RoundButton*>(QString(QChar('a' + i)) + "button");
    if (button->statusVisible())
      shown += QChar('A' + i);
    QCOMPARE(button->statusCaption(), QStringLiteral("     Correct"));
  }
  QCOMPARE(shown, badges);
  QCOMPARE(listEntries(form), list);
}

void TestLearning::wrongAnswerAddedOncePerDisplay() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.AdvSmoothButton25->click();
  go(form, 17);
  markAndCheck(form, "A");
  QVERIFY(form.plusimg->isVisible());
  QTRY_VERIFY(!form.plusimg->isVisible());
  form.sprawdzbuttonClick();  // same display, wrong again
  QCOMPARE(statValue("B", "nauka", "niepoprawne"), QStringLiteral("2"));
  QCOMPARE(listEntries(form), QStringList{"17"});
  // A new display allows it again.
  go(form, 18);
  go(form, 17);
  markAndCheck(form, "A");
  QCOMPARE(listEntries(form), (QStringList{"17", "17"}));
  // A correct answer to the selected entry removes it, and a later wrong check of the
  // same display does not bring it back.
  form.dopowtorkilistbox1->setSelectedIndex(0);
  form.markAnswer(0);
  markAndCheck(form, "C");
  QCOMPARE(listEntries(form), QStringList{"17"});
  form.markAnswer(2);
  markAndCheck(form, "A");
  QCOMPARE(listEntries(form), QStringList{"17"});
}

void TestLearning::switchOffStopsCollecting() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.AdvSmoothButton25->click();
  QTest::mouseClick(form.AdvSmoothSlider1, Qt::LeftButton);
  QVERIFY(!form.state().collecting);
  QCOMPARE(form.state().lastMessage, slot(133));
  go(form, 17);
  markAndCheck(form, "A");
  QCOMPARE(statValue("B", "nauka", "niepoprawne"), QStringLiteral("1"));
  QCOMPARE(listEntries(form), QStringList{});
  QTest::mouseClick(form.AdvSmoothSlider1, Qt::LeftButton);
  QCOMPARE(form.state().lastMessage, slot(132));
}

void TestLearning::revisionRunToItsEnd() {
  StartedForm started;
  TForm1& form = *started.form;
  install_->user.writeFile("repeat-b2015uk.txt", "4\r\n7\r\n");
  form.AdvSmoothButton25->click();
  go(form, 20);
  started.dialogs.queueAnswer(true);  // OK
  form.AdvSmoothButton77->click();
  QCOMPARE(started.dialogs.last().kind, ScriptedDialogs::Kind::OkCancel);
  QVERIFY(form.state().revisionRun);
  QVERIFY(form.AdvSmoothButton77->statusVisible());
  QVERIFY(!form.numeredit->isEnabled());
  QVERIFY(!form.AdvSmoothButton30->isEnabled());
  QVERIFY(!form.AdvSmoothSlider1->isOn());
  QCOMPARE(form.WczWyczpowtrk1->text(), slot(89));
  QTRY_COMPARE(form.numer->value(), 4);
  QCOMPARE(statValue("B", "last", "pytanie"), QStringLiteral("20"));  // not remembered

  markAndCheck(form, "B");
  QCOMPARE(listEntries(form), QStringList{"7"});
  QTRY_COMPARE(form.numer->value(), 7);
  markAndCheck(form, "B");
  QCOMPARE(listEntries(form), QStringList{});
  QCOMPARE(started.dialogs.last().kind, ScriptedDialogs::Kind::Information);
  QCOMPARE(started.dialogs.last().text, slot(154) + "\r" + slot(155) + "\r" + slot(156));
  QVERIFY(!form.state().revisionRun);
  QCOMPARE(form.numer->value(), 1);
  QCOMPARE(form.numeredit->text(), QStringLiteral("1"));
  QVERIFY(form.numeredit->isEnabled());
  QVERIFY(form.AdvSmoothSlider1->isOn());
  QVERIFY(form.state().collecting);
  QVERIFY(!form.AdvSmoothButton77->statusVisible());
  QCOMPARE(form.state().lastMessage, slot(157));
  QCOMPARE(statValue("B", "last", "pytanie"), QStringLiteral("1"));
}

void TestLearning::stoppingARun() {
  StartedForm started;
  TForm1& form = *started.form;
  install_->user.writeFile("repeat-b2015uk.txt", "4\r\n7\r\n");
  form.AdvSmoothButton25->click();
  started.dialogs.queueAnswer(true);
  form.AdvSmoothButton77->click();
  QTRY_COMPARE(form.numer->value(), 4);
  started.dialogs.queueAnswer(false);  // No keeps the run
  form.WczWyczpowtrk1->trigger();
  QVERIFY(form.state().revisionRun);
  started.dialogs.queueAnswer(true);
  form.WczWyczpowtrk1->trigger();
  QCOMPARE(started.dialogs.last().text, slot(108) + "\r" + slot(109));
  QVERIFY(!form.state().revisionRun);
  QVERIFY(form.numeredit->isEnabled());
  QVERIFY(form.AdvSmoothButton29->isEnabled());
  QVERIFY(form.AdvSmoothButton30->isEnabled());
  QCOMPARE(form.numer->value(), 1);
  QCOMPARE(form.WczWyczpowtrk1->text(), slot(110));
  QCOMPARE(listEntries(form), (QStringList{"4", "7"}));
}

void TestLearning::runWithEmptyListChangesNothing() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  started.dialogs.queueAnswer(true);
  form.AdvSmoothButton77->click();
  QCOMPARE(started.dialogs.last().text, slot(91) + "\r" + slot(92));
  QVERIFY(!form.state().revisionRun);
  QVERIFY(form.numeredit->isEnabled());
}

void TestLearning::importKeepsQuestionNumbersOnly() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  testsupport::TempFolder files;
  files.write("mine.pwt", "3\r\n3\r\n200\r\nabc\r\n0\r\n961\r\n");
  started.dialogs.queueAnswer(true);
  started.dialogs.queueFileName(files.filePath("mine.pwt"));
  form.Importujlistnumerwpytapowtrkowych1->trigger();
  QCOMPARE(listEntries(form), (QStringList{"3", "3", "200"}));
  QCOMPARE(started.dialogs.last().kind, ScriptedDialogs::Kind::Information);
  QVERIFY(started.dialogs.last().text.contains(": 3."));
  // Stored with the category at the next change.
  form.AdvSmoothButton24->click();
  QCOMPARE(storedList("B"), QByteArray("3\r\n3\r\n200\r\n"));
}

void TestLearning::exportWritesTheList() {
  StartedForm started;
  TForm1& form = *started.form;
  install_->user.writeFile("repeat-b2015uk.txt", "12\r\n40\r\n");
  form.AdvSmoothButton25->click();
  testsupport::TempFolder files;
  started.dialogs.queueAnswer(true);
  started.dialogs.queueFileName(files.filePath("out"));
  form.Eksportujlistnumerwpytapowtrkowych1->trigger();
  QFile exported(files.filePath("out.pwt"));
  QVERIFY(exported.open(QIODevice::ReadOnly));
  QCOMPARE(exported.readAll(), QByteArray("12\r\n40\r\n"));
  // No to the question: no dialog, nothing written.
  started.dialogs.queueAnswer(false);
  const int shown = started.dialogs.shown().size();
  form.Eksportujlistnumerwpytapowtrkowych1->trigger();
  QCOMPARE(started.dialogs.shown().size(), shown + 1);
}

void TestLearning::storedListSurvivesDockDetour() {
  install_->user.writeFile("repeat-b2015uk.txt", "12\r\n40\r\n");
  {
    StartedForm started;
    TForm1& form = *started.form;
    form.highwaysignsbtnClick();  // the dock before any category was chosen
    form.menudockItemClick(1);
    QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet2);
    QCOMPARE(listEntries(form), (QStringList{"12", "40"}));
    go(form, 17);
    markAndCheck(form, "A");
    form.close();
  }
  QCOMPARE(storedList("B"), QByteArray("12\r\n40\r\n17\r\n"));
}

void TestLearning::listNeverLoadedIsNeverWritten() {
  install_->user.writeFile("repeat-b2015uk.txt", "12\r\n");
  {
    StartedForm started;
    started->closebuttonClick();
  }
  QCOMPARE(storedList("B"), QByteArray("12\r\n"));
  for (const char* code : {"A", "C", "D"})
    QCOMPARE(storedList(code), QByteArray());
}

void TestLearning::deletedEntriesStayDeleted() {
  install_->user.writeFile("repeat-b2015uk.txt", "12\r\n40\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.dopowtorkilistbox1->setSelectedIndex(0);
  form.usun->trigger();
  form.dopowtorkilistbox1->setSelectedIndex(0);
  form.usun->trigger();
  QCOMPARE(listEntries(form), QStringList{});
  form.AdvSmoothButton24->click();
  QCOMPARE(storedList("B"), QByteArray());
  form.AdvSmoothButton25->click();
  QCOMPARE(listEntries(form), QStringList{});
}

void TestLearning::nonNumericCounterCountsAsZero() {
  install_->user.writeFile("statsb2015uk.ini",
                           "[nauka]\r\npoprawne=lots\r\n[last]\r\npytanie=x\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  QCOMPARE(form.numer->value(), 1);
  go(form, 4);
  markAndCheck(form, "B");
  QCOMPARE(statValue("B", "nauka", "poprawne"), QStringLiteral("1"));
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), 0);
}

void TestLearning::bankErrorIsShownNotFatal() {
  // A bank file cut short: the question cannot be read, the user is told why.
  install_->program.write("0w5aeu.dll", "\"header\"\r\n\"Q?\",a,b,c,d,,,n,,A\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton24->click();
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Q?"));
  go(form, 2);
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), 1);
  QVERIFY(started.dialogs.last().text.contains("0w5aeu.dll"));
  QVERIFY(started.dialogs.last().text.contains("line 2"));
  QCOMPARE(form.Memo3->toPlainText(), QString());
  go(form, 1);  // the program goes on
  QCOMPARE(form.Memo3->toPlainText(), QStringLiteral("Q?"));
}

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
