#pragma once

#include <QString>
#include <QVector>

namespace bank {

// One licence category and the installed files that belong to it. The question
// counts are fixed numbers of the program, not taken from the bank files.
struct CategoryInfo {
  QString code;           // "A" .. "D"
  int questionCount = 0;  // highest question number; the file holds count + 1 lines
  QString englishFile;    // bank file names in the program folder
  QString polishFile;
  QString germanFile;
  QString pictureFolder;    // relative to the program folder, with a trailing slash
  QString answerExtension;  // added to answer picture names, with the dot
};

// The four categories in the order A, B, C, D.
const QVector<CategoryInfo>& categoryTable();

// The category of a code, or nullptr for anything but "A" .. "D" (exact, upper case).
const CategoryInfo* categoryInfo(const QString& code);

// The bank file name of a category for a language code ("en", "pl", "de"), or an
// empty string for an unknown code.
QString bankFileName(const CategoryInfo& category, const QString& languageCode);

}  // namespace bank
