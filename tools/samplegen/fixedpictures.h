#pragma once

#include <QString>

namespace samplegen {

// Writes the pictures the program itself loads (placeholders, badges, icons, the
// splash screen and the main background) below programDir. Returns false and fills
// error on the first file that cannot be written.
bool writeFixedPictures(const QString& programDir, QString* error);

}  // namespace samplegen
