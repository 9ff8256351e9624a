#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace app {

// A picture file scaled into a box keeping its aspect ratio; a null pixmap when the
// file is missing or unreadable, so a missing picture simply leaves its place empty.
inline QPixmap scaledPicture(const QString& path, const QSize& box) {
  const QPixmap picture(path);
  if (picture.isNull())
    return picture;
  return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace app
