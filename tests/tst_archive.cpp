#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QtTest>

#include "archive/archivelogic.h"
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

// A stored test in the archive folder of a category.
void store(const QString& code, const QString& name, int points) {
  mocktest::TestSlots testSlots{};
  for (int k = 0; k < 50; ++k) {
    testSlots[k].questionNumber = 1 + k * 15;
    testSlots[k].correctLetters = testsupport::smallBankLetters(testSlots[k].questionNumber);
    testSlots[k].givenLetters = k < points ? testSlots[k].correctLetters : QString();
  }
  QVERIFY(mocktest::writeSavedTest(platform::archiveFolder(code) + name, code, points, "en",
                                   testSlots));
}

QStringList captions(const TForm1& form) {
  QStringList list;
  for (int i = 0; i < form.AdvSmoothListBox1->count(); ++i) {
    list << form.AdvSmoothListBox1->item(i).hint.section('/', -1);
  }
  return list;
}

}  // namespace

class TestArchive : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void filter_data();
  void filter();
  void orderOfTwoTestsOnOneDay();
  void todaysTests();
  void entriesAt42And43();
  void unreadableFileListedBesideGoodOnes();
  void deleteLastEntry();
  void reopenStoredTest();
  void saveCopy();
  void languageSwitchRebuildsEntries();
  void yearListReachesThisYear();
  void stars_data();
  void stars();
  void statisticsPies();
  void clearStatistics_data();
  void clearStatistics();

 private:
  std::unique_ptr<testsupport::SmallInstallation> install_;
};

void TestArchive::init() {
  install_ = std::make_unique<testsupport::SmallInstallation>();
}

void TestArchive::cleanup() {
  install_.reset();
}

void TestArchive::filter_data() {
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QStringList>("kept");
  const QString a = "2016-02-29-h-10--00--00";
  const QString b = "2016-03-05-h-11--00--00";
  const QString c = "2020-02-29-h-12--00--00";
  const QString d = "2017-12-05-h-13--00--00";
  QTest::newRow("none") << "all"
                        << "all"
                        << "all" << QStringList{a, b, c, d};
  QTest::newRow("year only") << "2016"
                             << "all"
                             << "all" << QStringList{a, b};
  QTest::newRow("month and day") << "all"
                                 << "02"
                                 << "29" << QStringList{a, c};
  QTest::newRow("all three") << "2016"
                             << "03"
                             << "05" << QStringList{b};
  QTest::newRow("year and day") << "2017"
                                << "all"
                                << "05" << QStringList{d};
  QTest::newRow("nothing matches") << "2015"
                                   << "all"
                                   << "all" << QStringList{};
}

void TestArchive::filter() {
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QStringList, kept);
  const QStringList names = {"2016-02-29-h-10--00--00", "2016-03-05-h-11--00--00",
                             "2020-02-29-h-12--00--00", "2017-12-05-h-13--00--00"};
  QCOMPARE(archive::filterNames(names, year, month, day), kept);

  // The same through the page.
  for (const QString& name : names)
    store("B", name, 40);
  StartedForm started;
  TForm1& form = *started.form;
  form.rokcombo->setCurrentText(year);
  form.miesiaccombo->setCurrentText(month);
  form.dziencombo->setCurrentText(day);
  form.sortujbtn->click();
  QStringList expected = kept;
  std::sort(expected.begin(), expected.end(), std::greater<QString>());
  QCOMPARE(captions(form), expected);
  QCOMPARE(form.AdvSmoothListBox1->headerCaption(), slot(71) + " " + QString::number(kept.size()));
  QCOMPARE(form.Panel3->isVisibleTo(form.TabSheet18), !kept.isEmpty());
}

void TestArchive::orderOfTwoTestsOnOneDay() {
  store("B", "2015-01-27-h-09--15--02", 30);
  store("B", "2015-01-27-h-14--05--09", 45);
  StartedForm started;
  TForm1& form = *started.form;
  form.menudockItemClick(4);
  QCOMPARE(captions(form), (QStringList{"2015-01-27-h-14--05--09", "2015-01-27-h-09--15--02"}));
  QCOMPARE(form.AdvSmoothListBox1->selectedIndex(), -1);  // opening the page selects nothing
  QVERIFY(!form.Panel3->isVisibleTo(form.TabSheet18));
  form.AdvSmoothButton92->click();
  QCOMPARE(captions(form), (QStringList{"2015-01-27-h-09--15--02", "2015-01-27-h-14--05--09"}));
  QCOMPARE(form.AdvSmoothListBox1->selectedIndex(), 0);
  QCOMPARE(form.Label18->text(), slot(115) + " 2015-01-27" + slot(116) + "09:15:02");
  form.AdvSmoothButton91->click();
  QCOMPARE(captions(form).first(), QStringLiteral("2015-01-27-h-14--05--09"));
  QCOMPARE(form.AdvSmoothListBox1->item(0).caption,
           slot(115) + " 2015-01-27" + slot(116) + "14:05:09");
}

