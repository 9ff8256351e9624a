#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "app/auxwindows.h"
#include "controls/roundbutton.h"
#include "controls/verticaldock.h"
#include "guifixture.h"
#include "platform/inifile.h"

using platform::ScriptedDialogs;
using testsupport::slot;
using testsupport::StartedForm;
using testsupport::statValue;

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kLightYellow(0xFF, 0xFF, 0x80);

QVector<bool> indicators(const TForm1& form) {
  QVector<bool> shown;
  for (int item = 0; item < form.menudock->count(); ++item) {
    shown << form.menudock->itemStatusVisible(item);
  }
  return shown;
}

}  // namespace

class TestNavigation : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void languageSwitchChangesCaptionsAndIsRestored();
  void resultLineFollowsLanguage();
  void missingLangIniKeepsFormCaptions();
  void hintBarTwoMessages();
  void lastMessageShownAgain();
  void dockItems_data();
  void dockItems();
  void learningItemTwice();
  void menuDuringRunningTest_data();
  void menuDuringRunningTest();
  void testRulesFollowLanguage();
  void toastKeepsItsFirstTimer();
  void shortcutHintInGerman();
  void everyFocusableControlHasAName();

 private:
  std::unique_ptr<testsupport::TempUserFolder> user_;
};

void TestNavigation::init() {
  QVERIFY(testsupport::enterBuiltProgramFolder());
  user_ = std::make_unique<testsupport::TempUserFolder>();
  QVERIFY(platform::ensureUserFolder());
}

void TestNavigation::cleanup() {
  user_.reset();
}

void TestNavigation::languageSwitchChangesCaptionsAndIsRestored() {
  {
    StartedForm started;
    TForm1& form = *started.form;
    form.polskibtnClick();
    QCOMPARE(form.Label9->text(), slot(4, "pl"));
    QCOMPARE(form.menudock->itemCaption(1), slot(6, "pl"));
    QCOMPARE(form.menudock->itemCaption(4), slot(9, "pl"));
    QCOMPARE(form.GroupBox4->title(), slot(26, "pl"));
    QCOMPARE(form.regulybtn->statusCaption(), slot(39, "pl"));
    QCOMPARE(form.updatebutton->text(), slot(16, "pl"));
    QCOMPARE(form.texts().s(112), slot(112, "pl"));
    form.deutschbtnClick();
    QCOMPARE(form.Label8->text(), slot(12, "de"));
    form.polskibtnClick();
  }
  // The next start restores it.
  StartedForm again;
  QCOMPARE(again->state().currentLanguage, QStringLiteral("pl"));
  QCOMPARE(again->Label9->text(), slot(4, "pl"));
  QCOMPARE(again->menudock->itemCaption(2), slot(7, "pl"));
}

void TestNavigation::resultLineFollowsLanguage() {
  StartedForm started;
  TForm1& form = *started.form;
  const QString english = slot(100, "en") + " 0 " + slot(189, "en") + " 50 (0 %)";
  QCOMPARE(form.memopytanieabctest->toPlainText(), english);
  form.state().testPoints = 43;
  form.deutschbtnClick();
  QCOMPARE(form.memopytanieabctest->toPlainText(),
           slot(102, "de") + " 43 " + slot(189, "de") + " 50 (86 %)");
}

void TestNavigation::missingLangIniKeepsFormCaptions() {
  // A program folder without lang.ini: the captions of the form stay, slots are empty.
  testsupport::TempFolder program;
  program.write("data/.keep", "");
  QVERIFY(QDir::setCurrent(program.path()));
  StartedForm started;
  TForm1& form = *started.form;
  QCOMPARE(form.Label7->text(), QStringLiteral("Roadquiz 2015"));
  QCOMPARE(form.AdvSmoothButton25->statusCaption(), QStringLiteral("category B"));
  QCOMPARE(form.menudock->itemCaption(3), QStringLiteral("Highway code, road signs"));
  QCOMPARE(form.texts().s(1), QString());
  QCOMPARE(form.state().lastMessage, QString());
  // The language is still stored.
  form.deutschbtnClick();
  QCOMPARE(platform::IniFile::read(platform::userFilePath("settingsuk.ini"), "jezyk", "lang", ""),
           QStringLiteral("de"));
  QVERIFY(testsupport::enterBuiltProgramFolder());
}

