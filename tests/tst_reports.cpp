#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "controls/roundbutton.h"
#include "guifixture.h"
#include "platform/inifile.h"
#include "reports/engine/report.h"
#include "reports/reportvariables.h"

using reports::engine::ExportFormat;
using testsupport::slot;
using testsupport::StartedForm;
using testsupport::statValue;

namespace {

QString remembered(const QString& key) {
  return platform::IniFile::read(platform::userFilePath("settingsuk.ini"), "zapamietaj", key,
                                 "<none>");
}

QString valueOf(const QVector<QPair<QString, QString>>& variables, const QString& name) {
  for (const auto& [variable, expression] : variables) {
    if (variable == name)
      return expression;
  }
  return "<none>";
}

}  // namespace

class TestReports : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void resultVariables_data();
  void resultVariables();
  void namesAndQuotes();
  void questionExportVariables();

  void optionsPageWithNothingRemembered();
  void rememberOnlyTheExtraText();
  void clearingKeepsTheKey();
  void reportOfAFinishedTest();
  void slotWithoutPictureKeepsTheReport();
  void questionExport();
  void questionExportNeedsTheCheckButton();
  void missingTemplates();

 private:
  std::unique_ptr<testsupport::TempUserFolder> user_;
};

void TestReports::init() {
  QVERIFY(testsupport::enterBuiltProgramFolder());
  user_ = std::make_unique<testsupport::TempUserFolder>();
  QVERIFY(platform::ensureUserFolder());
}

void TestReports::cleanup() {
  user_.reset();
}

void TestReports::resultVariables_data() {
  QTest::addColumn<int>("points");
  QTest::addColumn<QString>("percent");
  QTest::addColumn<QString>("result");
  QTest::newRow("42") << 42 << "'84'"
                      << "'Failed'";
  QTest::newRow("43") << 43 << "'86'"
                      << "'Passed'";
  QTest::newRow("0") << 0 << "'0'"
                     << "'Failed'";
}

void TestReports::resultVariables() {
  QFETCH(int, points);
  QFETCH(QString, percent);
  QFETCH(QString, result);
  reports::ResultReport report;
  report.category = "C";
  report.points = points;
  report.testSlots[0] = {12, "What's this?", "", "AC", ""};
  report.testSlots[49] = {1000, "Q", "", "B", "B"};
  const auto variables = reports::resultReportVariables(report);
  QCOMPARE(valueOf(variables, "Param.procent"), percent);
  QCOMPARE(valueOf(variables, "Param.wynik"), result);
  QCOMPARE(valueOf(variables, "Param.kategoria"), QStringLiteral("'C'"));
  QCOMPARE(valueOf(variables, "Param.pnr1"), QStringLiteral("12"));
  QCOMPARE(valueOf(variables, "Param.odp1"), QStringLiteral("''"));  // unanswered
  QCOMPARE(valueOf(variables, "pytanie1twojaodp"), QStringLiteral("''"));
  QCOMPARE(valueOf(variables, "pytanie1tresc"), QStringLiteral("'What\"s this?'"));
  QCOMPARE(valueOf(variables, "pytanie50numer"), QStringLiteral("1000"));
  QCOMPARE(valueOf(variables, "Param.prawodp50"), QStringLiteral("'B'"));
  // Every expression is one the engine takes: quoted without an inner apostrophe, or digits.
  for (const auto& [name, expression] : variables) {
    const bool digits =
        !expression.isEmpty() && expression.toLongLong() >= 0 && expression.at(0).isDigit();
    const bool literal =
        expression.startsWith('\'') && expression.endsWith('\'') && expression.count('\'') == 2;
    QVERIFY2(digits || literal, qPrintable(name + " = " + expression));
  }
  QCOMPARE(variables.first().first, QStringLiteral("Param.pnr1"));
  QCOMPARE(variables.size(), 50 * 3 + 5 + 50 * 4);
}

