#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The per-user data folder: $APPDATA when set (tests point it at a temporary folder),
// otherwise the XDG data home; then Velmora/roadquiz2015/. Always ends in a slash.
QString userFolder();

// The full path of a file in the per-user data folder.
QString userFilePath(const QString& fileName);

// The archive folder of a category, e.g. ".../testsarchiveuk/B/".
QString archiveFolder(const QString& categoryCode);

// The revision list file name of a category, e.g. "repeat-b2015uk.txt".
QString revisionListFileName(const QString& categoryCode);

// Creates the per-user folder, its four archive folders and four empty revision list
// files where they are missing; existing files are never touched. Returns false when
// something could not be created, with the failed paths in failures.
bool ensureUserFolder(QStringList* failures = nullptr);

}  // namespace platform