void TestArchive::todaysTests() {
  store("B", "2016-03-03-h-08--00--00", 44);
  store("B", "2016-03-04-h-08--00--00", 44);
  store("B", "2017-03-03-h-08--00--00", 44);
  StartedForm started;
  started.clock.set(QDateTime(QDate(2016, 3, 3), QTime(12, 0)));
  TForm1& form = *started.form;
  form.AdvSmoothButton84->click();
  QCOMPARE(form.rokcombo->currentText(), QStringLiteral("2016"));
  QCOMPARE(form.miesiaccombo->currentText(), QStringLiteral("03"));
  QCOMPARE(form.dziencombo->currentText(), QStringLiteral("03"));
  QCOMPARE(captions(form), QStringList{"2016-03-03-h-08--00--00"});
  QCOMPARE(form.AdvSmoothListBox1->selectedIndex(), -1);
  QVERIFY(!form.Panel3->isVisibleTo(form.TabSheet18));
  form.AdvSmoothButton95->click();
  QCOMPARE(captions(form).size(), 3);
  QCOMPARE(form.rokcombo->currentText(), QStringLiteral("all"));
}

void TestArchive::entriesAt42And43() {
  store("B", "2015-05-01-h-10--00--00", 42);
  store("B", "2015-05-02-h-10--00--00", 43);
  StartedForm started;
  TForm1& form = *started.form;
  form.sortujbtn->click();
  const controls::SmoothListItem passed = form.AdvSmoothListBox1->item(0);
  const controls::SmoothListItem failed = form.AdvSmoothListBox1->item(1);
  QCOMPARE(passed.progress, 86);
  QCOMPARE(passed.progressText, QStringLiteral("86%"));
  QCOMPARE(passed.note, slot(113));
  QVERIFY(!passed.leftGraphic.isNull() || !QFile::exists("data/cross_save_32.png"));
  QCOMPARE(failed.progress, 84);
  QCOMPARE(failed.progressText, QStringLiteral("84%"));
  QCOMPARE(failed.note, slot(114));
  QVERIFY(passed.deleteButtonVisible);
  QCOMPARE(passed.hint, platform::archiveFolder("B") + "2015-05-02-h-10--00--00");
  QCOMPARE(form.Label19->text(), slot(117) + ": 86 " + slot(118) + " " + slot(113).toLower());
}

void TestArchive::unreadableFileListedBesideGoodOnes() {
  store("B", "2015-05-01-h-10--00--00", 44);
  install_->user.writeFile("testsarchiveuk/B/2015-05-02-h-10--00--00",
                           "[plik]\nkategoria=B\npunktow=lots\n");
  store("B", "2015-05-03-h-10--00--00", 12);
  StartedForm started;
  TForm1& form = *started.form;
  form.sortujbtn->click();
  QCOMPARE(form.AdvSmoothListBox1->count(), 3);
  QCOMPARE(form.AdvSmoothListBox1->item(1).progress, -1);
  QVERIFY(!form.AdvSmoothListBox1->item(1).note.isEmpty());
  QCOMPARE(form.AdvSmoothListBox1->item(2).progress, 88);
  // Opening it tells why and changes nothing.
  form.AdvSmoothListBox1->setSelectedIndex(1);
  form.AdvSmoothButton93->click();
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Error), 1);
  QVERIFY(started.dialogs.last().text.contains("punktow"));
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet1);
}

