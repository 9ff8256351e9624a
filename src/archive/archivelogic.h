#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace archive {

// "all" in a filter list means no condition.
extern const QString kAll;

// The names of the ordinary files in an archive folder, ascending; none when the folder
// is missing.
QStringList listArchive(const QString& folder);

// Keeps the names whose year (characters 1-4), month (6-7) and day (9-10) equal every
// filter value that is not "all".
QStringList filterNames(const QStringList& names, const QString& year, const QString& month,
                        const QString& day);

// Sorted without repeats, newest (largest) first.
QStringList newestFirst(const QStringList& names);
QStringList oldestFirst(const QStringList& names);

// The name as people read it: "-h-" becomes the given word, "--" a colon.
QString readableName(const QString& name, const QString& dateTimeSeparator);

// What the list shows of one stored test.
struct StoredTest {
  bool readable = false;  // punktow present and a whole number
  int points = 0;
  int percent = 0;  // points * 100 / 50
  bool passed = false;
};
StoredTest readStoredTest(const QString& path);

// Remembers what was read of each file while it stays unchanged, so that the list can
// be rebuilt often (every language switch, every order) without reading the whole
// archive again.
class StoredTestCache {
 public:
  StoredTest get(const QString& path);

 private:
  struct Entry {
    qint64 size = -1;
    qint64 modified = 0;
    StoredTest test;
  };
  QHash<QString, Entry> entries_;
};

// "86%".
QString percentText(int percent);

// The year items of the filter: "all", then 2015 up to the later of 2023 and the year
// given, so this year's tests can always be filtered.
QStringList yearItems(int currentYear);

}  // namespace archive
