#pragma once

#include <QString>

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
};

}  // namespace app
