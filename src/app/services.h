#pragma once

#include <QString>
#include <functional>

namespace reports::engine {
class Report;
}

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"

namespace app {

// What the main window is handed from outside, so that tests can put in a scripted
// dialog, a set clock and a seeded generator.
struct Services {
  platform::Dialogs* dialogs = nullptr;
  platform::Clock* clock = nullptr;
  platform::Random* random = nullptr;
  QString savedTestFile;  // from the command line, absolute, may be empty
  int splashMilliseconds = 1000;
  // The version check at the end of start-up; tests that do not need it leave the
  // web views unstarted.
  bool versionCheck = true;
  // Shows a prepared report; empty means the modal preview window. Tests look at the
  // report instead of waiting on a window.
  std::function<void(reports::engine::Report&)> preview;
};

}  // namespace app
