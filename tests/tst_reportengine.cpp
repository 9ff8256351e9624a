#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "reports/engine/expression.h"
#include "reports/engine/previewdialog.h"
#include "reports/engine/report.h"
#include "testsupport.h"

using reports::engine::ExportFormat;
using reports::engine::PreviewDialog;
using reports::engine::Report;

Q_DECLARE_METATYPE(ExportFormat)

namespace {

// A one-page (or more) template around the given page contents.
QByteArray templateWith(const QByteArray& pages) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<report version=\"1\" title=\"Test report\" author=\"Velmora\" subject=\"Roadquiz\">\n"
         "  <style name=\"default\" font=\"DejaVu Sans\" size=\"10\"/>\n" +
         pages + "</report>\n";
}

QByteArray onePage(const QByteArray& objects) {
  return templateWith("<page size=\"A4\" margins=\"10\">\n" + objects + "</page>\n");
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage renderPage(const Report& report, int page, int width = 420) {
  const QSizeF mm = report.pageSizeMm(page);
  QImage image(width, qRound(width * mm.height() / mm.width()), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  report.paintPage(painter, page, QRectF(image.rect()));
  return image;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      count += test(line[x]) ? 1 : 0;
  }
  return count;
}

bool isRed(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

QString programFile(const QString& name) {
  return QDir(testsupport::builtProgramFolder()).filePath(name);
}

QStringList slotPictures() {
  const QDir folder(programFile(QStringLiteral("data/obruk/imgsa")));
  QStringList files;
  for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
    files.append(folder.filePath(name));
  return files;
}

// Fills the result report the way the program does, in the program's order.
void fillResultReport(Report& report, int points, const QString& name) {
  const QStringList pictures = slotPictures();
  for (int n = 1; n <= 50; ++n)
    report.setVariable(QStringLiteral("Param.pnr%1").arg(n), QString::number(100 + n));
  for (int n = 1; n <= 50; ++n)
    report.setVariable(QStringLiteral("Param.prawodp%1").arg(n), QStringLiteral("'AC'"));
  for (int n = 1; n <= 50; ++n)
    report.setVariable(QStringLiteral("Param.odp%1").arg(n),
                       n == 7 ? QStringLiteral("''") : QStringLiteral("'B'"));
  report.setVariable(QStringLiteral("Param.kategoria"), QStringLiteral("'B'"));
  report.setIntegerVariable(QStringLiteral("Param.punktow"), points);
  report.setVariable(QStringLiteral("Param.procent"), QStringLiteral("'%1'").arg(points * 2));
  report.setVariable(QStringLiteral("Param.nazwisko"), QStringLiteral("'%1'").arg(name));
  report.setVariable(QStringLiteral("Param.dodatkowytekst"), QStringLiteral("'Mock test 3'"));
  report.setVariable(QStringLiteral("Param.wynik"),
                     points >= 43 ? QStringLiteral("'Passed'") : QStringLiteral("'Failed'"));
  for (int n = 1; n <= 50; ++n) {
    report.setVariable(QStringLiteral("pytanie%1tresc").arg(n),
                       QStringLiteral("'What does sign %1 mean?'").arg(n));
    report.setVariable(QStringLiteral("pytanie%1prawodp").arg(n), QStringLiteral("'AC'"));
    report.setVariable(QStringLiteral("pytanie%1twojaodp").arg(n),
                       n == 7 ? QStringLiteral("''") : QStringLiteral("'B'"));
    report.setVariable(QStringLiteral("pytanie%1numer").arg(n), QString::number(100 + n));
    if (!pictures.isEmpty())
      report.loadPicture(QStringLiteral("Picturetest%1").arg(n),
                         pictures.at((n - 1) % pictures.size()));
  }
}

// Any bracketed program variable left on a page means a template names a variable the
// program never sets (or misspells one).
bool hasUnfilledPlaceholder(const QStringList& texts) {
  static const QRegularExpression placeholder(
      QStringLiteral("\\[(Param\\.|pytanie|pytnr|kategor|odp|Page#|TotalPages#|Date|Time)"));
  for (const QString& text : texts) {
    if (placeholder.match(text).hasMatch())
      return true;
  }
  return false;
}

}  // namespace

class TestReportEngine : public QObject {
  Q_OBJECT

 private slots:
  void evaluatesExpressions_data();
  void evaluatesExpressions();
  void substitutesPlaceholders_data();
  void substitutesPlaceholders();
  void fillsPlaceholdersOnPreparedPages();
  void invalidExpressionStopsPrepare();
  void rejectsFaultyTemplates_data();
  void rejectsFaultyTemplates();
  void picturesDrawOnlyWhenLoaded_data();
  void picturesDrawOnlyWhenLoaded();
  void prepareAgainDiscardsEarlierPages();
  void resultReportTemplatePreparesAllPages_data();
  void resultReportTemplatePreparesAllPages();
  void questionExportTemplatePreparesOnePage();
  void exportsPdf();
  void exportsHtmlEscapedWithPictures();
  void exportsOneJpegPerPage();
  void namesJpegPages_data();
  void namesJpegPages();
  void offersDefaultExportNames();
  void previewStartsAtFullSizeWithFourControls();
  void previewExportsUnderChosenName_data();
  void previewExportsUnderChosenName();
  void previewCancelledExportWritesNothing();
  void previewQuickExportWritesDefaultPdf();
  void previewPrintsThroughConfirmedPrinter();
  void benchmarkPrepareResultReport();
};

void TestReportEngine::evaluatesExpressions_data() {
  QTest::addColumn<QString>("expression");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<QString>("value");

  QTest::newRow("quoted literal") << "'Passed'" << true << "Passed";
  QTest::newRow("literal with blanks") << "'A) No waiting'" << true << "A) No waiting";
  QTest::newRow("literal with double quotes") << "'say \"stop\"'" << true << "say \"stop\"";
  QTest::newRow("empty quotes") << "''" << true << "";
  QTest::newRow("blanks around a literal") << "  'B' " << true << "B";
  QTest::newRow("digits") << "43" << true << "43";
  QTest::newRow("zero") << "0" << true << "0";
  QTest::newRow("leading zeros") << "007" << true << "7";
  QTest::newRow("bare word") << "Passed" << false << "";
  QTest::newRow("empty expression") << "" << false << "";
  QTest::newRow("unterminated literal") << "'abc" << false << "";
  QTest::newRow("apostrophe inside a literal") << "'O'Brien'" << false << "";
  QTest::newRow("two literals") << "'a' 'b'" << false << "";
  QTest::newRow("negative number") << "-5" << false << "";
  QTest::newRow("decimal number") << "8.6" << false << "";
  QTest::newRow("double-quoted text") << "\"abc\"" << false << "";
}

void TestReportEngine::evaluatesExpressions() {
  QFETCH(QString, expression);
  QFETCH(bool, valid);
  QFETCH(QString, value);

  QString result = QStringLiteral("unchanged");
  QString error;
  QCOMPARE(reports::engine::evaluateExpression(expression, &result, &error), valid);
  if (valid) {
    QCOMPARE(result, value);
  } else {
    QCOMPARE(result, QStringLiteral("unchanged"));
    QVERIFY(!error.isEmpty());
  }
}

void TestReportEngine::substitutesPlaceholders_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("expected");

  QTest::newRow("one variable") << "category: [cat]"
                                << "category: B";
  QTest::newRow("dotted name") << "[Param.x] points"
                               << "43 points";
  QTest::newRow("two side by side") << "[cat][Param.x]"
                                    << "B43";
  QTest::newRow("unknown name stays") << "Percent [%]: [Param.x]"
                                      << "Percent [%]: 43";
  QTest::newRow("empty brackets stay") << "[] [cat]"
                                       << "[] B";
  QTest::newRow("unclosed bracket") << "[cat] and [cat"
                                    << "B and [cat";
  QTest::newRow("bracket before a placeholder") << "[[cat]"
                                                << "[B";
  QTest::newRow("value is not scanned again") << "[tricky]"
                                              << "[cat]";
  QTest::newRow("empty value") << "given: [none]."
                               << "given: .";
  QTest::newRow("no placeholder") << "Roadquiz Report"
                                  << "Roadquiz Report";
}

