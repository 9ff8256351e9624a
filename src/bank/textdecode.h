#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bank {

// Decodes a text file by its byte-order mark (UTF-8, UTF-16 little or big endian).
// Without one the bytes are read as UTF-8, or as Windows-1250 (the Central European
// code page the bank files were written in) when they are not valid UTF-8.
QString decodeText(const QByteArray& bytes);

// Splits text into lines ending in CR LF, LF or CR; a break after the last line adds
// no line.
QStringList splitLines(const QString& text);

}  // namespace bank
