#pragma once

#include <QString>
#include <QStringList>

namespace samplegen {

// Writes one bank field so that the bank reader's splitting gives it back: fields
// holding blanks, control characters, commas or double quotes are quoted, with inner
// double quotes doubled; everything else is written as it is.
QString quoteField(const QString& field);

// The ten fields joined into one record line.
QString recordLine(const QStringList& fields);

// Writes the twelve sample bank files and every picture they name into programDir,
// then reads the files back and checks each record. Returns false and fills error on
// the first problem.
bool writeSampleBanks(const QString& programDir, QString* error);

}  // namespace samplegen