void TestReportEngine::substitutesPlaceholders() {
  QFETCH(QString, text);
  QFETCH(QString, expected);

  const QHash<QString, QString> values = {{QStringLiteral("cat"), QStringLiteral("B")},
                                          {QStringLiteral("Param.x"), QStringLiteral("43")},
                                          {QStringLiteral("tricky"), QStringLiteral("[cat]")},
                                          {QStringLiteral("none"), QString()}};
  const auto lookup = [&](const QString& name, QString* value) {
    if (!values.contains(name))
      return false;
    *value = values.value(name);
    return true;
  };
  QCOMPARE(reports::engine::substitutePlaceholders(text, lookup), expected);
}

void TestReportEngine::fillsPlaceholdersOnPreparedPages() {
  testsupport::TempFolder folder;
  folder.write(QStringLiteral("t.fr3"),
               templateWith("<page size=\"A4\"><text x=\"0\" y=\"0\" w=\"100\" h=\"8\">"
                            "[Param.nazwisko] [Param.punktow] [missing] page [Page#] of "
                            "[TotalPages#]</text>"
                            "<table x=\"0\" y=\"20\" row-height=\"6\"><column width=\"30\"/>"
                            "<row><cell>[Param.odp1]!</cell></row></table></page>\n"
                            "<page size=\"letter\"><text x=\"0\" y=\"0\" w=\"100\" h=\"8\">"
                            "[Date] [Time] page [Page#]</text></page>\n"));
  Report report;
  QString error;
  QVERIFY2(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3")), &error),
           qPrintable(error));
  report.setVariable(QStringLiteral("Param.nazwisko"), QStringLiteral("'Jan.Kowalski'"));
  report.setIntegerVariable(QStringLiteral("Param.punktow"), 43);
  report.setVariable(QStringLiteral("Param.odp1"), QStringLiteral("''"));
  report.setReportTime(QDateTime(QDate(2015, 1, 27), QTime(14, 5, 9)));
  QVERIFY2(report.prepare(&error), qPrintable(error));

  QCOMPARE(report.pageCount(), 2);
  QCOMPARE(
      report.pageTexts(0),
      QStringList({QStringLiteral("Jan.Kowalski 43 [missing] page 1 of 2"), QStringLiteral("!")}));
  const QLocale locale;
  QCOMPARE(report.pageTexts(1).value(0),
           QStringLiteral("%1 %2 page 2")
               .arg(locale.toString(QDate(2015, 1, 27), QLocale::ShortFormat),
                    locale.toString(QTime(14, 5, 9), QLocale::ShortFormat)));
  QCOMPARE(report.pageSizeMm(0), QSizeF(210, 297));
  QCOMPARE(report.pageSizeMm(1), QSizeF(215.9, 279.4));
}

