#pragma once

#include <QString>
#include <QStringList>

namespace bank {

// Splits one bank line into its fields: comma-delimited, double quotes around fields
// that hold blanks or commas (a doubled quote inside stands for one), and every
// character with a code from 1 to 32 ending an unquoted field.
void SplitRecord(const QString& line, QStringList& fields);
QStringList SplitRecord(const QString& line);

}  // namespace bank
