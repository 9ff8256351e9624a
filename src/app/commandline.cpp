#include "app/commandline.h"

#include <QCommandLineParser>
#include <QDir>

namespace app {

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Roadquiz 2015: practice for the multiple-choice part of the UK driving theory test."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("test-file"),
                               QStringLiteral("A saved test (.rqt) to open, finished and scored."),
                               QStringLiteral("[test-file]"));
  CommandLine result;
  // process() prints help or the version and exits; the rest is ours to check.
  parser.process(arguments);
  const QStringList positional = parser.positionalArguments();
  if (!positional.isEmpty() && !positional.first().isEmpty()) {
    result.savedTestFile =
        QDir::cleanPath(QDir(workingFolder).absoluteFilePath(positional.first()));
  }
  return result;
}

}  // namespace app