void TestReportEngine::invalidExpressionStopsPrepare() {
  testsupport::TempFolder folder;
  folder.write(QStringLiteral("t.fr3"),
               onePage("<text x=\"0\" y=\"0\" w=\"50\" h=\"8\">[a]</text>"));
  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3"))));
  report.setVariable(QStringLiteral("Param.wynik"), QStringLiteral("Passed"));
  QString error;
  QVERIFY(!report.prepare(&error));
  QVERIFY2(error.contains(QStringLiteral("Param.wynik")), qPrintable(error));
  QCOMPARE(report.pageCount(), 0);

  // Setting the variable again with a valid value clears the error.
  report.setVariable(QStringLiteral("Param.wynik"), QStringLiteral("'Passed'"));
  QVERIFY2(report.prepare(&error), qPrintable(error));
  QCOMPARE(report.variableValue(QStringLiteral("Param.wynik")), QStringLiteral("Passed"));
}

void TestReportEngine::rejectsFaultyTemplates_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("mentions");

  QTest::newRow("not XML") << QByteArray("this is not a template") << "line";
  QTest::newRow("other root") << QByteArray("<?xml version=\"1.0\"?><html/>") << "not a report";
  QTest::newRow("no page") << templateWith("") << "no page";
  QTest::newRow("unknown object") << onePage("<circle x=\"0\" y=\"0\" w=\"5\" h=\"5\"/>")
                                  << "circle";
  QTest::newRow("missing geometry") << onePage("<text x=\"0\" y=\"0\" w=\"5\">a</text>") << "\"h\"";
  QTest::newRow("misspelt attribute")
      << onePage("<text x=\"0\" y=\"0\" w=\"5\" h=\"5\" colour=\"#000\">a</text>") << "colour";
  QTest::newRow("bad number") << onePage("<rect x=\"zero\" y=\"0\" w=\"5\" h=\"5\"/>") << "zero";
  QTest::newRow("bad page size")
      << templateWith("<page size=\"B5\"><rect x=\"0\" y=\"0\" w=\"5\" h=\"5\"/></page>") << "B5";
  QTest::newRow("unknown style")
      << onePage("<text x=\"0\" y=\"0\" w=\"5\" h=\"5\" style=\"huge\">a</text>") << "huge";
  QTest::newRow("picture without name or file")
      << onePage("<picture x=\"0\" y=\"0\" w=\"5\" h=\"5\"/>") << "picture";
  QTest::newRow("link without url")
      << onePage("<link x=\"0\" y=\"0\" w=\"5\" h=\"5\">site</link>") << "url";
  QTest::newRow("row with too few cells")
      << onePage(
             "<table x=\"0\" y=\"0\" row-height=\"5\"><column width=\"5\"/>"
             "<column width=\"5\"/><row><cell>1</cell></row></table>")
      << "1 cells for 2 columns";
}