void TestReports::namesAndQuotes() {
  const QString cleaned = reports::cleanedText("O'Brien / Smith");
  QCOMPARE(cleaned, QStringLiteral("OBrien / Smith"));
  QCOMPARE(reports::preparedName(cleaned), QStringLiteral("OBrien.-.Smith"));
  QCOMPARE(reports::reportExportName("", "27-01-2015-h-14.05.09"),
           QStringLiteral("Report--27-01-2015-h-14.05.09"));
  QCOMPARE(reports::reportExportName("Jan.Kowalski", "27-01-2015-h-14.05.09"),
           QStringLiteral("Report-Jan.Kowalski-27-01-2015-h-14.05.09"));
}

void TestReports::questionExportVariables() {
  reports::QuestionExport question;
  question.number = 12;
  question.category = "C";
  question.question = "Driver's view?";
  question.answers[0] = "Mirror";
  question.answers[3] = "The driver's seat";
  question.correctLetters = "AD";
  const auto variables = reports::questionExportVariables(question);
  QCOMPARE(variables.at(0), qMakePair(QStringLiteral("pytnr"), QStringLiteral("12")));
  QCOMPARE(valueOf(variables, "kategor"), QStringLiteral("'C'"));
  QCOMPARE(valueOf(variables, "pytanietresc"), QStringLiteral("'Driver\"s view?'"));
  QCOMPARE(valueOf(variables, "odpA"), QStringLiteral("'A) Mirror'"));
  QCOMPARE(valueOf(variables, "odpD"), QStringLiteral("'D) The driver\"s seat'"));
  QCOMPARE(valueOf(variables, "odpF"), QStringLiteral("'F) '"));
  QCOMPARE(valueOf(variables, "odpowiedz"), QStringLiteral("'AD'"));
}

void TestReports::optionsPageWithNothingRemembered() {
  StartedForm started;
  TForm1& form = *started.form;
  form.nazwiskocheckbox->setChecked(true);
  form.AdvSmoothButton76Click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet17);
  QCOMPARE(form.nazwiskoedit->text(), QString());
  QVERIFY(form.nazwiskocheckbox->isChecked());  // an empty value leaves the box as it was
  QVERIFY(!form.dodatkowytekstcheckbox->isChecked());
}

void TestReports::rememberOnlyTheExtraText() {
  user_->writeFile("settingsuk.ini", "[zapamietaj]\r\nnazwisko=Anna\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton76Click();
  QCOMPARE(form.nazwiskoedit->text(), QStringLiteral("Anna"));
  QVERIFY(form.nazwiskocheckbox->isChecked());
  form.nazwiskocheckbox->setChecked(false);
  form.dodatkowytekstedit->setText("Week 3, don't give up");
  form.dodatkowytekstcheckbox->setChecked(true);
  form.showreportbutton->click();
  QCOMPARE(remembered("nazwisko"), QString());
  QCOMPARE(remembered("dodatkowytekst"), QStringLiteral("Week 3, dont give up"));
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet5);
  QCOMPARE(form.hintbutton->text(), slot(153));
}

