#pragma once

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
  QString savedTestFile;  // absolute path, or empty; may name no existing file
};

// Parses the arguments; --help and --version are answered by the parser itself. A
// relative saved-test path is made absolute against workingFolder, the folder the
// user started the program in, before the program changes its working directory.
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder);

}  // namespace app