void TestReportEngine::rejectsFaultyTemplates() {
  QFETCH(QByteArray, content);
  QFETCH(QString, mentions);

  testsupport::TempFolder folder;
  folder.write(QStringLiteral("good.fr3"),
               onePage("<text x=\"0\" y=\"0\" w=\"50\" h=\"8\">earlier</text>"));
  folder.write(QStringLiteral("bad.fr3"), content);
  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("good.fr3"))));
  QVERIFY(report.prepare());

  QString error;
  QVERIFY(!report.loadTemplate(folder.filePath(QStringLiteral("bad.fr3")), &error));
  QVERIFY2(error.contains(mentions, Qt::CaseInsensitive), qPrintable(error));
  // Nothing of the earlier report is left to be shown.
  QVERIFY(!report.hasTemplate());
  QCOMPARE(report.pageCount(), 0);
  QVERIFY(!report.prepare());
}

void TestReportEngine::picturesDrawOnlyWhenLoaded_data() {
  QTest::addColumn<QString>("objectName");
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("loaded");

  QTest::newRow("picture file") << "Picture1"
                                << "red.png" << true;
  QTest::newRow("missing file") << "Picture1"
                                << "nowhere.png" << false;
  QTest::newRow("not a picture") << "Picture1"
                                 << "notes.png" << false;
  QTest::newRow("no such object") << "Picture2"
                                  << "red.png" << false;
}

void TestReportEngine::picturesDrawOnlyWhenLoaded() {
  QFETCH(QString, objectName);
  QFETCH(QString, file);
  QFETCH(bool, loaded);

  testsupport::TempFolder folder;
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  QVERIFY(red.save(folder.filePath(QStringLiteral("red.png"))));
  folder.write(QStringLiteral("notes.png"), "just some text");
  folder.write(QStringLiteral("t.fr3"),
               onePage("<picture x=\"20\" y=\"20\" w=\"80\" h=\"60\" name=\"Picture1\"/>"));

  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3"))));
  QCOMPARE(report.loadPicture(objectName, folder.filePath(file)), loaded);
  QString error;
  QVERIFY2(report.prepare(&error), qPrintable(error));
  QCOMPARE(report.pageCount(), 1);

  const QImage page = renderPage(report, 0);
  const int redPixels = countPixels(page, isRed);
  const int whitePixels = countPixels(page, [](QRgb p) { return p == qRgb(255, 255, 255); });
  if (loaded)
    QVERIFY(redPixels > 1000);
  else
    QCOMPARE(whitePixels, page.width() * page.height());
}

