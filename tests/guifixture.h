#pragma once

#include <QDir>
#include <memory>

#include "app/tform1.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/userfolder.h"
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

  explicit StartedForm(const QString& savedTestFile = QString()) {
    app::Services services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.random = &random;
    services.savedTestFile = savedTestFile;
    services.splashMilliseconds = 0;
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
