#include "learning/learningtexts.h"

#include <QDir>

namespace learning {

QString importSkippedMessage(const QString& languageCode, int skipped, int questionCount) {
  const QString n = QString::number(skipped);
  const QString last = QString::number(questionCount);
  if (languageCode == QLatin1String("pl")) {
    return QStringLiteral("Pominięto wiersze, które nie są numerami pytań od 1 do %1: %2.")
        .arg(last, n);
  }
  if (languageCode == QLatin1String("de")) {
    return QStringLiteral("Übersprungene Zeilen, die keine Fragennummern von 1 bis %1 sind: %2.")
        .arg(last, n);
  }
  return QStringLiteral("Lines skipped because they are not question numbers from 1 to %1: %2.")
      .arg(last, n);
}

QString cannotReadMessage(const QString& languageCode, const QString& path) {
  const QString name = QDir::toNativeSeparators(path);
  if (languageCode == QLatin1String("pl")) {
    return QStringLiteral("Nie można odczytać pliku %1.").arg(name);
  }
  if (languageCode == QLatin1String("de")) {
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name);
  }
  return QStringLiteral("The file %1 cannot be read.").arg(name);
}

QString cannotWriteMessage(const QString& languageCode, const QString& path) {
  const QString name = QDir::toNativeSeparators(path);
  if (languageCode == QLatin1String("pl")) {
    return QStringLiteral("Nie można zapisać pliku %1.").arg(name);
  }
  if (languageCode == QLatin1String("de")) {
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(name);
  }
  return QStringLiteral("The file %1 cannot be written.").arg(name);
}

QString informationCaption(const QString& languageCode) {
  if (languageCode == QLatin1String("pl"))
    return QStringLiteral("Informacja");
  if (languageCode == QLatin1String("de"))
    return QStringLiteral("Information");
  return QStringLiteral("Information");
}

}  // namespace learning
