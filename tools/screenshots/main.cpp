// Usage: rq_screenshots <output folder> [language ...]
// Run from the build tree; the program folder is found as the program finds it.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <QTemporaryDir>
#include <QTimer>
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "mocktest/testlogic.h"
#include "platform/userini.h"
#include "reports/engine/previewdialog.h"
#include "reports/engine/report.h"
#include "stats/statsfile.h"

#include "app/auxwindows.h"
#include "app/tform1.h"
#include "controls/verticaldock.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/random.h"
#include "platform/userfolder.h"

namespace {

void settle(int milliseconds = 300) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void save(QWidget* widget, const QString& path) {
  widget->grab().save(path);
  qInfo("%s", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    qWarning("usage: rq_screenshots <output folder> [en|pl|de ...]");
    return 2;
  }
  const QString out = arguments.at(1);
  QDir().mkpath(out);
  QStringList languages = arguments.mid(2);
  if (languages.isEmpty())
    languages = {"en", "pl", "de"};

  QTemporaryDir user;
  qputenv("APPDATA", user.path().toUtf8());
  platform::ensureUserFolder();
  const QString programFolder = platform::resolveProgramFolder(QApplication::applicationDirPath() +
                                                               QStringLiteral("/../../bin"));
  QDir::setCurrent(programFolder.isEmpty() ? QStringLiteral(".") : programFolder);

  platform::ScriptedDialogs dialogs;
  platform::FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 30)));
  platform::Random random(1);
  app::Services services;
  services.dialogs = &dialogs;
  services.clock = &clock;
  services.random = &random;
  services.splashMilliseconds = 0;
  services.versionCheck = false;
  // Reports are exported and their preview pictured instead of waiting on the window.
  int reportNumber = 0;
  services.preview = [&](reports::engine::Report& report) {
    const QString base = out + QStringLiteral("/report%1").arg(++reportNumber);
    report.exportPdf(base + ".pdf");
    report.exportHtml(base + ".html");
    report.exportJpeg(base + ".jpg");
    reports::engine::PreviewDialog preview(report);
    preview.resize(900, 700);
    preview.show();
    settle(500);
    save(&preview, base + "-preview.png");
  };

  // A few weeks of stored tests, so the archive has something to show.
  for (int day = 0; day < 14; ++day) {
    mocktest::TestSlots testSlots{};
    const int points = 30 + (day * 7) % 21;
    for (int k = 0; k < 50; ++k) {
      testSlots[k].questionNumber = 1 + k * 19;
      testSlots[k].correctLetters = QStringLiteral("A");
      testSlots[k].givenLetters = k < points ? QStringLiteral("A") : QStringLiteral("B");
    }
    const QDateTime when = clock.now().addDays(-day * 3).addSecs(-day * 3700);
    mocktest::writeSavedTest(platform::archiveFolder("B") + mocktest::archiveFileName(when), "B",
                             points, "en", testSlots);
  }
  {
    platform::UserIni ini(dialogs);
    stats::StatisticsFile statistics(ini, "B");
    for (int i = 0; i < 23; ++i)
      statistics.increment("nauka", "poprawne");
    for (int i = 0; i < 9; ++i)
      statistics.increment("nauka", "niepoprawne");
    for (int i = 0; i < 4; ++i)
      statistics.increment("egzamin", "zdane");
    for (int i = 0; i < 6; ++i)
      statistics.increment("egzamin", "niezdane");
  }

  TForm1 form(services);
  form.FormCreate();
  form.resize(1366, 768);
  form.show();
  settle();
  save(form.Form2, out + "/splash.png");
  form.AdvSmoothButton25->click();

  for (const QString& language : languages) {
    if (language == "pl")
      form.polskibtnClick();
    if (language == "de")
      form.deutschbtnClick();
    if (language == "en")
      form.englishbtnClick();
    form.menubuttonClick();
    settle();
    save(&form, out + "/start-" + language + ".png");

    form.highwaysignsbtnClick();
    form.menudockItemClick(3);
    form.ShowHintBar(form.texts().s(130));
    settle(500);
    save(&form, out + "/leftpanel-hint-" + language + ".png");
    form.menudockItemClick(0);

    // Learning page: a text-answer question with a picture, then picture answers.
    form.AdvSmoothButton25->click();
    form.numeredit->setText("18");
    form.numereditEnter();
    form.abutton->click();
    form.sprawdzbuttonClick();
    settle(500);
    save(&form, out + "/learning-text-" + language + ".png");
    form.numeredit->setText("29");
    form.numereditEnter();
    form.cbutton->click();
    form.sprawdzbuttonClick();
    settle(500);
    save(&form, out + "/learning-pictures-" + language + ".png");
    // A running test, then its review.
    form.menudockItemClick(2);
    form.nowytestClick();
    settle(300);
    for (int slot = 1; slot <= 12; ++slot) {
      form.selectSlot(slot);
      form.answerTestClick(slot % 4);
      if (slot % 3 == 0)
        form.answerTestClick((slot + 1) % 4);
    }
    form.selectSlot(13);
    form.showknowledgebuttonClick();
    settle(400);
    save(&form, out + "/test-running-" + language + ".png");
    form.koniecClick();
    form.selectSlot(3);
    settle(400);
    save(&form, out + "/test-review-" + language + ".png");
    form.AdvSmoothButton76Click();
    form.nazwiskoedit->setText(QStringLiteral("Anna Kowalska"));
    form.dodatkowytekstedit->setText(QStringLiteral("Mock test before the real one"));
    settle(200);
    save(&form, out + "/report-options-" + language + ".png");
    form.showreportbuttonClick();
    form.menudockItemClick(1);
    form.AdvSmoothRotaryMenu1ItemClick(1);
    form.menudockItemClick(4);
    form.AdvSmoothListBox1->setSelectedIndex(2);
    form.AdvSmoothListBox1ItemClick(2);
    settle(300);
    save(&form, out + "/archive-" + language + ".png");
    form.AdvSmoothButton90Click();
    settle(300);
    save(&form, out + "/statistics-" + language + ".png");
    form.menudockItemClick(0);

    form.helpform->show();
    settle();
    save(form.helpform, out + "/rules-" + language + ".png");
    form.helpform->close();
    form.arrowform->show();
    settle();
    save(form.arrowform, out + "/shortcuts-" + language + ".png");
    form.arrowform->close();
  }
  // Reference pages and the update page, in web views.
  const auto webShot = [&](const QString& name) {
    for (int i = 0; i < 30; ++i)
      settle(200);
    save(&form, out + "/" + name + ".png");
  };
  form.englishbtnClick();
  form.highwaysignsbtnClick();
  settle(300);
  save(&form, out + "/reference-hub.png");
  form.AdvSmoothButton88->click();
  settle(300);
  save(&form, out + "/roadsigns-menu.png");
  form.roadSignButtons[0]->click();
  webShot("roadsigns-warning");
  form.backbrowser1Click();
  form.highwaycodebtn->click();
  webShot("highwaycode");
  form.state().updatesAvailable = true;
  form.updatebuttonClick();
  webShot("updates");

  form.aboutform->show();
  settle();
  save(form.aboutform, out + "/about.png");
  form.aboutform->close();
  form.msgform->showResult(true);
  save(form.msgform, out + "/toast-correct.png");
  form.msgform->showResult(false);
  save(form.msgform, out + "/toast-wrong.png");
  return 0;
}
