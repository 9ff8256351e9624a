#include "platform/userfolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace platform {

namespace {
const char* const kCategories[] = {"A", "B", "C", "D"};
}

QString userFolder() {
  QString base = qEnvironmentVariable("APPDATA");
  if (base.isEmpty()) {
    base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  }
  if (base.isEmpty())
    base = QDir::homePath() + QStringLiteral("/.local/share");
  return QDir::cleanPath(base + QStringLiteral("/Velmora/roadquiz2015")) + QLatin1Char('/');
}

QString userFilePath(const QString& fileName) {
  return userFolder() + fileName;
}

QString archiveFolder(const QString& categoryCode) {
  return userFolder() + QStringLiteral("testsarchiveuk/") + categoryCode + QLatin1Char('/');
}

QString revisionListFileName(const QString& categoryCode) {
  return QStringLiteral("repeat-") + categoryCode.toLower() + QStringLiteral("2015uk.txt");
}

bool ensureUserFolder(QStringList* failures) {
  QStringList failed;
  const QString folder = userFolder();
  for (const char* code : kCategories) {
    const QString archive = archiveFolder(QLatin1String(code));
    if (!QDir().mkpath(archive))
      failed << archive;
  }
  for (const char* code : kCategories) {
    const QString path = folder + revisionListFileName(QLatin1String(code));
    if (QFile::exists(path))
      continue;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
      failed << path;
  }
  if (failures)
    *failures = failed;
  return failed.isEmpty();
}

}  // namespace platform
