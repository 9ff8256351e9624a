// Mock test: draw, test page, clock, finishing and saved test files.
#include "app/tform1.h"

void TForm1::openSavedTestAtStartup(const QString& path) {
  // Opening a saved test named on the command line comes with the saved-test reader.
  Q_UNUSED(path);
}
