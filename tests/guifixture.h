#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <memory>

#include "app/tform1.h"
#include "bank/categories.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/inifile.h"
#include "platform/random.h"
#include "platform/userfolder.h"
#include "reports/engine/report.h"
#include "stats/statsfile.h"
#include "testsupport.h"

namespace testsupport {

// One main window started the way main() starts it: scripted dialogs, a set clock and
// a seeded generator, no splash delay. The per-user folder is whatever APPDATA names,
// so create a TempUserFolder first.
struct StartedForm {
  platform::ScriptedDialogs dialogs;
  platform::FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0))};
  platform::Random random{7};
  std::unique_ptr<TForm1> form;
  // Reports shown instead of the modal preview; the test looks at the last one.
  std::function<void(reports::engine::Report&)> onPreview;
  int previews = 0;

  explicit StartedForm(const QString& savedTestFile = QString(), bool versionCheck = false) {
    app::Services services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.random = &random;
    services.savedTestFile = savedTestFile;
    services.splashMilliseconds = 0;
    services.versionCheck = versionCheck;
    services.preview = [this](reports::engine::Report& report) {
      ++previews;
      if (onPreview)
        onPreview(report);
    };
    form = std::make_unique<TForm1>(services);
    form->FormCreate();
  }
  TForm1* operator->() const { return form.get(); }
};

// Makes the program folder the build prepared the working directory, as main() does.
inline bool enterBuiltProgramFolder() {
  return QDir::setCurrent(builtProgramFolder());
}

}  // namespace testsupport

namespace testsupport {

// The correct letters of question n in the small test banks.
inline QString smallBankLetters(int n) {
  switch (n % 3) {
    case 0:
      return QStringLiteral("AC");
    case 1:
      return QStringLiteral("B");
    default:
      return QStringLiteral("C");
  }
}

// A program folder with the real texts and small, predictable English banks: question n
// reads "Question n?" with the correct letters of smallBankLetters(n); question 5 has
// six picture answers, question 6 has five text answers.
inline void makeSmallProgramFolder(const TempFolder& folder) {
  QFile langIni(builtProgramFolder() + QStringLiteral("/lang.ini"));
  langIni.open(QIODevice::ReadOnly);
  folder.write(QStringLiteral("lang.ini"), langIni.readAll());
  for (const auto& category : bank::categoryTable()) {
    QByteArray bank = "\"Test bank\"\r\n";
    for (int n = 1; n <= category.questionCount; ++n) {
      const QByteArray number = QByteArray::number(n);
      const QByteArray letters = smallBankLetters(n).toLatin1();
      if (n == 5) {
        bank += "\"Which picture, " + number + "?\",img1,img2,img3,img4,img5,img6,\"Note " +
                number + "\",,C\r\n";
      } else if (n == 6) {
        bank += "\"Question " + number + "?\",\"A " + number + "\",\"B " + number + "\",\"C " +
                number + "\",\"D " + number + "\",\"E " + number + "\",,\"Note " + number +
                "\",,AC\r\n";
      } else {
        bank += "\"Question " + number + "?\",\"A " + number + "\",\"B " + number + "\",\"C " +
                number + "\",\"D " + number + "\",,,\"Note " + number + "\",,";
        bank += letters + "\r\n";
      }
    }
    folder.write(category.englishFile, bank);
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    for (int picture = 1; picture <= 6; ++picture) {
      folder.write(
          category.pictureFolder + QStringLiteral("img%1").arg(picture) + category.answerExtension,
          png);
    }
  }
}

}  // namespace testsupport

namespace testsupport {

// A program folder with the small banks made the working directory, and a temporary
// per-user folder with its archive folders and lists; both go away with the fixture.
struct SmallInstallation {
  TempFolder program;
  TempUserFolder user;

  SmallInstallation() {
    makeSmallProgramFolder(program);
    QDir::setCurrent(program.path());
    platform::ensureUserFolder();
  }
  ~SmallInstallation() { QDir::setCurrent(QDir::tempPath()); }
};

}  // namespace testsupport

namespace testsupport {

// Text slot n of the installed catalogue in a language, as the program shows it.
inline QString slot(int n, const QString& language = QStringLiteral("en")) {
  return platform::IniFile::read(builtProgramFolder() + QStringLiteral("/lang.ini"),
                                 QStringLiteral("s%1").arg(n), language,
                                 QStringLiteral("<missing>"));
}

// A value of a category's statistics file, "<none>" when it is not there.
inline QString statValue(const QString& code, const QString& section, const QString& key) {
  return platform::IniFile::read(platform::userFilePath(stats::StatisticsFile::fileName(code)),
                                 section, key, QStringLiteral("<none>"));
}

}  // namespace testsupport