void TestReportEngine::prepareAgainDiscardsEarlierPages() {
  testsupport::TempFolder folder;
  folder.write(QStringLiteral("t.fr3"),
               templateWith("<page size=\"A4\"><text x=\"0\" y=\"0\" w=\"50\" h=\"8\">[v]</text>"
                            "</page><page size=\"A4\"><text x=\"0\" y=\"0\" w=\"50\" h=\"8\">"
                            "[Page#]</text></page>"));
  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3"))));
  report.setVariable(QStringLiteral("v"), QStringLiteral("'first'"));
  QVERIFY(report.prepare());
  QCOMPARE(report.pageCount(), 2);

  report.setVariable(QStringLiteral("v"), QStringLiteral("'second'"));
  QVERIFY(report.prepare());
  QCOMPARE(report.pageCount(), 2);
  QCOMPARE(report.pageTexts(0), QStringList(QStringLiteral("second")));
  QCOMPARE(report.pageTexts(1), QStringList(QStringLiteral("2")));
}

void TestReportEngine::resultReportTemplatePreparesAllPages_data() {
  QTest::addColumn<int>("points");
  QTest::addColumn<QString>("percent");
  QTest::addColumn<QString>("result");

  QTest::newRow("passed") << 43 << "86"
                          << "Passed";
  QTest::newRow("failed") << 42 << "84"
                          << "Failed";
}

void TestReportEngine::resultReportTemplatePreparesAllPages() {
  QFETCH(int, points);
  QFETCH(QString, percent);
  QFETCH(QString, result);

  Report report;
  QString error;
  QVERIFY2(report.loadTemplate(programFile(QStringLiteral("repuk2015.fr3")), &error),
           qPrintable(error));
  QVERIFY(!slotPictures().isEmpty());
  fillResultReport(report, points, QStringLiteral("OBrien.-.Smith"));
  QVERIFY2(report.prepare(&error), qPrintable(error));

  QCOMPARE(report.pageCount(), 26);
  QCOMPARE(report.pageSizeMm(0), QSizeF(215.9, 279.4));
  for (int page = 1; page < 26; ++page)
    QCOMPARE(report.pageSizeMm(page), QSizeF(210, 297));
  for (int page = 0; page < 26; ++page)
    QVERIFY2(!hasUnfilledPlaceholder(report.pageTexts(page)), qPrintable(QString::number(page)));

  const QStringList summary = report.pageTexts(0);
  for (const QString& expected :
       {QStringLiteral("Roadquiz Report"), QStringLiteral("OBrien.-.Smith"),
        QStringLiteral("category: B"), QString::number(points), percent, result,
        QStringLiteral("Mock test 3"), QStringLiteral("Question number"),
        QStringLiteral("Given answer"), QStringLiteral("150"), QStringLiteral("25"),
        QStringLiteral("26")})
    QVERIFY2(summary.contains(expected), qPrintable(expected));

  const QStringList last = report.pageTexts(25);
  QVERIFY(last.contains(QStringLiteral("Question 49: #: 149")));
  QVERIFY(last.contains(QStringLiteral("What does sign 50 mean?")));
  QVERIFY(last.contains(QStringLiteral("Page 26 of 26")));
  // Slot 7 was left unanswered: its given answer is printed empty.
  QVERIFY(report.pageTexts(4).contains(QStringLiteral("Question 7: #: 107")));
  QCOMPARE(report.pageTexts(4).count(QStringLiteral("B")), 1);
}

void TestReportEngine::questionExportTemplatePreparesOnePage() {
  Report report;
  QString error;
  QVERIFY2(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3")), &error),
           qPrintable(error));
  report.setVariable(QStringLiteral("pytnr"), QStringLiteral("12"));
  report.setVariable(QStringLiteral("kategor"), QStringLiteral("'C'"));
  report.setVariable(QStringLiteral("pytanietresc"), QStringLiteral("'What does \"this\" mean?'"));
  for (const QChar letter : QStringLiteral("ABCDEF"))
    report.setVariable(QStringLiteral("odp") + letter, QStringLiteral("'%1) '").arg(letter));
  report.setVariable(QStringLiteral("odpA"), QStringLiteral("'A) No waiting'"));
  report.setVariable(QStringLiteral("odpowiedz"), QStringLiteral("'AD'"));
  QVERIFY(report.loadPicture(QStringLiteral("Picture1"), slotPictures().value(0)));
  QVERIFY2(report.prepare(&error), qPrintable(error));

  QCOMPARE(report.pageCount(), 1);
  const QStringList texts = report.pageTexts(0);
  QVERIFY(!hasUnfilledPlaceholder(texts));
  for (const QString& expected :
       {QStringLiteral("Question 12"), QStringLiteral("Category C"),
        QStringLiteral("What does \"this\" mean?"), QStringLiteral("A) No waiting"),
        QStringLiteral("F) "), QStringLiteral("AD")})
    QVERIFY2(texts.contains(expected), qPrintable(expected));
}

