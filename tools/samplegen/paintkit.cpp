#include "paintkit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace samplegen {

namespace palette {
QColor sky() {
  return QColor(0xA6, 0xCA, 0xF0);
}
QColor skyLight() {
  return QColor(0xDD, 0xEB, 0xFA);
}
QColor navy() {
  return QColor(0x1C, 0x33, 0x62);
}
QColor yellow() {
  return QColor(0xFF, 0xFF, 0x80);
}
QColor green() {
  return QColor(0x80, 0xFF, 0x80);
}
QColor greenDark() {
  return QColor(0x1F, 0x7A, 0x35);
}
QColor red() {
  return QColor(0xFF, 0x80, 0x80);
}
QColor redDark() {
  return QColor(0xA8, 0x1F, 0x1F);
}
QColor signRed() {
  return QColor(0xC8, 0x10, 0x2E);
}
QColor signBlue() {
  return QColor(0x00, 0x5E, 0xB8);
}
QColor ink() {
  return QColor(0x1A, 0x1A, 0x1A);
}
QColor road() {
  return QColor(0x70, 0x75, 0x7C);
}
QColor grass() {
  return QColor(0xB8, 0xD0, 0x9E);
}
QColor pavement() {
  return QColor(0xD6, 0xD2, 0xC8);
}
QColor paper() {
  return QColor(0xF3, 0xF7, 0xFC);
}
}  // namespace palette

QImage newImage(QSize size, bool transparent) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(transparent ? Qt::transparent : Qt::white);
  return image;
}

void preparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont pictureFont(qreal pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(qMax(1, qRound(pixelSize)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

bool savePicture(const QImage& image, const QString& path, QString* error) {
  const QFileInfo info(path);
  if (!QDir().mkpath(info.absolutePath())) {
    *error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    return false;
  }
  const QString suffix = info.suffix().toLower();
  bool saved = false;
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
    // JPEG has no transparency; flatten onto white so transparent corners do not
    // turn black.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    saved = flat.save(path, "JPG", 90);
  } else {
    saved = image.save(path, "PNG");
  }
  if (!saved)
    *error = QStringLiteral("cannot write %1").arg(path);
  return saved;
}

void drawSampleCaption(QPainter& painter, const QRectF& area) {
  painter.save();
  const qreal size = qMax(9.0, area.height() * 0.045);
  const QFont font = pictureFont(size, true);
  const QFontMetricsF metrics(font);
  const QString text = QStringLiteral("Sample");
  const qreal width = metrics.horizontalAdvance(text) + size * 1.1;
  const qreal height = metrics.height() + size * 0.2;
  const qreal margin = qMax(4.0, area.height() * 0.025);
  const QRectF pill(area.right() - margin - width, area.bottom() - margin - height, width, height);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 200));
  painter.drawRoundedRect(pill, height / 2, height / 2);
  QColor textColour = palette::navy();
  textColour.setAlpha(190);
  painter.setPen(textColour);
  painter.setFont(font);
  painter.drawText(pill, Qt::AlignCenter, text);
  painter.restore();
}

void drawPictureBackground(QPainter& painter, const QRectF& area) {
  painter.save();
  const qreal horizon = area.top() + area.height() * 0.78;
  QLinearGradient sky(area.topLeft(), QPointF(area.left(), horizon));
  sky.setColorAt(0.0, palette::skyLight());
  sky.setColorAt(1.0, QColor(0xF6, 0xFA, 0xFE));
  painter.fillRect(QRectF(area.left(), area.top(), area.width(), horizon - area.top()), sky);
  QLinearGradient verge(QPointF(area.left(), horizon), area.bottomLeft());
  verge.setColorAt(0.0, QColor(0xD4, 0xE4, 0xC4));
  verge.setColorAt(1.0, palette::grass());
  painter.fillRect(QRectF(area.left(), horizon, area.width(), area.bottom() - horizon), verge);
  painter.restore();
}

QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const qreal radius = (i % 2 == 0) ? outerRadius : innerRadius;
    const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
    const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

QPainterPath tickPath(const QRectF& box) {
  QPainterPath path;
  path.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.54);
  path.lineTo(box.left() + box.width() * 0.41, box.top() + box.height() * 0.76);
  path.lineTo(box.left() + box.width() * 0.82, box.top() + box.height() * 0.28);
  return path;
}

QPainterPath crossPath(const QRectF& box) {
  QPainterPath path;
  const qreal inset = 0.25;
  path.moveTo(box.left() + box.width() * inset, box.top() + box.height() * inset);
  path.lineTo(box.right() - box.width() * inset, box.bottom() - box.height() * inset);
  path.moveTo(box.right() - box.width() * inset, box.top() + box.height() * inset);
  path.lineTo(box.left() + box.width() * inset, box.bottom() - box.height() * inset);
  return path;
}

void drawResultBadge(QPainter& painter, const QRectF& box, bool right) {
  painter.save();
  const qreal border = qMax(1.5, box.width() * 0.045);
  const QRectF disc = box.adjusted(border, border, -border, -border);
  const QColor fill = right ? palette::green() : palette::red();
  const QColor dark = right ? palette::greenDark() : palette::redDark();
  QRadialGradient shade(disc.center() - QPointF(disc.width() * 0.18, disc.height() * 0.22),
                        disc.width() * 0.75);
  shade.setColorAt(0.0, fill.lighter(125));
  shade.setColorAt(1.0, fill);
  painter.setBrush(shade);
  painter.setPen(QPen(dark, border));
  painter.drawEllipse(disc);
  QPen glyph(dark, box.width() * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(glyph);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(right ? tickPath(disc) : crossPath(disc));
  painter.restore();
}

void drawFittedText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                    bool bold, const QColor& colour) {
  qreal size = pixelSize;
  QFont font = pictureFont(size, bold);
  while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
    size -= 1;
    font = pictureFont(size, bold);
  }
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.restore();
}

}  // namespace samplegen