void TestReports::clearingKeepsTheKey() {
  user_->writeFile("settingsuk.ini", "[zapamietaj]\r\nnazwisko=Anna\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton76Click();
  form.Button2->click();
  QCOMPARE(form.nazwiskoedit->text(), QString());
  QCOMPARE(remembered("nazwisko"), QString());
  QVERIFY(form.nazwiskocheckbox->isChecked());
  form.AdvSmoothButton76Click();
  QVERIFY(form.nazwiskocheckbox->isChecked());
}

void TestReports::reportOfAFinishedTest() {
  StartedForm started;
  started.clock.set(QDateTime(QDate(2015, 1, 27), QTime(14, 5, 9)));
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.nowytestClick();
  form.selectSlot(1);
  form.answerTestClick(0);
  form.koniecClick();
  QVERIFY(form.AdvSmoothButton76->isEnabled());
  form.AdvSmoothButton76->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet17);
  form.nazwiskoedit->setText("O'Brien / Smith");
  form.nazwiskocheckbox->setChecked(true);
  int pages = 0;
  QString name, points, pdf;
  QSizeF firstPage, otherPage;
  started.onPreview = [&](reports::engine::Report& report) {
    pages = report.pageCount();
    firstPage = report.pageSizeMm(0);
    otherPage = report.pageSizeMm(25);
    name = report.variableValue("Param.nazwisko");
    points = report.variableValue("Param.punktow");
    pdf = report.defaultExportFileName(ExportFormat::Pdf);
  };
  form.showreportbutton->click();
  QCOMPARE(started.previews, 1);
  QCOMPARE(pages, 26);
  QCOMPARE(firstPage, QSizeF(215.9, 279.4));  // letter
  QCOMPARE(otherPage, QSizeF(210.0, 297.0));  // A4
  QCOMPARE(name, QStringLiteral("OBrien.-.Smith"));
  QCOMPARE(points, QString::number(form.state().testPoints));
  QVERIFY2(pdf.startsWith("Report-OBrien.-.Smith-") && pdf.endsWith(".pdf"), qPrintable(pdf));
  QCOMPARE(remembered("nazwisko"), QStringLiteral("OBrien / Smith"));
  QCOMPARE(form.state().lastMessage, slot(153));
}

void TestReports::slotWithoutPictureKeepsTheReport() {
  // A test whose slots name pictures that are not there still gets its report.
  user_->writeFile("t.rqt", "[plik]\r\nkategoria=B\r\npunktow=0\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  started.dialogs.queueFileName(user_->userFolder() + "t.rqt");
  form.AdvSmoothButton83Click();
  form.AdvSmoothButton76Click();
  form.showreportbutton->click();
  QCOMPARE(started.previews, 1);
  QCOMPARE(started.dialogs.count(platform::ScriptedDialogs::Kind::Error), 0);
}

void TestReports::questionExport() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton26->click();
  form.numeredit->setText("12");
  form.numereditEnter();
  QString number, category, answerA, pdf;
  started.onPreview = [&](reports::engine::Report& report) {
    number = report.variableValue("pytnr");
    category = report.variableValue("kategor");
    answerA = report.variableValue("odpA");
    pdf = report.defaultExportFileName(ExportFormat::Pdf);
  };
  form.AdvSmoothRotaryMenu1ItemClick(1);
  QCOMPARE(started.previews, 1);
  QCOMPARE(number, QStringLiteral("12"));
  QCOMPARE(category, QStringLiteral("C"));
  QCOMPARE(answerA, "A) " + QString(form.abutton->text()).replace('\'', '"'));
  QCOMPARE(pdf, QStringLiteral("exported_question.pdf"));
  QCOMPARE(form.state().lastMessage, slot(128));
}

void TestReports::questionExportNeedsTheCheckButton() {
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.sprawdzbutton->setEnabled(false);
  const QString before = form.state().lastMessage;
  form.AdvSmoothRotaryMenu1ItemClick(1);
  QCOMPARE(started.previews, 0);
  QCOMPARE(form.state().lastMessage, before);
}

void TestReports::missingTemplates() {
  // A program folder without the two templates: no report, no message, the hints all
  // the same.
  testsupport::TempFolder program;
  testsupport::makeSmallProgramFolder(program);
  QVERIFY(QDir::setCurrent(program.path()));
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  form.AdvSmoothRotaryMenu1ItemClick(1);
  QCOMPARE(form.state().lastMessage, slot(128));
  form.nowytestClick();
  form.koniecClick();
  form.AdvSmoothButton76Click();
  form.showreportbutton->click();
  QCOMPARE(form.state().lastMessage, slot(153));
  QCOMPARE(started.previews, 0);
  QCOMPARE(started.dialogs.count(platform::ScriptedDialogs::Kind::Error), 0);
  QVERIFY(testsupport::enterBuiltProgramFolder());
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