void TestReportEngine::exportsPdf() {
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("repuk2015.fr3"))));
  fillResultReport(report, 43, QStringLiteral("Jan"));
  QVERIFY(report.prepare());

  testsupport::TempFolder folder;
  const QString file = folder.filePath(QStringLiteral("report.pdf"));
  folder.write(QStringLiteral("report.pdf"), "an older file that is overwritten");
  QString error;
  QVERIFY2(report.exportPdf(file, &error), qPrintable(error));
  const QByteArray pdf = readAll(file);
  QVERIFY(pdf.startsWith("%PDF-"));
  QVERIFY(pdf.contains("Velmora"));
  // The vendor's address is a real link on every page.
  QVERIFY(pdf.count("/URI (https://www.velmora.example/)") >= 26);
}

void TestReportEngine::exportsHtmlEscapedWithPictures() {
  testsupport::TempFolder folder;
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  QVERIFY(red.save(folder.filePath(QStringLiteral("red.png"))));
  folder.write(
      QStringLiteral("t.fr3"),
      onePage("<text x=\"0\" y=\"0\" w=\"90\" h=\"8\">Name: [name]</text>"
              "<link x=\"0\" y=\"10\" w=\"90\" h=\"8\" url=\"https://x.example/?a=1&amp;b=2\">"
              "site</link>"
              "<picture x=\"0\" y=\"20\" w=\"40\" h=\"30\" name=\"Picturetest1\"/>"
              "<picture x=\"50\" y=\"20\" w=\"40\" h=\"30\" file=\"red.png\"/>"));
  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3"))));
  report.setVariable(QStringLiteral("name"), QStringLiteral("'<b>&'"));
  QVERIFY(report.loadPicture(QStringLiteral("Picturetest1"),
                             folder.filePath(QStringLiteral("red.png"))));
  QVERIFY(report.prepare());

  const QString file = folder.filePath(QStringLiteral("out/my report.html"));
  QDir().mkpath(folder.filePath(QStringLiteral("out")));
  QString error;
  QVERIFY2(report.exportHtml(file, &error), qPrintable(error));
  const QString html = QString::fromUtf8(readAll(file));
  QVERIFY(html.contains(QStringLiteral("Name: &lt;b&gt;&amp;")));
  QVERIFY(!html.contains(QStringLiteral("<b>&")));
  QVERIFY(html.contains(QStringLiteral("<a class=\"t\" href=\"https://x.example/?a=1&amp;b=2\"")));

  const QDir pictures(folder.filePath(QStringLiteral("out/my report_files")));
  const QStringList files = pictures.entryList({QStringLiteral("*.png")}, QDir::Files);
  QCOMPARE(files.size(), 2);
  for (const QString& name : files) {
    QCOMPARE(QImage(pictures.filePath(name)).size(), QSize(40, 30));
    QVERIFY2(html.contains(QStringLiteral("src=\"my%20report_files/") + name), qPrintable(name));
  }
}