void TestNavigation::hintBarTwoMessages() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QVERIFY(form.Timer15->isActive());  // runs from the start
  QVERIFY(form.hintbutton->isHidden());

  form.ShowHintBar("first");
  QVERIFY(form.hintbutton->isVisible());
  QTest::qWait(50);
  form.ShowHintBar("second");
  QCOMPARE(form.hintbutton->text(), QStringLiteral("second"));
  QCOMPARE(form.state().lastMessage, QStringLiteral("second"));
  // The five seconds start again with the second message.
  QVERIFY(form.Timer15->isActive());
  QVERIFY(form.Timer15->remainingTime() > 4000);
  // The slide in ends with the bar in its place above the panel.
  QTRY_COMPARE(form.hintbutton->geometry(),
               QRect(form.mainpanel->pos() + QPoint(0, -25), QSize(930, 27)));

  // A tick hides the bar and leaves the timer running.
  form.Timer15Timer();
  QTRY_VERIFY(form.hintbutton->isHidden());
  QVERIFY(form.Timer15->isActive());
}

void TestNavigation::lastMessageShownAgain() {
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  QTest::mouseClick(form.toastagainbutton, Qt::LeftButton);
  QCOMPARE(form.hintbutton->text(), QStringLiteral("Roadquiz 2015"));
  QVERIFY(form.hintbutton->isVisible());
}

void TestNavigation::dockItems_data() {
  QTest::addColumn<int>("item");
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("highlighted");  // left-panel button in light yellow, or empty
  QTest::addColumn<int>("hint");             // slot shown in the hint bar, 0 for none
  QTest::newRow("Menu") << 0 << "TabSheet1"
                        << "menubutton" << 0;
  QTest::newRow("Learning") << 1 << "TabSheet2"
                            << "AdvSmoothButton31" << 130;
  QTest::newRow("Test") << 2 << "TabSheet5"
                        << "AdvSmoothButton37" << 131;
  QTest::newRow("Highway code, road signs") << 3 << "TabSheet13"
                                            << "" << 0;
  QTest::newRow("Recent tests") << 4 << "TabSheet18"
                                << "" << 0;
}

void TestNavigation::dockItems() {
  QFETCH(int, item);
  QFETCH(QString, page);
  QFETCH(QString, highlighted);
  QFETCH(int, hint);
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.highwaysignsbtnClick();  // brings up the left panel
  QVERIFY(form.leftpanel->isVisible());

  // Go through the dock as a user does, by clicking the item.
  QTest::mouseClick(form.menudock, Qt::LeftButton, {}, form.menudock->itemRect(item).center());
  QCOMPARE(form.PageControl1->currentWidget()->objectName(), page);
  QCOMPARE(form.state().learningPage, item == 1);
  QVector<bool> expected(5, false);
  if (item > 0)
    expected[item] = true;
  QCOMPARE(indicators(form), expected);
  if (!highlighted.isEmpty()) {
    auto* button = form.findChild<controls::RoundButton*>(highlighted);
    QCOMPARE(button->color(), kLightYellow);
  }
  if (hint)
    QCOMPARE(form.state().lastMessage, slot(hint, "en"));
  QCOMPARE(form.leftpanel->isVisible(), item != 0);
}

void TestNavigation::learningItemTwice() {
  StartedForm started;
  TForm1& form = *started.form;
  form.menudockItemClick(1);
  QVERIFY(form.state().learningPage);
  form.menudockItemClick(1);
  QCOMPARE(form.state().lastMessage, slot(129, "en"));
  // Opening the test page switches the learning keys off and resets the highlight.
  form.menudockItemClick(2);
  QVERIFY(!form.state().learningPage);
  QCOMPARE(form.AdvSmoothButton31->color(), kSkyBlue);
}

