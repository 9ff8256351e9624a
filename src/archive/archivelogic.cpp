#include "archive/archivelogic.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include "mocktest/testlogic.h"
#include "platform/inifile.h"

namespace archive {

const QString kAll = QStringLiteral("all");

QStringList listArchive(const QString& folder) {
  QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  std::sort(names.begin(), names.end());
  return names;
}

QStringList filterNames(const QStringList& names, const QString& year, const QString& month,
                        const QString& day) {
  QStringList kept;
  for (const QString& name : names) {
    if (year != kAll && name.mid(0, 4) != year)
      continue;
    if (month != kAll && name.mid(5, 2) != month)
      continue;
    if (day != kAll && name.mid(8, 2) != day)
      continue;
    kept << name;
  }
  return kept;
}

QStringList newestFirst(const QStringList& names) {
  QStringList sorted = oldestFirst(names);
  std::reverse(sorted.begin(), sorted.end());
  return sorted;
}

QStringList oldestFirst(const QStringList& names) {
  QStringList sorted = names;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}

QString readableName(const QString& name, const QString& dateTimeSeparator) {
  QString readable = name;
  readable.replace(QStringLiteral("-h-"), dateTimeSeparator);
  readable.replace(QStringLiteral("--"), QStringLiteral(":"));
  return readable;
}

StoredTest readStoredTest(const QString& path) {
  StoredTest test;
  const QString text =
      platform::IniFile::read(path, QStringLiteral("plik"), QStringLiteral("punktow"), QString());
  bool ok = false;
  test.points = text.toInt(&ok, 10);
  if (!ok)
    return StoredTest{};
  test.readable = true;
  test.percent = mocktest::percentOf(test.points);
  test.passed = mocktest::isPassed(test.points);
  return test;
}

StoredTest StoredTestCache::get(const QString& path) {
  const QFileInfo info(path);
  const qint64 size = info.size();
  const qint64 modified = info.lastModified().toMSecsSinceEpoch();
  auto found = entries_.find(path);
  if (found != entries_.end() && found->size == size && found->modified == modified) {
    return found->test;
  }
  Entry entry{size, modified, readStoredTest(path)};
  entries_.insert(path, entry);
  return entry.test;
}

QString percentText(int percent) {
  return QString::number(percent) + QLatin1Char('%');
}

QStringList yearItems(int currentYear) {
  QStringList items{kAll};
  for (int year = 2015; year <= std::max(2023, currentYear); ++year)
    items << QString::number(year);
  return items;
}

}  // namespace archive