void TestReportEngine::exportsOneJpegPerPage() {
  testsupport::TempFolder folder;
  folder.write(QStringLiteral("t.fr3"),
               templateWith("<page size=\"letter\"><text x=\"0\" y=\"0\" w=\"50\" h=\"8\">1</text>"
                            "</page><page size=\"A4\"><text x=\"0\" y=\"0\" w=\"50\" h=\"8\">2"
                            "</text></page><page size=\"100x50\"/>"));
  Report report;
  QVERIFY(report.loadTemplate(folder.filePath(QStringLiteral("t.fr3"))));
  QVERIFY(report.prepare());

  const QString file = folder.filePath(QStringLiteral("pages.jpg"));
  QString error;
  QVERIFY2(report.exportJpeg(file, &error), qPrintable(error));
  const QStringList written =
      QDir(folder.path()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
  QCOMPARE(written, QStringList({QStringLiteral("pages.jpg"), QStringLiteral("pages_2.jpg"),
                                 QStringLiteral("pages_3.jpg")}));
  for (int page = 1; page <= 3; ++page) {
    const QString name = Report::jpegPageFileName(file, page);
    QCOMPARE(readAll(name).left(3), QByteArray("\xFF\xD8\xFF"));
    const QImage image(name);
    const QSizeF mm = report.pageSizeMm(page - 1);
    QVERIFY(!image.isNull());
    // Every picture keeps its own page's proportions.
    QVERIFY(qAbs(double(image.width()) / image.height() - mm.width() / mm.height()) < 0.01);
  }
}

void TestReportEngine::namesJpegPages_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("expected");

  QTest::newRow("first page keeps the name")
      << "/home/u/Report-Jan.jpg" << 1 << "/home/u/Report-Jan.jpg";
  QTest::newRow("second page") << "/home/u/Report-Jan.jpg" << 2 << "/home/u/Report-Jan_2.jpg";
  QTest::newRow("dots in the name") << "/tmp/Report-Jan.Kowalski-27.01.2015.jpg" << 26
                                    << "/tmp/Report-Jan.Kowalski-27.01.2015_26.jpg";
  QTest::newRow("no folder") << "exported_question.jpg" << 3 << "exported_question_3.jpg";
  QTest::newRow("no extension") << "/tmp/pages" << 2 << "/tmp/pages_2";
}

void TestReportEngine::namesJpegPages() {
  QFETCH(QString, file);
  QFETCH(int, page);
  QFETCH(QString, expected);
  QCOMPARE(Report::jpegPageFileName(file, page), expected);
}

void TestReportEngine::offersDefaultExportNames() {
  Report report;
  report.setDefaultExportName(QStringLiteral("Report-Jan.Kowalski-27-01-2015-h-14.05.09"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Pdf),
           QStringLiteral("Report-Jan.Kowalski-27-01-2015-h-14.05.09.pdf"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Jpeg),
           QStringLiteral("Report-Jan.Kowalski-27-01-2015-h-14.05.09.jpg"));

  // The names belong to the report object, not to its template: a question export after a
  // result report offers its own names.
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3"))));
  report.setDefaultExportName(QStringLiteral("exported_question"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Pdf),
           QStringLiteral("exported_question.pdf"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Html),
           QStringLiteral("exported_question.html"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Jpeg),
           QStringLiteral("exported_question.jpg"));

  report.setDefaultExportFileName(ExportFormat::Html, QStringLiteral("question.htm"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Html), QStringLiteral("question.htm"));
  QCOMPARE(report.defaultExportFileName(ExportFormat::Pdf),
           QStringLiteral("exported_question.pdf"));
}

void TestReportEngine::previewStartsAtFullSizeWithFourControls() {
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("repuk2015.fr3"))));
  fillResultReport(report, 43, QStringLiteral("Jan"));
  QVERIFY(report.prepare());

  PreviewDialog preview(report);
  QVERIFY(preview.isModal());
  QVERIFY(qFuzzyCompare(preview.zoomFactor(), 1.0));
  preview.previewWidget()->updatePreview();
  QCOMPARE(preview.previewWidget()->pageCount(), 26);

  const QList<QPushButton*> buttons = preview.findChildren<QPushButton*>();
  const QList<QComboBox*> boxes = preview.findChildren<QComboBox*>();
  QCOMPARE(buttons.size(), 3);
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes.first()->currentText(), QStringLiteral("100 %"));
  QList<QWidget*> controls(buttons.begin(), buttons.end());
  controls.append(boxes.first());
  controls.append(preview.previewWidget());
  QStringList names;
  for (QWidget* control : controls) {
    QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));
    QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    names.append(control->accessibleName());
  }
  for (const QString& name : {QStringLiteral("Print"), QStringLiteral("Export"),
                              QStringLiteral("Zoom"), QStringLiteral("Quick export")})
    QVERIFY2(names.contains(name), qPrintable(name));

  preview.zoomIn();
  QVERIFY(preview.zoomFactor() > 1.0);
  preview.zoomOut();
  QVERIFY(qFuzzyCompare(preview.zoomFactor(), 1.0));
}