void TestNavigation::menuDuringRunningTest_data() {
  QTest::addColumn<bool>("answerYes");
  QTest::newRow("No keeps the test") << false;
  QTest::newRow("Yes leaves it") << true;
}

void TestNavigation::menuDuringRunningTest() {
  QFETCH(bool, answerYes);
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.highwaysignsbtnClick();
  form.menudockItemClick(2);
  form.state().testRunning = true;
  started.dialogs.queueAnswer(answerYes);
  form.menudockItemClick(0);
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::YesNo), 1);
  QCOMPARE(started.dialogs.last().text, slot(112, "en"));
  QCOMPARE(started.dialogs.last().caption, QStringLiteral("Roadquiz 2015"));
  QCOMPARE(form.PageControl1->currentWidget(), answerYes ? form.TabSheet1 : form.TabSheet5);
  QCOMPARE(form.leftpanel->isVisible(), !answerYes);
}

void TestNavigation::testRulesFollowLanguage() {
  StartedForm started;
  TForm1& form = *started.form;
  QTimer::singleShot(0, form.helpform, &QDialog::accept);
  form.regulybtnClick();
  QCOMPARE(form.helpform->windowTitle(), QStringLiteral("Theory test rules."));
  form.polskibtnClick();
  QTimer::singleShot(0, form.helpform, &QDialog::accept);
  QTest::mouseClick(form.regulybtn, Qt::LeftButton);
  QCOMPARE(form.helpform->windowTitle(), QStringLiteral("Zasady egzaminu na prawo jazdy."));
  const QString text = form.helpform->Memo1->toPlainText();
  QVERIFY(text.startsWith(QStringLiteral("- Zasady egzaminu:\n\n-  Test składa się")));
  QCOMPARE(text.count('\n'), 5);
  QVERIFY(!text.contains(QStringLiteral("Gesamtpunktzahl")));
}

void TestNavigation::toastKeepsItsFirstTimer() {
  StartedForm started;
  Tmsgform& toast = *started->msgform;
  toast.showResult(true);
  QVERIFY(toast.isVisible());
  QVERIFY(toast.imagetak->isVisibleTo(&toast));
  QTest::qWait(300);
  toast.showResult(false);
  QVERIFY(toast.imagenie->isVisibleTo(&toast));
  QVERIFY(!toast.imagetak->isVisibleTo(&toast));
  // The second check did not restart the 800 ms.
  QVERIFY(toast.Timer1->remainingTime() <= 600);
  QTRY_VERIFY(!toast.isVisible());
  QVERIFY(!toast.Timer1->isActive());
}

void TestNavigation::shortcutHintInGerman() {
  StartedForm started;
  started->deutschbtnClick();
  QTimer::singleShot(0, started->arrowform, &QDialog::accept);
  started->showShortcutHint();
  QCOMPARE(started->arrowform->pytanielabel->text(), QStringLiteral("Fragen:"));
  QCOMPARE(started->arrowform->rightlabel->text(), QStringLiteral("Nächstes"));
}

void TestNavigation::everyFocusableControlHasAName() {
  // What a keyboard can reach, a screen reader must be able to name, on every page.
  StartedForm started;
  TForm1& form = *started.form;
  form.show();
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  form.koniecClick();
  QStringList unnamed;
  for (int page = 0; page < form.PageControl1->count(); ++page) {
    form.PageControl1->setCurrentIndex(page);
    for (QWidget* widget : form.findChildren<QWidget*>()) {
      if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus)
        continue;
      if (widget->inherits("QWebEngineView") || widget->parentWidget()->inherits("QWebEngineView"))
        continue;
      // A scroll area's viewport is named by the scroll area itself.
      auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
      if (area && area->viewport() == widget)
        continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
        const QString name = (widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                             : widget->objectName()) +
                             " in " + widget->parentWidget()->objectName();
        if (!unnamed.contains(name))
          unnamed << name;
      }
    }
  }
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
