#include "learning/revisionlist.h"

#include <QFile>
#include <QSaveFile>

#include "bank/textdecode.h"

namespace learning {

int questionNumberOf(const QString& entry, int questionCount) {
  bool ok = false;
  const int value = entry.trimmed().toInt(&ok, 10);
  return ok && value >= 1 && value <= questionCount ? value : 0;
}

QByteArray serializeRevisionList(const QStringList& entries) {
  QByteArray bytes;
  for (const QString& entry : entries)
    bytes += entry.toLatin1() + "\r\n";
  return bytes;
}

QStringList parseRevisionList(const QByteArray& bytes, int questionCount, int* skipped) {
  QStringList entries;
  int rejected = 0;
  for (const QString& line : bank::splitLines(bank::decodeText(bytes))) {
    const int number = questionNumberOf(line, questionCount);
    if (number > 0) {
      entries << QString::number(number);
    } else {
      ++rejected;
    }
  }
  if (skipped)
    *skipped = rejected;
  return entries;
}

bool readRevisionListFile(const QString& path, int questionCount, QStringList* entries,
                          int* skipped) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    entries->clear();
    if (skipped)
      *skipped = 0;
    return false;
  }
  *entries = parseRevisionList(file.readAll(), questionCount, skipped);
  return true;
}

bool writeRevisionListFile(const QString& path, const QStringList& entries) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  file.write(serializeRevisionList(entries));
  return file.commit();
}

}  // namespace learning