void TestReportEngine::previewExportsUnderChosenName_data() {
  QTest::addColumn<ExportFormat>("format");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("written");
  QTest::addColumn<QByteArray>("magic");

  QTest::newRow("pdf") << ExportFormat::Pdf << "mine.pdf"
                       << "mine.pdf" << QByteArray("%PDF-");
  QTest::newRow("html without extension") << ExportFormat::Html << "mine"
                                          << "mine.html" << QByteArray("<!DOCTYPE html>");
  QTest::newRow("jpeg") << ExportFormat::Jpeg << "mine.jpg"
                        << "mine.jpg" << QByteArray("\xFF\xD8\xFF");
}

void TestReportEngine::previewExportsUnderChosenName() {
  QFETCH(ExportFormat, format);
  QFETCH(QString, typed);
  QFETCH(QString, written);
  QFETCH(QByteArray, magic);

  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3"))));
  report.setDefaultExportName(QStringLiteral("exported_question"));
  QVERIFY(report.prepare());

  testsupport::TempFolder folder;
  PreviewDialog preview(report);
  preview.setQuickExportFolder(folder.path());
  QString proposed;
  QStringList errors;
  PreviewDialog::Callbacks callbacks;
  callbacks.saveFileName = [&](QWidget*, const QString&, const QString& path, const QString&) {
    proposed = path;
    return folder.filePath(typed);
  };
  callbacks.showError = [&](QWidget*, const QString&, const QString& text) { errors << text; };
  preview.setCallbacks(callbacks);

  QVERIFY(preview.exportReport(format));
  QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
  QCOMPARE(proposed, QDir(folder.path()).filePath(report.defaultExportFileName(format)));
  QVERIFY(readAll(folder.filePath(written)).startsWith(magic));
}

void TestReportEngine::previewCancelledExportWritesNothing() {
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3"))));
  QVERIFY(report.prepare());
  testsupport::TempFolder folder;
  PreviewDialog preview(report);
  preview.setQuickExportFolder(folder.path());
  PreviewDialog::Callbacks callbacks;
  callbacks.saveFileName = [](QWidget*, const QString&, const QString&, const QString&) {
    return QString();
  };
  preview.setCallbacks(callbacks);

  QVERIFY(!preview.exportReport(ExportFormat::Pdf));
  QVERIFY(QDir(folder.path()).isEmpty());
}

void TestReportEngine::previewQuickExportWritesDefaultPdf() {
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3"))));
  report.setDefaultExportName(QStringLiteral("Report--27-01-2015-h-14.05.09"));
  QVERIFY(report.prepare());
  testsupport::TempFolder folder;
  PreviewDialog preview(report);
  preview.setQuickExportFolder(folder.path());
  QSignalSpy exported(&preview, &PreviewDialog::exported);

  const QString file = preview.quickExport();
  QCOMPARE(file, folder.filePath(QStringLiteral("Report--27-01-2015-h-14.05.09.pdf")));
  QVERIFY(readAll(file).startsWith("%PDF-"));
  QCOMPARE(exported.count(), 1);
  QVERIFY(!PreviewDialog::defaultQuickExportFolder().isEmpty());
}

void TestReportEngine::previewPrintsThroughConfirmedPrinter() {
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("exportuk.fr3"))));
  QVERIFY(report.prepare());
  testsupport::TempFolder folder;
  const QString file = folder.filePath(QStringLiteral("printed.pdf"));
  PreviewDialog preview(report);
  PreviewDialog::Callbacks callbacks;
  bool asked = false;
  callbacks.confirmPrint = [&](QWidget*, QPrinter* printer) {
    asked = true;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return true;
  };
  preview.setCallbacks(callbacks);

  QVERIFY(preview.printReport());
  QVERIFY(asked);
  QVERIFY(readAll(file).startsWith("%PDF-"));

  callbacks.confirmPrint = [](QWidget*, QPrinter*) { return false; };
  preview.setCallbacks(callbacks);
  QVERIFY(!preview.printReport());
}

void TestReportEngine::benchmarkPrepareResultReport() {
  // Measures only; the budget (two seconds) is watched by the benchmarks.
  Report report;
  QVERIFY(report.loadTemplate(programFile(QStringLiteral("repuk2015.fr3"))));
  QBENCHMARK {
    fillResultReport(report, 43, QStringLiteral("Jan"));
    report.prepare();
  }
  QCOMPARE(report.pageCount(), 26);
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
