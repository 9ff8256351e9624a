#include "archive/archivetexts.h"

namespace archive {

QString unreadableNote(const QString& languageCode) {
  if (languageCode == QLatin1String("pl"))
    return QString::fromUtf8("nie można odczytać pliku");
  if (languageCode == QLatin1String("de"))
    return QString::fromUtf8("Datei nicht lesbar");
  return QStringLiteral("the file cannot be read");
}

}  // namespace archive
