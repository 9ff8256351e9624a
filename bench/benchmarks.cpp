// The speed budgets of the program, measured on the installed sample data:
//   show a learning question (read and split the whole bank, fill the page)  < 2 ms
//   set up a test (draw, fill 50 testSlots, show slot 1)                          < 10 ms
//   refresh an archive of 10,000 stored tests                                 < 500 ms
//   main window on screen after the splash                                    < 500 ms
//   prepare the 26-page result report                                         < 2 s
// Run with QT_QPA_PLATFORM=offscreen; QBENCHMARK reports milliseconds per run.
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include "archive/archivelogic.h"
#include "controls/roundbutton.h"
#include "guifixture.h"
#include "mocktest/testlogic.h"
#include "reports/engine/report.h"
#include "reports/reportvariables.h"

using testsupport::StartedForm;

class Benchmarks : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(testsupport::enterBuiltProgramFolder());
    user_ = std::make_unique<testsupport::TempUserFolder>();
    QVERIFY(platform::ensureUserFolder());
  }

  void showLearningQuestion() {
    StartedForm started;
    TForm1& form = *started.form;
    form.AdvSmoothButton26->click();  // C: the largest bank
    int number = 1;
    QBENCHMARK {
      number = number % 1031 + 1;
      form.numer->setValue(number);
    }
  }

  void setUpTest() {
    StartedForm started;
    TForm1& form = *started.form;
    form.AdvSmoothButton26->click();
    QBENCHMARK {
      form.state().testRunning = false;
      form.nowytestClick();
      form.Timer9Timer();
    }
  }

  void refreshLargeArchive() {
    mocktest::TestSlots testSlots{};
    for (int k = 0; k < 50; ++k)
      testSlots[k].questionNumber = 1 + k * 19;
    const QDateTime start(QDate(2015, 1, 1), QTime(8, 0));
    for (int n = 0; n < 10000; ++n) {
      mocktest::writeSavedTest(
          platform::archiveFolder("B") + mocktest::archiveFileName(start.addSecs(n * 3600)), "B",
          n % 51, "en", testSlots);
    }
    StartedForm started;
    TForm1& form = *started.form;
    QBENCHMARK {
      form.sortujbtnClick();
    }
  }

  // The first refresh of a run reads every stored test; later ones read only changes.
  void readLargeArchiveCold() {
    const QString folder = platform::archiveFolder("B");
    const QStringList names = archive::listArchive(folder);
    QVERIFY(names.size() >= 10000);
    QBENCHMARK_ONCE {
      archive::StoredTestCache cache;
      for (const QString& name : names)
        cache.get(folder + name);
    }
  }

  void mainWindowOnScreen() {
    QBENCHMARK {
      StartedForm started;
      started->show();
      QCoreApplication::processEvents();
    }
  }

  void prepareResultReport() {
    reports::ResultReport data;
    data.category = "B";
    data.points = 44;
    data.name = "Anna.Kowalska";
    for (int k = 0; k < 50; ++k) {
      data.testSlots[k] = {1 + k * 19, "Question text of the slot, long enough to wrap once.",
                           QDir::currentPath() + "/data/obruk/imgsb/q0013.jpg", "AC", "AC"};
    }
    QBENCHMARK {
      reports::engine::Report report;
      QVERIFY(report.loadTemplate("repuk2015.fr3"));
      for (const auto& [name, expression] : reports::resultReportVariables(data)) {
        report.setVariable(name, expression);
      }
      report.setIntegerVariable("Param.punktow", data.points);
      for (int k = 0; k < 50; ++k) {
        report.loadPicture(QStringLiteral("Picturetest%1").arg(k + 1),
                           data.testSlots[k].picturePath);
      }
      QVERIFY(report.prepare());
    }
  }

 private:
  std::unique_ptr<testsupport::TempUserFolder> user_;
};

QTEST_MAIN(Benchmarks)
#include "benchmarks.moc"