void TestArchive::deleteLastEntry() {
  store("B", "2015-05-01-h-10--00--00", 44);
  StartedForm started;
  TForm1& form = *started.form;
  form.sortujbtn->click();
  QCOMPARE(form.AdvSmoothListBox1->count(), 1);
  form.AdvSmoothListBox1ItemDeleteClicked(0);
  QCOMPARE(form.state().lastMessage, slot(136) + " 2015-05-01-h-10--00--00");
  QVERIFY(!QFile::exists(platform::archiveFolder("B") + "2015-05-01-h-10--00--00"));
  QVERIFY(form.Timer17->isActive());
  QTRY_VERIFY(!form.Timer17->isActive());
  QCOMPARE(form.AdvSmoothListBox1->count(), 0);
  QCOMPARE(form.AdvSmoothListBox1->headerCaption(), slot(71) + " 0");
  QVERIFY(!form.Panel3->isVisibleTo(form.TabSheet18));
  QCOMPARE(form.Label18->text(), QString());
  // With nothing left, a delete has nothing selected.
  form.AdvSmoothListBox1ItemDeleteClicked(-1);
  QCOMPARE(form.state().lastMessage, slot(138));
}

void TestArchive::reopenStoredTest() {
  store("C", "2015-05-01-h-10--00--00", 44);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton26->click();  // category C
  form.menudockItemClick(4);
  QTest::mouseDClick(form.AdvSmoothListBox1, Qt::LeftButton, {},
                     form.AdvSmoothListBox1->itemRect(0).center());
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet5);
  QCOMPARE(QDir(platform::archiveFolder("C")).entryList(QDir::Files).size(), 1);
  QCOMPARE(platform::IniFile::read(platform::userFilePath("statscegz.ini"), "x", "y", "none"),
           QStringLiteral("none"));
  QCOMPARE(
      platform::IniFile::read(platform::userFilePath("statsc2015uk.ini"), "egzamin", "zdane", "0"),
      QStringLiteral("1"));
  QCOMPARE(form.state().testPoints, 44);
  QCOMPARE(form.state().currentTestSlot, 1);
  QCOMPARE(form.state().lastMessage, slot(134) + " 2015-05-01-h-10--00--00");
  QTRY_COMPARE(form.memopytanieabctest->toPlainText(), QStringLiteral("Question 1?"));
}

void TestArchive::saveCopy() {
  store("B", "2015-05-01-h-10--00--00", 44);
  StartedForm started;
  TForm1& form = *started.form;
  form.sortujbtn->click();
  testsupport::TempFolder target;
  target.write("copy.rqt", "old");
  started.dialogs.queueFileName(target.filePath("copy.rqt"));
  form.AdvSmoothButton94->click();
  QFile copy(target.filePath("copy.rqt"));
  QVERIFY(copy.open(QIODevice::ReadOnly));
  QVERIFY(copy.readAll().contains("punktow=44"));
  QCOMPARE(form.state().lastMessage, slot(135) + " " + target.filePath("copy.rqt"));
}

void TestArchive::languageSwitchRebuildsEntries() {
  store("B", "2015-05-01-h-10--00--00", 44);
  StartedForm started;
  TForm1& form = *started.form;
  form.sortujbtn->click();
  form.deutschbtnClick();
  QCOMPARE(form.AdvSmoothListBox1->item(0).note, slot(113, "de"));
  QCOMPARE(form.AdvSmoothListBox1->item(0).caption,
           slot(115, "de") + " 2015-05-01" + slot(116, "de") + "10:00:00");
  QCOMPARE(form.AdvSmoothListBox1->deleteButtonCaption(), slot(190, "de"));
  QCOMPARE(form.AdvSmoothListBox1->headerCaption(), slot(71, "de") + " 1");
}

void TestArchive::yearListReachesThisYear() {
  QCOMPARE(archive::yearItems(2016).size(), 10);  // all, 2015 .. 2023
  const QStringList items = archive::yearItems(2026);
  QCOMPARE(items.first(), QStringLiteral("all"));
  QCOMPARE(items.at(1), QStringLiteral("2015"));
  QCOMPARE(items.last(), QStringLiteral("2026"));

  // Today's tests works this year.
  store("B", "2026-12-11-h-09--00--00", 44);
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton84->click();
  QCOMPARE(form.rokcombo->currentText(), QStringLiteral("2026"));
  QCOMPARE(captions(form), QStringList{"2026-12-11-h-09--00--00"});
  QCOMPARE(started.dialogs.count(ScriptedDialogs::Kind::Information), 0);
}

