#include "bank/splitrecord.h"

namespace bank {

namespace {

bool isBlank(QChar c) {
  const ushort code = c.unicode();
  return code >= 1 && code <= 32;
}

}  // namespace

void SplitRecord(const QString& line, QStringList& fields) {
  fields.clear();
  const int length = line.size();
  int pos = 0;
  auto skipBlanks = [&] {
    while (pos < length && isBlank(line.at(pos)))
      ++pos;
  };

  skipBlanks();
  while (pos < length) {
    QString field;
    if (line.at(pos) == QLatin1Char('"')) {
      ++pos;
      while (pos < length) {
        const QChar c = line.at(pos);
        if (c == QLatin1Char('"')) {
          if (pos + 1 < length && line.at(pos + 1) == QLatin1Char('"')) {
            field.append(QLatin1Char('"'));
            pos += 2;
            continue;
          }
          ++pos;  // the closing quote
          break;
        }
        field.append(c);
        ++pos;
      }
    } else {
      const int start = pos;
      while (pos < length && line.at(pos) != QLatin1Char(',') && !isBlank(line.at(pos)))
        ++pos;
      field = line.mid(start, pos - start);
    }
    fields.append(field);

    skipBlanks();
    if (pos < length && line.at(pos) == QLatin1Char(',')) {
      if (pos == length - 1)
        fields.append(QString());
      ++pos;
      skipBlanks();
    }
  }
}

QStringList SplitRecord(const QString& line) {
  QStringList fields;
  SplitRecord(line, fields);
  return fields;
}

}  // namespace bank
