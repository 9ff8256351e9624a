#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString resolveProgramFolder(const QString& executableFolder) {
  QStringList candidates;
  const QString overridden = qEnvironmentVariable("ROADQUIZ_PROGRAM_DIR");
  if (!overridden.isEmpty())
    candidates << overridden;
  candidates << executableFolder + QStringLiteral("/../share/roadquiz2015") << executableFolder;
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate + QStringLiteral("/lang.ini")).isFile()) {
      return QDir::cleanPath(QDir(candidate).absolutePath());
    }
  }
  return QString();
}

}  // namespace platform
