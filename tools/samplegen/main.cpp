// rq_samplegen: writes the sample question banks and all pictures into a program
// folder, so that a build can be run and tested without the licensed bank files.
//
//   rq_samplegen <programdir>
//
// Run it with QT_QPA_PLATFORM=offscreen on machines without a display.

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "bankwriter.h"
#include "fixedpictures.h"

int main(int argc, char* argv[]) {
  // Text in the pictures needs the font machinery, which needs a GUI application.
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: rq_samplegen <programdir>\n");
    return 2;
  }
  const QString programDir = QDir(arguments.at(1)).absolutePath();
  if (!QDir().mkpath(programDir)) {
    std::fprintf(stderr, "rq_samplegen: cannot create %s\n", qPrintable(programDir));
    return 1;
  }
  QString error;
  if (!samplegen::writeFixedPictures(programDir, &error) ||
      !samplegen::writeSampleBanks(programDir, &error)) {
    std::fprintf(stderr, "rq_samplegen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