void TestArchive::stars_data() {
  QTest::addColumn<QString>("results");
  QTest::addColumn<QString>("expected");  // star pictures: g green, r red, y grey, - untouched
  QTest::newRow("newest passed") << "10000"
                                 << "grrrr";
  QTest::newRow("no history") << "<none>"
                              << "r----";
  QTest::newRow("grey and unknown") << "2x1"
                                    << "y-g--";
}

void TestArchive::stars() {
  QFETCH(QString, results);
  QFETCH(QString, expected);
  // Stars need their pictures: make small ones of distinct colours.
  const std::pair<const char*, QColor> pictures[] = {{"data/greenstar.png", Qt::green},
                                                     {"data/redstar.png", Qt::red},
                                                     {"data/greystar.png", Qt::gray}};
  for (const auto& [name, colour] : pictures) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(install_->program.filePath(name)));
  }
  if (results != "<none>") {
    install_->user.writeFile("statsb2015uk.ini", "[stats]\r\nwyniki=" + results.toUtf8() + "\r\n");
  }
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton25->click();
  QString shown;
  for (QLabel* star : form.starimages) {
    const QPixmap picture = star->pixmap();
    if (picture.isNull()) {
      shown += '-';
      continue;
    }
    const QColor colour = picture.toImage().pixelColor(1, 1);
    shown += colour == QColor(Qt::green) ? 'g' : colour == QColor(Qt::red) ? 'r' : 'y';
  }
  QCOMPARE(shown, expected);
}

void TestArchive::statisticsPies() {
  install_->user.writeFile(
      "statsb2015uk.ini",
      "[nauka]\r\npoprawne=7\r\nniepoprawne=3\r\n[egzamin]\r\nzdane=2\r\nniezdane=5\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton90->click();
  QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet6);
  QCOMPARE(form.Label3->text(), QStringLiteral("Kategoria B"));
  const QList<QPieSlice*> learning = form.Series1->slices();
  QCOMPARE(learning.size(), 2);
  QCOMPARE(learning[0]->value(), 7.0);
  QCOMPARE(learning[0]->label(), slot(194) + ": 7");
  QCOMPARE(learning[0]->color(), QColor(128, 255, 128));
  QCOMPARE(learning[1]->label(), slot(191) + ": 3");
  QCOMPARE(learning[1]->color(), QColor(255, 0, 0));
  const QList<QPieSlice*> tests = form.Series2->slices();
  QCOMPARE(tests[0]->label(), slot(192) + ": 2");
  QCOMPARE(tests[1]->label(), slot(193) + ": 5");
  QCOMPARE(form.Chart1->chart()->title(), slot(46));
  // The pie turns while the mouse is over it.
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), form.Chart2->mapToGlobal(QPointF(5, 5)));
  QCoreApplication::sendEvent(form.Chart2, &enter);
  QVERIFY(form.Timer12->isActive());
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(form.Chart2, &leave);
  QVERIFY(!form.Timer12->isActive());
}

void TestArchive::clearStatistics_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("No") << false;
  QTest::newRow("Yes") << true;
}

void TestArchive::clearStatistics() {
  QFETCH(bool, yes);
  install_->user.writeFile(
      "statsc2015uk.ini",
      "[nauka]\r\npoprawne=7\r\nniepoprawne=3\r\n[egzamin]\r\nzdane=2\r\nniezdane=5\r\n"
      "[stats]\r\nwyniki=10100\r\n[last]\r\npytanie=12\r\n");
  StartedForm started;
  TForm1& form = *started.form;
  form.AdvSmoothButton26->click();
  form.statystykibuttonClick();
  started.dialogs.queueAnswer(yes);
  form.AdvSmoothButton22->click();
  QCOMPARE(started.dialogs.last().text, slot(94));
  platform::UserIni ini(started.dialogs);
  const stats::StatisticsFile file(ini, "C");
  QCOMPARE(file.counter("nauka", "poprawne"), yes ? 0 : 7);
  QCOMPARE(file.counter("egzamin", "niezdane"), yes ? 0 : 5);
  QCOMPARE(file.resultsForStars(), QStringLiteral("10100"));
  QCOMPARE(file.rememberedQuestion(), 12);
  QCOMPARE(form.Series1->slices().at(0)->value(), yes ? 0.0 : 7.0);
  QCOMPARE(form.Series2->slices().at(1)->label(), slot(193) + (yes ? ": 0" : ": 5"));
}

QTEST_MAIN(TestArchive)
#include "tst_archive.moc"
