#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace samplegen {

// One palette for every picture, so the sample pictures and the program's own
// artwork look like they belong together.
namespace palette {
QColor sky();        // #A6CAF0, the program's main colour
QColor skyLight();   // lighter sky for backgrounds
QColor navy();       // outlines and glyphs
QColor yellow();     // #FFFF80 accents
QColor green();      // #80FF80 "right"
QColor greenDark();  // outline and glyph on green
QColor red();        // #FF8080 "wrong"
QColor redDark();    // outline and glyph on red
QColor signRed();    // road sign red
QColor signBlue();   // road sign blue
QColor ink();        // near-black for sign symbols
QColor road();       // asphalt
QColor grass();      // muted verge
QColor pavement();   // footway
QColor paper();      // light panel background
}  // namespace palette

// A fresh image: transparent when asked, white otherwise.
QImage newImage(QSize size, bool transparent);

// Antialiasing for shapes, text and scaled pictures.
void preparePainter(QPainter& painter);

// The font every picture uses, with its size in pixels.
QFont pictureFont(qreal pixelSize, bool bold);

// Saves a picture, creating its folder; JPEG files are flattened onto white and
// written at quality 90. Returns false and fills error when the file cannot be written.
bool savePicture(const QImage& image, const QString& path, QString* error);

// A small "Sample" tag in the bottom right corner of a bank picture.
void drawSampleCaption(QPainter& painter, const QRectF& area);

// The light background the bank pictures share: a soft sky with a strip of verge.
void drawPictureBackground(QPainter& painter, const QRectF& area);

// Shapes used by several pictures.
QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius);
QPainterPath tickPath(const QRectF& box);
QPainterPath crossPath(const QRectF& box);

// A round badge with a tick (right) or a cross (wrong), filling box.
void drawResultBadge(QPainter& painter, const QRectF& box, bool right);

// Text centred in a box, shrunk until it fits the width.
void drawFittedText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                    bool bold, const QColor& colour);

}  // namespace samplegen
