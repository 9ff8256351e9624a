#pragma once

#include <QDate>
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

// "86%".
QString percentText(int percent);

// The year items of the filter: "all", then 2015 up to the later of 2023 and the year
// given, so this year's tests can always be filtered.
QStringList yearItems(int currentYear);

}  // namespace archive
