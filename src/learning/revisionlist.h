#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace learning {

// The entry as a question number of a category with questionCount questions, or 0
// when it is none (not a whole number, or outside 1..questionCount).
int questionNumberOf(const QString& entry, int questionCount);

// The list file format: one entry a line, every line ended by CR LF.
QByteArray serializeRevisionList(const QStringList& entries);

// Reads list lines; keeps only question numbers of the category and counts the rest.
QStringList parseRevisionList(const QByteArray& bytes, int questionCount, int* skipped = nullptr);

// Reads a list file; a missing file gives an empty list and false.
bool readRevisionListFile(const QString& path, int questionCount, QStringList* entries,
                          int* skipped = nullptr);
// Writes a list file atomically; false when it cannot be written.
bool writeRevisionListFile(const QString& path, const QStringList& entries);

}  // namespace learning
