#include "fixedpictures.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

#include "paintkit.h"
#include "scenes.h"
#include "signs.h"

namespace samplegen {

namespace {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

// Paints one picture and saves it below the program folder.
bool makePicture(const QString& programDir, const QString& relativePath, QSize size,
                 bool transparent, const Drawing& draw, QString* error) {
  QImage image = newImage(size, transparent);
  QPainter painter(&image);
  preparePainter(painter);
  draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return savePicture(image, QDir(programDir).filePath(relativePath), error);
}

QPen roundPen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Icons are designed on a 100 by 100 grid and scaled to their size.
void toGrid(QPainter& p, const QRectF& area) {
  p.translate(area.topLeft());
  p.scale(area.width() / 100.0, area.height() / 100.0);
}

// The rounded sky tile behind every dock and button icon.
void drawTile(QPainter& p) {
  QLinearGradient shade(0, 4, 0, 96);
  shade.setColorAt(0.0, QColor(0xE4, 0xEF, 0xFB));
  shade.setColorAt(1.0, palette::sky());
  p.setPen(QPen(palette::navy(), 3.2));
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(3, 3, 94, 94), 20, 20);
}

// --- placeholders -----------------------------------------------------------------

void drawLightPanel(QPainter& p, const QRectF& area) {
  QLinearGradient panel(area.topLeft(), area.bottomLeft());
  panel.setColorAt(0.0, QColor(0xF5, 0xF8, 0xFC));
  panel.setColorAt(1.0, QColor(0xE7, 0xEE, 0xF7));
  p.fillRect(area, panel);
  p.setPen(QPen(QColor(0xD6, 0xE1, 0xEE), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(area.adjusted(6, 6, -6, -6), 10, 10);
}

void drawFaintRoad(QPainter& p, const QRectF& area) {
  const QPointF c = area.center();
  const qreal h = area.height() * 0.42;
  const qreal top = c.y() - h / 2;
  const qreal bottom = c.y() + h / 2;
  p.setPen(QPen(QColor(0xD2, 0xDD, 0xEA), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(c.x() - h * 1.1, top), QPointF(c.x() + h * 1.1, top));  // horizon
  QPolygonF road;
  road << QPointF(c.x() - 8, top) << QPointF(c.x() + 8, top) << QPointF(c.x() + h * 0.8, bottom)
       << QPointF(c.x() - h * 0.8, bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD2, 0xDD, 0xEA));
  p.drawPolygon(road);
  p.setBrush(QColor(0xF0, 0xF5, 0xFB));
  const qreal marks[][2] = {{0.10, 0.22}, {0.36, 0.55}, {0.72, 1.0}};
  for (const auto& mark : marks) {
    const qreal y1 = top + h * mark[0];
    const qreal y2 = top + h * mark[1];
    const qreal w1 = 1 + mark[0] * 5;
    const qreal w2 = 1 + mark[1] * 5;
    p.drawPolygon(QPolygonF({QPointF(c.x() - w1, y1), QPointF(c.x() + w1, y1),
                             QPointF(c.x() + w2, y2), QPointF(c.x() - w2, y2)}));
  }
}

void drawFaintPictureIcon(QPainter& p, const QRectF& area) {
  const QPointF c = area.center();
  const QRectF frame(c.x() - 52, c.y() - 40, 104, 80);
  const QColor faint(0xCC, 0xD8, 0xE6);
  p.setPen(QPen(faint, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(frame, 8, 8);
  p.setPen(Qt::NoPen);
  p.setBrush(faint);
  p.drawEllipse(QPointF(frame.right() - 26, frame.top() + 24), 9, 9);
  QPolygonF hills;
  hills << QPointF(frame.left() + 10, frame.bottom() - 10)
        << QPointF(frame.left() + 38, frame.top() + 34)
        << QPointF(frame.left() + 58, frame.bottom() - 30)
        << QPointF(frame.left() + 70, frame.bottom() - 40)
        << QPointF(frame.right() - 10, frame.bottom() - 10);
  p.drawPolygon(hills);
}

// --- badges and stars ---------------------------------------------------------------

void drawShadowedBadge(QPainter& p, const QRectF& area, bool right) {
  const qreal inset = area.width() * 0.06;
  const QRectF box = area.adjusted(inset, inset, -inset, -inset);
  QRadialGradient shadow(box.center() + QPointF(0, box.height() * 0.05), box.width() * 0.54);
  shadow.setColorAt(0.85, QColor(0, 0, 0, 50));
  shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(box.center() + QPointF(0, box.height() * 0.05), box.width() * 0.54,
                box.height() * 0.54);
  p.setBrush(Qt::white);
  p.drawEllipse(box);
  const qreal ring = box.width() * 0.06;
  drawResultBadge(p, box.adjusted(ring, ring, -ring, -ring), right);
}

enum class StarKind { Passed, Failed, Empty };

void drawStar(QPainter& p, const QRectF& area, StarKind kind) {
  const QPointF centre(area.center().x(), area.center().y() + area.height() * 0.03);
  const qreal outer = area.width() * 0.46;
  const QPainterPath star = starPath(centre, outer, outer * 0.45);
  const qreal line = qMax(1.5, area.width() * 0.05);
  if (kind == StarKind::Empty) {
    p.setPen(QPen(QColor(0x7E, 0x90, 0xA8), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(star);
    return;
  }
  const bool passed = kind == StarKind::Passed;
  QRadialGradient fill(centre - QPointF(outer * 0.25, outer * 0.35), outer * 1.2);
  fill.setColorAt(0.0, passed ? QColor(0xFF, 0xF3, 0x9A) : QColor(0xE6, 0xC4, 0xC4));
  fill.setColorAt(1.0, passed ? QColor(0xF5, 0xB8, 0x00) : QColor(0xB0, 0x80, 0x80));
  p.setPen(QPen(passed ? QColor(0xA8, 0x74, 0x00) : QColor(0x86, 0x4A, 0x4A), line, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(star);
}

// --- icons --------------------------------------------------------------------------

void drawMenuIcon(QPainter& p) {
  drawTile(p);
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      p.setBrush(row == 0 && column == 0 ? palette::yellow() : palette::navy());
      if (row == 0 && column == 0)
        p.setPen(QPen(palette::navy(), 2.5));
      p.drawRoundedRect(QRectF(22 + column * 20, 22 + row * 20, 16, 16), 4, 4);
      p.setPen(Qt::NoPen);
    }
  }
}

void drawBookOpenIcon(QPainter& p) {
  drawTile(p);
  QPainterPath left;
  left.moveTo(50, 32);
  left.quadTo(34, 24, 17, 28);
  left.lineTo(17, 74);
  left.quadTo(34, 70, 50, 78);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(50, 32);
  right.quadTo(66, 24, 83, 28);
  right.lineTo(83, 74);
  right.quadTo(66, 70, 50, 78);
  right.closeSubpath();
  p.setPen(roundPen(palette::navy(), 3.5));
  p.setBrush(Qt::white);
  p.drawPath(left);
  p.drawPath(right);
  p.setPen(roundPen(palette::sky().darker(125), 2.5));
  for (int i = 0; i < 4; ++i) {
    const qreal y = 40 + i * 8;
    p.drawLine(QPointF(24, y - 1), QPointF(43, y + 1));
    p.drawLine(QPointF(57, y + 1), QPointF(76, y - 1));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(palette::yellow().darker(115));
  p.drawPolygon(QPolygonF(
      {QPointF(68, 27), QPointF(76, 26), QPointF(76, 46), QPointF(72, 42), QPointF(68, 46)}));
}

void drawStopwatchIcon(QPainter& p) {
  drawTile(p);
  const QPointF c(50, 56);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::navy());
  p.drawRoundedRect(QRectF(43, 15, 14, 8), 2, 2);
  p.drawRect(QRectF(47, 21, 6, 8));
  p.save();
  p.translate(c);
  p.rotate(45);
  p.drawRoundedRect(QRectF(-3.5, -36, 7, 8), 2, 2);
  p.restore();
  p.setPen(roundPen(palette::navy(), 4));
  p.setBrush(Qt::white);
  p.drawEllipse(c, 28, 28);
  // The elapsed part of the minute, in yellow.
  p.setPen(Qt::NoPen);
  p.setBrush(palette::yellow());
  p.drawPie(QRectF(c.x() - 23, c.y() - 23, 46, 46), 90 * 16, -110 * 16);
  p.setPen(roundPen(palette::navy(), 2.5));
  for (int i = 0; i < 12; ++i) {
    const qreal a = qDegreesToRadians(i * 30.0);
    const qreal inner = (i % 3 == 0) ? 18 : 21;
    p.drawLine(c + QPointF(inner * qSin(a), -inner * qCos(a)),
               c + QPointF(24 * qSin(a), -24 * qCos(a)));
  }
  p.setPen(roundPen(palette::redDark(), 3.5));
  const qreal hand = qDegreesToRadians(110.0);
  p.drawLine(c, c + QPointF(20 * qSin(hand), -20 * qCos(hand)));
  p.setPen(Qt::NoPen);
  p.setBrush(palette::navy());
  p.drawEllipse(c, 3.5, 3.5);
}

void drawRoadSignIcon(QPainter& p) {
  drawTile(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x8A, 0x90, 0x98));
  p.drawRect(QRectF(47, 58, 6, 30));
  QPolygonF outer;
  outer << QPointF(50, 16) << QPointF(80, 66) << QPointF(20, 66);
  p.setPen(QPen(palette::signRed(), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(palette::signRed());
  p.drawPolygon(outer);
  QPolygonF inner;
  inner << QPointF(50, 29) << QPointF(70, 62) << QPointF(30, 62);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(inner);
  p.setBrush(palette::ink());
  p.drawRoundedRect(QRectF(47.5, 37, 5, 15), 2, 2);
  p.drawEllipse(QPointF(50, 56.5), 2.8, 2.8);
}

void drawBarChartIcon(QPainter& p) {
  drawTile(p);
  const QColor colours[4] = {palette::sky().darker(115), palette::green(), palette::yellow(),
                             palette::green()};
  const qreal heights[4] = {26, 44, 32, 54};
  for (int i = 0; i < 4; ++i) {
    const QRectF bar(22 + i * 15, 78 - heights[i], 11, heights[i]);
    p.setPen(QPen(palette::navy(), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(colours[i]);
    p.drawRect(bar);
  }
  p.setPen(roundPen(palette::navy(), 4));
  p.drawLine(QPointF(17, 78), QPointF(83, 78));
  p.drawLine(QPointF(17, 20), QPointF(17, 78));
}

void drawUpdateIcon(QPainter& p) {
  drawTile(p);
  const QPointF c(50, 50);
  p.setBrush(Qt::NoBrush);
  for (int half = 0; half < 2; ++half) {
    const qreal start = half == 0 ? 200.0 : 20.0;
    QPainterPath arc;
    for (int step = 0; step <= 20; ++step) {
      const qreal a = qDegreesToRadians(start + 130.0 * step / 20.0);
      const QPointF point = c + QPointF(26 * qCos(a), 26 * qSin(a));
      if (step == 0) {
        arc.moveTo(point);
      } else {
        arc.lineTo(point);
      }
    }
    p.setPen(QPen(palette::navy(), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    const qreal end = qDegreesToRadians(start + 130.0);
    const QPointF tip = c + QPointF(26 * qCos(end), 26 * qSin(end));
    const QPointF tangent(-qSin(end), qCos(end));
    const QPointF normal(qCos(end), qSin(end));
    QPolygonF head;
    head << tip + tangent * 13 << tip + normal * 11 << tip - normal * 11;
    p.setPen(Qt::NoPen);
    p.setBrush(palette::navy());
    p.drawPolygon(head);
  }
}

void drawWrenchIcon(QPainter& p) {
  drawTile(p);
  p.save();
  p.translate(50, 50);
  p.rotate(45);
  QPainterPath head;
  head.addEllipse(QPointF(0, -20), 17, 17);
  QPainterPath notch;
  notch.addRect(QRectF(-6.5, -42, 13, 22));
  QPainterPath handle;
  handle.addRoundedRect(QRectF(-7, -10, 14, 48), 6, 6);
  QPainterPath wrench = head.subtracted(notch).united(handle);
  p.setPen(QPen(palette::navy().darker(120), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(palette::navy());
  p.drawPath(wrench);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::yellow());
  p.drawEllipse(QPointF(0, 30), 3.5, 3.5);
  p.restore();
}

void drawClosedBookIcon(QPainter& p) {
  drawTile(p);
  p.setPen(QPen(palette::navy(), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(28, 22, 48, 60), 4, 4);  // pages
  p.setBrush(palette::navy());
  p.drawRoundedRect(QRectF(24, 18, 46, 60), 5, 5);  // cover
  p.setPen(Qt::NoPen);
  p.setBrush(palette::sky());
  p.drawRoundedRect(QRectF(33, 30, 28, 10), 2, 2);  // title label
  p.setBrush(palette::yellow());
  p.drawPolygon(QPolygonF(
      {QPointF(56, 18), QPointF(64, 18), QPointF(64, 90), QPointF(60, 85), QPointF(56, 90)}));
}

void drawAboutIcon(QPainter& p) {
  drawTile(p);
  p.setPen(QPen(palette::navy(), 4));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(50, 50), 31, 31);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::navy());
  p.drawEllipse(QPointF(50, 33), 5.5, 5.5);
  p.drawRoundedRect(QRectF(44.5, 43, 11, 28), 3, 3);
  p.drawRect(QRectF(41, 43, 6, 5));
  p.drawRect(QRectF(41, 67, 18, 5));
}

void drawRulesIcon(QPainter& p) {
  drawTile(p);
  p.setPen(QPen(palette::navy(), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(24, 20, 52, 64), 5, 5);
  p.setBrush(palette::navy());
  p.drawRoundedRect(QRectF(38, 14, 24, 12), 4, 4);
  for (int i = 0; i < 3; ++i) {
    const qreal y = 40 + i * 14;
    p.setPen(roundPen(palette::greenDark(), 3.5));
    p.drawLine(QPointF(31, y), QPointF(34, y + 3));
    p.drawLine(QPointF(34, y + 3), QPointF(39, y - 4));
    p.setPen(roundPen(palette::sky().darker(130), 3.5));
    p.drawLine(QPointF(45, y), QPointF(68, y));
  }
}

// --- keyboard, logo, splash, background ----------------------------------------------

void drawKey(QPainter& p, const QRectF& key, qreal arrowAngle) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(key.translated(0, 3), 11, 11);
  QLinearGradient face(key.topLeft(), key.bottomLeft());
  face.setColorAt(0.0, Qt::white);
  face.setColorAt(1.0, QColor(0xDC, 0xE5, 0xF0));
  p.setPen(QPen(palette::navy(), 2));
  p.setBrush(face);
  p.drawRoundedRect(key, 11, 11);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(key.adjusted(6, 5, -6, -9), 8, 8);
  p.save();
  p.translate(key.center() - QPointF(0, 2));
  p.rotate(arrowAngle);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::navy());
  p.drawPolygon(QPolygonF({QPointF(0, -17), QPointF(15, 4), QPointF(-15, 4)}));
  p.drawRect(QRectF(-5, 3, 10, 13));
  p.restore();
}

void drawArrowKeys(QPainter& p, const QRectF& area) {
  Q_UNUSED(area);
  const qreal w = 78;
  const qreal h = 74;
  const qreal gap = 8;
  const qreal left = 3.5;
  const qreal top = 1.5;
  drawKey(p, QRectF(left + w + gap, top, w, h), 0);
  drawKey(p, QRectF(left, top + h + gap, w, h), -90);
  drawKey(p, QRectF(left + w + gap, top + h + gap, w, h), 180);
  drawKey(p, QRectF(left + 2 * (w + gap), top + h + gap, w, h), 90);
}

void drawLogo(QPainter& p, const QRectF& area) {
  p.save();
  toGrid(p, area);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(QRectF(6, 8, 90, 90), 14, 14);
  p.setBrush(palette::signBlue());
  p.drawRoundedRect(QRectF(4, 4, 90, 90), 14, 14);
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(9, 9, 80, 80), 10, 10);
  // A road running into the letters.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawPolygon(QPolygonF({QPointF(44, 62), QPointF(54, 62), QPointF(74, 89), QPointF(24, 89)}));
  p.setBrush(palette::yellow());
  p.drawRect(QRectF(47.8, 66, 2.4, 6));
  p.drawRect(QRectF(47.4, 76, 3.2, 8));
  drawFittedText(p, QRectF(12, 16, 74, 42), QStringLiteral("RQ"), 40, true, Qt::white);
  p.restore();
}

constexpr QRgb kSplashKey = 0xFFD8D8D8;

void drawSplash(QPainter& p, const QRectF& area, const QPainterPath& shape) {
  p.save();
  p.setClipPath(shape);
  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0.0, palette::sky());
  sky.setColorAt(1.0, QColor(0xEE, 0xF5, 0xFC));
  p.fillRect(area, sky);
  // Soft hills and the road running to the horizon.
  const qreal horizon = 300;
  QPainterPath hills;
  hills.moveTo(0, horizon + 6);
  hills.cubicTo(120, horizon - 30, 240, horizon - 6, 330, horizon - 16);
  hills.cubicTo(430, horizon - 28, 540, horizon - 4, 640, horizon - 20);
  hills.lineTo(640, 464);
  hills.lineTo(0, 464);
  hills.closeSubpath();
  QLinearGradient ground(0, horizon - 30, 0, 464);
  ground.setColorAt(0.0, QColor(0xBF, 0xD8, 0xA8));
  ground.setColorAt(1.0, QColor(0x9C, 0xC2, 0x84));
  p.setPen(Qt::NoPen);
  p.setBrush(ground);
  p.drawPath(hills);
  QLinearGradient asphalt(0, horizon, 0, 464);
  asphalt.setColorAt(0.0, QColor(0x9A, 0xA0, 0xA8));
  asphalt.setColorAt(1.0, QColor(0x6E, 0x74, 0x7C));
  p.setBrush(asphalt);
  p.drawPolygon(QPolygonF({QPointF(312, horizon - 8), QPointF(330, horizon - 8), QPointF(470, 464),
                           QPointF(150, 464)}));
  p.setBrush(palette::yellow());
  for (int i = 0; i < 6; ++i) {
    const qreal z = 1.0 + i * 0.9;
    const qreal y1 = horizon - 8 + 156 / z;
    const qreal y2 = horizon - 8 + 156 / (z + 0.45);
    const qreal w1 = 6.0 / z;
    const qreal w2 = 6.0 / (z + 0.45);
    if (y1 > 464 + 20)
      continue;
    p.drawPolygon(QPolygonF({QPointF(321 - w2, y2), QPointF(321 + w2, y2), QPointF(321 + w1, y1),
                             QPointF(321 - w1, y1)}));
  }
  // Signs at the roadside: a near one and a smaller one further down the road.
  auto signOnPost = [&p](SignId sign, QPointF top, qreal size, qreal postHeight) {
    const qreal post = size * 0.08;
    QLinearGradient metal(top.x() - post / 2, 0, top.x() + post / 2, 0);
    metal.setColorAt(0.0, QColor(0x8A, 0x90, 0x98));
    metal.setColorAt(0.5, QColor(0xC9, 0xCE, 0xD4));
    metal.setColorAt(1.0, QColor(0x7E, 0x84, 0x8C));
    p.fillRect(QRectF(top.x() - post / 2, top.y() + size / 2, post, postHeight), metal);
    drawSign(p, sign, QRectF(top.x() - size / 2, top.y(), size, size));
  };
  signOnPost(kSpeed30, QPointF(236, 262), 30, 34);
  signOnPost(kRoundaboutAhead, QPointF(520, 196), 100, 170);

  // Title block.
  p.setPen(palette::navy());
  p.setFont(pictureFont(58, true));
  p.drawText(QRectF(0, 54, 640, 80), Qt::AlignCenter, QStringLiteral("Roadquiz 2015"));
  p.setFont(pictureFont(23, false));
  p.drawText(QRectF(0, 132, 640, 36), Qt::AlignCenter,
             QStringLiteral("UK driving theory test trainer"));
  p.setPen(QPen(palette::yellow().darker(120), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(250, 178), QPointF(390, 178));
  p.restore();

  p.setPen(QPen(palette::navy(), 4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(15, 15, 610, 434), 32, 32);
}

QImage splashImage() {
  const QSize size(640, 464);
  QPainterPath shape;
  shape.addRoundedRect(QRectF(12, 12, 616, 440), 34, 34);

  // Which pixels belong to the splash is decided once, without antialiasing, so the
  // edge has no blended pixels for the colour key to miss.
  QImage mask(size, QImage::Format_RGB32);
  mask.fill(Qt::black);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
  }

  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(kSplashKey));
  {
    QPainter painter(&image);
    preparePainter(painter);
    drawSplash(painter, QRectF(QPointF(0, 0), QSizeF(size)), shape);
  }
  for (int y = 0; y < size.height(); ++y) {
    const QRgb* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    QRgb* pixel = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      if (qRed(inside[x]) == 0) {
        pixel[x] = kSplashKey;
      } else if ((pixel[x] | 0xFF000000) == kSplashKey) {
        pixel[x] = 0xFFD9D9D9;  // never let a painted pixel vanish with the key colour
      }
    }
  }
  return image;
}

void drawMainBackground(QPainter& p, const QRectF& area) {
  const qreal w = area.width();
  const qreal h = area.height();
  const qreal horizon = h * 0.60;
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0.0, QColor(0xA6, 0xCA, 0xF0));
  sky.setColorAt(1.0, QColor(0xE2, 0xEE, 0xF9));
  p.fillRect(QRectF(0, 0, w, horizon), sky);
  // A few very soft clouds.
  const qreal clouds[][3] = {{0.18, 0.16, 260},
                             {0.30, 0.12, 180},
                             {0.70, 0.22, 300},
                             {0.84, 0.14, 200},
                             {0.52, 0.30, 220}};
  p.setPen(Qt::NoPen);
  for (const auto& cloud : clouds) {
    const QPointF c(w * cloud[0], h * cloud[1]);
    QRadialGradient puff(c, cloud[2]);
    puff.setColorAt(0.0, QColor(255, 255, 255, 90));
    puff.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(puff);
    p.save();
    p.translate(c);
    p.scale(1.0, 0.38);
    p.translate(-c);
    p.drawEllipse(c, cloud[2], cloud[2]);
    p.restore();
  }
  QLinearGradient ground(0, horizon, 0, h);
  ground.setColorAt(0.0, QColor(0xD3, 0xDC, 0xCB));
  ground.setColorAt(1.0, QColor(0xB4, 0xC0, 0xAC));
  p.fillRect(QRectF(0, horizon, w, h - horizon), ground);

  const qreal cx = w / 2;
  const qreal depth = h - horizon;
  QLinearGradient asphalt(0, horizon, 0, h);
  asphalt.setColorAt(0.0, QColor(0xBC, 0xC0, 0xC5));
  asphalt.setColorAt(1.0, QColor(0x93, 0x99, 0xA0));
  p.setBrush(asphalt);
  p.drawPolygon(QPolygonF({QPointF(cx - 26, horizon), QPointF(cx + 26, horizon),
                           QPointF(cx + w * 0.34, h), QPointF(cx - w * 0.34, h)}));
  // Edge lines and centre dashes in perspective, kept faint.
  p.setBrush(QColor(255, 255, 255, 120));
  auto band = [&](qreal offset, qreal z1, qreal z2, qreal width) {
    const qreal y1 = horizon + depth / z1;
    const qreal y2 = horizon + depth / z2;
    const qreal spread1 = (y1 - horizon) / depth;
    const qreal spread2 = (y2 - horizon) / depth;
    const qreal x1 = cx + offset * (26 + (w * 0.34 - 26) * spread1) / (w * 0.34);
    const qreal x2 = cx + offset * (26 + (w * 0.34 - 26) * spread2) / (w * 0.34);
    p.drawPolygon(
        QPolygonF({QPointF(x1 - width * spread1, y1), QPointF(x1 + width * spread1, y1),
                   QPointF(x2 + width * spread2, y2), QPointF(x2 - width * spread2, y2)}));
  };
  for (qreal z = 1.0; z < 60; z += 1.0)
    band(0, z, z + 0.5, 9);
  band(-w * 0.31, 1.0, 400, 10);
  band(w * 0.31, 1.0, 400, 10);
  // Haze along the horizon, so sky and land meet softly.
  QLinearGradient haze(0, horizon - 60, 0, horizon + 50);
  haze.setColorAt(0.0, QColor(255, 255, 255, 0));
  haze.setColorAt(0.55, QColor(255, 255, 255, 110));
  haze.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, horizon - 60, w, 110), haze);
  // A light veil so text and panels on top stay easy to read.
  p.fillRect(area, QColor(255, 255, 255, 36));
}

}  // namespace

bool writeFixedPictures(const QString& programDir, QString* error) {
  struct Job {
    QString path;
    QSize size;
    bool transparent;
    Drawing draw;
  };
  auto gridIcon = [](void (*icon)(QPainter&)) {
    return [icon](QPainter& p, const QRectF& area) {
      p.save();
      toGrid(p, area);
      icon(p);
      p.restore();
    };
  };
  auto vehicle = [](VehicleType type) {
    return [type](QPainter& p, const QRectF& area) { drawVehicleSide(p, type, area); };
  };
  auto badge = [](bool right) {
    return [right](QPainter& p, const QRectF& area) { drawShadowedBadge(p, area, right); };
  };
  auto smallBadge = [](bool right) {
    return [right](QPainter& p, const QRectF& area) {
      drawResultBadge(p, area.adjusted(1, 1, -1, -1), right);
    };
  };
  auto star = [](StarKind kind) {
    return [kind](QPainter& p, const QRectF& area) { drawStar(p, area, kind); };
  };

  const QVector<Job> jobs = {
      {"data/empty.jpg",
       {400, 300},
       false,
       [](QPainter& p, const QRectF& a) {
         drawLightPanel(p, a);
         drawFaintRoad(p, a);
       }},
      {"data/empty2.jpg", {400, 300}, false, drawLightPanel},
      {"data/obruk/empty.jpg",
       {400, 300},
       false,
       [](QPainter& p, const QRectF& a) {
         drawLightPanel(p, a);
         drawFaintPictureIcon(p, a);
       }},
      {"data/result/passed.png", {128, 128}, true, badge(true)},
      {"data/result/failed.png", {128, 128}, true, badge(false)},
      // The picture beside the result of a finished test.
      {"data/testkoniecok.jpg",
       {400, 300},
       false,
       [badge](QPainter& p, const QRectF& a) {
         drawLightPanel(p, a);
         badge(true)(p, QRectF(a.center().x() - 80, a.center().y() - 80, 160, 160));
       }},
      {"data/testkonieczle.jpg",
       {400, 300},
       false,
       [badge](QPainter& p, const QRectF& a) {
         drawLightPanel(p, a);
         badge(false)(p, QRectF(a.center().x() - 80, a.center().y() - 80, 160, 160));
       }},
      {"data/stars/star_passed.png", {48, 48}, true, star(StarKind::Passed)},
      {"data/stars/star_failed.png", {48, 48}, true, star(StarKind::Failed)},
      {"data/stars/star_empty.png", {48, 48}, true, star(StarKind::Empty)},
      // The recent-result stars of the test page: failed, passed, and the third kind.
      {"data/redstar.png", {40, 40}, true, star(StarKind::Failed)},
      {"data/greenstar.png", {40, 40}, true, star(StarKind::Passed)},
      {"data/greystar.png", {40, 40}, true, star(StarKind::Empty)},
      {"data/categories/A.png", {160, 120}, true, vehicle(VehicleType::Motorcycle)},
      {"data/categories/B.png", {160, 120}, true, vehicle(VehicleType::Car)},
      {"data/categories/C.png", {160, 120}, true, vehicle(VehicleType::Lorry)},
      {"data/categories/D.png", {160, 120}, true, vehicle(VehicleType::Bus)},
      // The picture of the current category beside the learning page.
      {"data/motor.png", {160, 120}, true, vehicle(VehicleType::Motorcycle)},
      {"data/car.png", {160, 120}, true, vehicle(VehicleType::Car)},
      {"data/truck.png", {160, 120}, true, vehicle(VehicleType::Lorry)},
      {"data/bus.png", {160, 120}, true, vehicle(VehicleType::Bus)},
      {"data/archive/passed.png", {32, 32}, true, smallBadge(true)},
      {"data/archive/failed.png", {32, 32}, true, smallBadge(false)},
      // The pictures of passed and failed tests in the archive list.
      {"data/cross_save_32.png", {32, 32}, true, smallBadge(true)},
      {"data/do_not_cross_save_32.png", {32, 32}, true, smallBadge(false)},
      {"data/mainbackground.jpg", {1920, 1080}, false, drawMainBackground},
      {"data/toast_correct.png", {105, 105}, true, badge(true)},
      {"data/toast_wrong.png", {73, 73}, true, badge(false)},
      {"data/plus.png",
       {32, 32},
       true,
       [](QPainter& p, const QRectF& a) {
         p.save();
         toGrid(p, a);
         p.setPen(QPen(palette::greenDark(), 5));
         p.setBrush(palette::green());
         p.drawEllipse(QPointF(50, 50), 45, 45);
         p.setPen(QPen(palette::greenDark(), 14, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(50, 26), QPointF(50, 74));
         p.drawLine(QPointF(26, 50), QPointF(74, 50));
         p.restore();
       }},
      {"data/arrowkeys.png", {257, 161}, true, drawArrowKeys},
      {"data/logo.png", {200, 200}, true, drawLogo},
      {"data/dock/menu.png", {80, 80}, true, gridIcon(drawMenuIcon)},
      {"data/dock/learning.png", {80, 80}, true, gridIcon(drawBookOpenIcon)},
      {"data/dock/test.png", {80, 80}, true, gridIcon(drawStopwatchIcon)},
      {"data/dock/reference.png", {80, 80}, true, gridIcon(drawRoadSignIcon)},
      {"data/dock/archive.png", {80, 80}, true, gridIcon(drawBarChartIcon)},
      {"data/buttons/update.png", {48, 48}, true, gridIcon(drawUpdateIcon)},
      {"data/buttons/troubleshooting.png", {48, 48}, true, gridIcon(drawWrenchIcon)},
      {"data/buttons/reference.png", {48, 48}, true, gridIcon(drawClosedBookIcon)},
      {"data/buttons/about.png", {48, 48}, true, gridIcon(drawAboutIcon)},
      {"data/buttons/rules.png", {48, 48}, true, gridIcon(drawRulesIcon)},
  };
  for (const Job& job : jobs) {
    if (!makePicture(programDir, job.path, job.size, job.transparent, job.draw, error)) {
      return false;
    }
  }
  // The splash is keyed on a colour rather than alpha, so it is written as plain RGB.
  return savePicture(splashImage(), QDir(programDir).filePath(QStringLiteral("data/splash.png")),
                     error);
}

}  // namespace samplegen
