#include "scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include "paintkit.h"

namespace samplegen {

namespace {

// The scenes are laid out on a 400 by 300 plan; traffic keeps to the left, so the
// learner drives north in the left-hand lane of a road running up the picture.
constexpr qreal kRoadLeft = 124;
constexpr qreal kRoadRight = 276;
constexpr qreal kCentreLine = 200;
constexpr qreal kOwnLaneX = 162;
constexpr qreal kOncomingLaneX = 238;

QColor otherRed() {
  return QColor(0xD9, 0x53, 0x4F);
}
QColor otherWhite() {
  return QColor(0xF2, 0xF2, 0xF2);
}
QColor otherGrey() {
  return QColor(0x9A, 0xA3, 0xAD);
}
QColor otherOrange() {
  return QColor(0xF0, 0xAD, 0x4E);
}
QColor otherGreen() {
  return QColor(0x6B, 0xAF, 0x92);
}
QColor glass() {
  return QColor(0x2E, 0x3B, 0x4E);
}
QColor markingYellow() {
  return QColor(0xF2, 0xC2, 0x00);
}

QPen linePen(const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::FlatCap) {
  return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

void dashedLine(QPainter& p, QPointF from, QPointF to, qreal dash, qreal gap, qreal width,
                const QColor& colour) {
  QPen pen = linePen(colour, width);
  pen.setDashPattern({dash / width, gap / width});
  p.setPen(pen);
  p.drawLine(from, to);
}

void grassBackground(QPainter& p) {
  QLinearGradient verge(0, 0, 0, 300);
  verge.setColorAt(0.0, QColor(0xC8, 0xDC, 0xB2));
  verge.setColorAt(1.0, palette::grass());
  p.fillRect(QRectF(0, 0, 400, 300), verge);
}

// A two-lane road running up the picture, with footways on both sides.
void verticalRoad(QPainter& p, qreal top, qreal bottom, bool centreLine) {
  p.fillRect(QRectF(kRoadLeft - 24, top, 24, bottom - top), palette::pavement());
  p.fillRect(QRectF(kRoadRight, top, 24, bottom - top), palette::pavement());
  p.fillRect(QRectF(kRoadLeft, top, kRoadRight - kRoadLeft, bottom - top), palette::road());
  p.setPen(linePen(QColor(0xB5, 0xB0, 0xA4), 2));
  p.drawLine(QPointF(kRoadLeft, top), QPointF(kRoadLeft, bottom));
  p.drawLine(QPointF(kRoadRight, top), QPointF(kRoadRight, bottom));
  if (centreLine) {
    dashedLine(p, QPointF(kCentreLine, top), QPointF(kCentreLine, bottom), 18, 14, 3, Qt::white);
  }
}

// A person seen from above: shoulders and head.
void drawPersonTop(QPainter& p, QPointF centre, qreal heading, const QColor& clothes) {
  p.save();
  p.translate(centre);
  p.rotate(heading);
  p.scale(1.4, 1.4);
  p.setPen(linePen(clothes.darker(160), 1.2));
  p.setBrush(clothes);
  p.drawEllipse(QRectF(-7.5, -3.8, 15, 7.6));
  p.setBrush(QColor(0x5A, 0x40, 0x2E));
  p.drawEllipse(QPointF(0, -0.5), 3.8, 3.8);
  p.restore();
}

void drawCyclistTop(QPainter& p, QPointF centre, qreal heading) {
  p.save();
  p.translate(centre);
  p.rotate(heading);
  p.scale(1.3, 1.3);
  p.setPen(linePen(QColor(0x22, 0x22, 0x22), 3, Qt::RoundCap));
  p.drawLine(QPointF(0, -15), QPointF(0, 15));
  p.setPen(linePen(QColor(0x22, 0x22, 0x22), 2, Qt::RoundCap));
  p.drawLine(QPointF(-7, -9), QPointF(7, -9));
  p.setPen(linePen(QColor(0xB0, 0x8A, 0x00), 1.2));
  p.setBrush(QColor(0xFF, 0xD8, 0x3D));  // high-visibility jacket
  p.drawEllipse(QRectF(-8, -4, 16, 8));
  p.setPen(linePen(QColor(0x8A, 0x1C, 0x1C), 1.2));
  p.setBrush(QColor(0xE0, 0x3C, 0x3C));
  p.drawEllipse(QPointF(0, -1), 3.8, 3.8);
  p.restore();
}

void indicator(QPainter& p, QPointF at) {
  QRadialGradient glow(at, 5);
  glow.setColorAt(0.0, QColor(0xFF, 0xC2, 0x30, 255));
  glow.setColorAt(1.0, QColor(0xFF, 0xA0, 0x00, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(at, 5, 5);
  p.setBrush(QColor(0xFF, 0xA8, 0x00));
  p.drawEllipse(at, 2, 2);
}

// The learner's vehicle; a motorcycle is drawn a little larger so it stays easy to
// pick out in a small picture.
qreal ownScale(VehicleType own) {
  return own == VehicleType::Motorcycle ? 1.4 : 1.0;
}
qreal ownLength(VehicleType own) {
  return vehicleLength(own) * ownScale(own);
}
void drawOwn(QPainter& p, VehicleType own, QPointF centre, bool signalRight = false) {
  drawVehicleTop(p, own, centre, 0, palette::sky(), ownScale(own), signalRight);
}

QPainterPath islandPath(QPointF centre, qreal radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

qreal headingOfTangent(qreal angleDegrees) {
  // Clockwise round a roundabout the direction of travel at angle a (screen
  // coordinates) is (-sin a, cos a); headings count clockwise from north.
  const qreal a = qDegreesToRadians(angleDegrees);
  const qreal dx = -qSin(a);
  const qreal dy = qCos(a);
  return qRadiansToDegrees(qAtan2(dx, -dy));
}

void sceneZebra(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, false);
  dashedLine(p, QPointF(kCentreLine, 0), QPointF(kCentreLine, 70), 18, 14, 3, Qt::white);
  // Stripes across the carriageway.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (qreal x = kRoadLeft + 4; x + 12 <= kRoadRight; x += 24) {
    p.drawRect(QRectF(x, 88, 12, 38));
  }
  dashedLine(p, QPointF(kRoadLeft, 80), QPointF(kRoadRight, 80), 8, 6, 3, Qt::white);
  dashedLine(p, QPointF(kRoadLeft, 134), QPointF(kRoadRight, 134), 8, 6, 3, Qt::white);
  // Zigzag lines on the approach.
  p.setPen(linePen(Qt::white, 2.5, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  for (const qreal x : {kRoadLeft + 5.0, kCentreLine, kRoadRight - 5.0}) {
    QPainterPath zigzag;
    zigzag.moveTo(x, 140);
    bool left = true;
    for (qreal y = 148; y <= 236; y += 8) {
      zigzag.lineTo(x + (left ? -4 : 4), y);
      left = !left;
    }
    p.drawPath(zigzag);
  }
  // Belisha beacons.
  for (const qreal x : {kRoadLeft - 12, kRoadRight + 12}) {
    for (const qreal y : {84.0, 130.0}) {
      p.setPen(linePen(QColor(0x30, 0x30, 0x30), 1.5));
      p.setBrush(QColor(0xFF, 0xB0, 0x20));
      p.drawEllipse(QPointF(x, y), 6, 6);
    }
  }
  drawPersonTop(p, QPointF(kRoadLeft - 10, 107), 90, otherRed());
  drawVehicleTop(p, VehicleType::Car, QPointF(kOncomingLaneX, 36), 180, otherWhite());
  drawOwn(p, own, QPointF(kOwnLaneX, 254));
}

void sceneMotorwayJoin(QPainter& p, VehicleType own) {
  grassBackground(p);
  // Slip road on the left, the three lanes, the central reservation and the far
  // carriageway on the right.
  QPolygonF slip;
  slip << QPointF(92, 300) << QPointF(150, 300) << QPointF(150, 24) << QPointF(140, 24)
       << QPointF(92, 150);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::road());
  p.drawPolygon(slip);
  p.fillRect(QRectF(150, 0, 150, 300), palette::road());
  p.fillRect(QRectF(300, 0, 18, 300), QColor(0xA9, 0xC2, 0x90));
  p.fillRect(QRectF(318, 0, 82, 300), palette::road());
  p.setPen(linePen(QColor(0xB8, 0xBC, 0xC2), 3));
  p.drawLine(QPointF(309, 0), QPointF(309, 300));  // safety barrier

  p.setPen(linePen(Qt::white, 2.5));
  p.drawLine(QPointF(92, 300), QPointF(92, 150));
  p.drawLine(QPointF(92, 150), QPointF(140, 24));
  p.drawLine(QPointF(150, 190), QPointF(150, 300));
  p.drawLine(QPointF(297, 0), QPointF(297, 300));
  p.drawLine(QPointF(321, 0), QPointF(321, 300));
  dashedLine(p, QPointF(150, 24), QPointF(150, 190), 10, 6, 3, Qt::white);
  dashedLine(p, QPointF(200, 0), QPointF(200, 300), 20, 16, 2.5, Qt::white);
  dashedLine(p, QPointF(250, 0), QPointF(250, 300), 20, 16, 2.5, Qt::white);
  dashedLine(p, QPointF(360, 0), QPointF(360, 300), 20, 16, 2.5, Qt::white);

  drawVehicleTop(p, VehicleType::Car, QPointF(124, 176), 12, otherOrange(), 1.0, true);
  drawVehicleTop(p, VehicleType::Car, QPointF(225, 96), 0, otherWhite());
  drawVehicleTop(p, VehicleType::Car, QPointF(340, 60), 180, otherGrey());
  drawVehicleTop(p, VehicleType::Lorry, QPointF(382, 190), 180, otherGreen(), 0.9);
  drawOwn(p, own, QPointF(175, 236));
}

void sceneCyclist(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, true);
  drawCyclistTop(p, QPointF(kRoadLeft + 18, 122), 0);
  drawVehicleTop(p, VehicleType::Car, QPointF(kOncomingLaneX, 42), 180, otherRed());
  drawOwn(p, own, QPointF(kOwnLaneX, 252));
}

void sceneBoxJunction(QPainter& p, VehicleType own) {
  grassBackground(p);
  const QRectF crossing(kRoadLeft, 84, kRoadRight - kRoadLeft, 120);
  verticalRoad(p, 0, 300, false);
  p.fillRect(QRectF(0, 60, 400, 168), palette::pavement());
  p.fillRect(QRectF(0, crossing.top(), 400, crossing.height()), palette::road());
  p.fillRect(crossing, palette::road());
  dashedLine(p, QPointF(kCentreLine, 0), QPointF(kCentreLine, crossing.top()), 18, 14, 3,
             Qt::white);
  dashedLine(p, QPointF(kCentreLine, crossing.bottom()), QPointF(kCentreLine, 300), 18, 14, 3,
             Qt::white);
  dashedLine(p, QPointF(0, 144), QPointF(kRoadLeft, 144), 18, 14, 3, Qt::white);
  dashedLine(p, QPointF(kRoadRight, 144), QPointF(400, 144), 18, 14, 3, Qt::white);
  // The yellow criss-cross box.
  p.save();
  QPainterPath clip;
  clip.addRect(crossing.adjusted(3, 3, -3, -3));
  p.setClipPath(clip);
  p.setPen(linePen(markingYellow(), 2.5));
  for (qreal x = crossing.left() - crossing.height(); x < crossing.right(); x += 22) {
    p.drawLine(QPointF(x, crossing.top()), QPointF(x + crossing.height(), crossing.bottom()));
    p.drawLine(QPointF(x + crossing.height(), crossing.top()), QPointF(x, crossing.bottom()));
  }
  p.restore();
  p.setPen(linePen(markingYellow(), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(crossing.adjusted(2, 2, -2, -2));

  // The exit is blocked by queuing traffic.
  drawVehicleTop(p, VehicleType::Car, QPointF(kOwnLaneX, 54), 0, otherRed());
  drawVehicleTop(p, VehicleType::Car, QPointF(kOwnLaneX, 2), 0, otherGrey());
  drawVehicleTop(p, VehicleType::Car, QPointF(340, 114), 270, otherWhite());
  drawOwn(p, own, QPointF(kOwnLaneX, 214 + ownLength(own) / 2 + 4));
}

void sceneRoundabout(QPainter& p, VehicleType own) {
  grassBackground(p);
  // Narrower arms than elsewhere, so the ring of the roundabout shows between them.
  const QPointF centre(200, 116);
  const qreal ring = 112;
  const qreal island = 44;
  const QRectF vertical(140, 0, 120, 300);
  const QRectF horizontal(0, 56, 400, 120);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::pavement());
  p.drawRect(vertical.adjusted(-10, 0, 10, 0));
  p.drawRect(horizontal.adjusted(0, -10, 0, 10));
  p.drawEllipse(centre, ring + 10, ring + 10);
  p.setBrush(palette::road());
  p.drawRect(vertical);
  p.drawRect(horizontal);
  p.drawEllipse(centre, ring, ring);
  p.setBrush(QColor(0xA9, 0xC9, 0x8C));
  p.setPen(linePen(Qt::white, 3));
  p.drawPath(islandPath(centre, island));

  // Our approach: two lanes, a give-way line where they meet the ring, and an
  // ahead arrow in the left-hand lane.
  const qreal giveWay = 232;
  dashedLine(p, QPointF(140, giveWay), QPointF(200, giveWay), 7, 5, 3, Qt::white);
  dashedLine(p, QPointF(140, giveWay + 6), QPointF(200, giveWay + 6), 7, 5, 3, Qt::white);
  p.setPen(linePen(Qt::white, 3));
  p.drawLine(QPointF(200, giveWay - 4), QPointF(200, 300));
  dashedLine(p, QPointF(170, giveWay + 12), QPointF(170, 300), 12, 8, 2.5, Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(153.5, 266, 3, 24));
  p.drawPolygon(QPolygonF({QPointF(155, 254), QPointF(162, 268), QPointF(148, 268)}));
  // The other arms: centre lines, and give-way lines across the entering half (the
  // left-hand side of traffic coming towards the ring).
  dashedLine(p, QPointF(0, 116), QPointF(80, 116), 18, 14, 3, Qt::white);
  dashedLine(p, QPointF(320, 116), QPointF(400, 116), 18, 14, 3, Qt::white);
  dashedLine(p, QPointF(200, 8), QPointF(260, 8), 7, 5, 3, Qt::white);
  dashedLine(p, QPointF(86, 56), QPointF(86, 116), 7, 5, 3, Qt::white);
  dashedLine(p, QPointF(314, 116), QPointF(314, 176), 7, 5, 3, Qt::white);

  const qreal middle = (ring + island) / 2;
  const qreal angles[2] = {-25.0, 160.0};
  const QColor colours[2] = {otherWhite(), otherOrange()};
  for (int i = 0; i < 2; ++i) {
    const qreal a = qDegreesToRadians(angles[i]);
    drawVehicleTop(p, VehicleType::Car, centre + QPointF(middle * qCos(a), middle * qSin(a)),
                   headingOfTangent(angles[i]), colours[i]);
  }
  drawOwn(p, own, QPointF(185, giveWay + 10 + ownLength(own) / 2), true);
}

void sceneAmberLight(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, false);
  p.fillRect(QRectF(0, 16, 400, 120), palette::pavement());
  p.fillRect(QRectF(0, 36, 400, 80), palette::road());
  p.fillRect(QRectF(kRoadLeft, 0, kRoadRight - kRoadLeft, 300), palette::road());
  dashedLine(p, QPointF(kCentreLine, 140), QPointF(kCentreLine, 300), 18, 14, 3, Qt::white);
  dashedLine(p, QPointF(0, 76), QPointF(kRoadLeft - 6, 76), 18, 14, 3, Qt::white);
  dashedLine(p, QPointF(kRoadRight + 6, 76), QPointF(400, 76), 18, 14, 3, Qt::white);
  p.setPen(linePen(Qt::white, 5));
  p.drawLine(QPointF(kRoadLeft, 136), QPointF(kCentreLine, 136));  // stop line
  // The signal head on the left footway, facing us, showing amber.
  const QRectF head(kRoadLeft - 44, 128, 22, 54);
  p.setPen(linePen(Qt::white, 2));
  p.setBrush(palette::ink());
  p.drawRoundedRect(head, 5, 5);
  const QColor lamps[3] = {QColor(0x4A, 0x2A, 0x2A), QColor(0xFF, 0xB3, 0x00),
                           QColor(0x2A, 0x40, 0x2E)};
  for (int i = 0; i < 3; ++i) {
    const QPointF lamp(head.center().x(), head.top() + 10 + i * 17);
    if (i == 1) {
      QRadialGradient glow(lamp, 14);
      glow.setColorAt(0.0, QColor(0xFF, 0xC8, 0x40, 160));
      glow.setColorAt(1.0, QColor(0xFF, 0xB3, 0x00, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(lamp, 14, 14);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(lamps[i]);
    p.drawEllipse(lamp, 6.5, 6.5);
  }
  drawVehicleTop(p, VehicleType::Car, QPointF(320, 56), 270, otherGrey());
  drawOwn(p, own, QPointF(kOwnLaneX, 196 + ownLength(own) / 2));
}

void sceneWetGap(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, true);
  // A darker, glossy surface.
  QLinearGradient wet(kRoadLeft, 0, kRoadRight, 0);
  wet.setColorAt(0.0, QColor(0x40, 0x48, 0x55, 90));
  wet.setColorAt(0.5, QColor(0x90, 0xA8, 0xC0, 50));
  wet.setColorAt(1.0, QColor(0x40, 0x48, 0x55, 90));
  p.fillRect(QRectF(kRoadLeft, 0, kRoadRight - kRoadLeft, 300), wet);

  const qreal leadY = 72;
  const qreal ownY = 232;
  drawVehicleTop(p, VehicleType::Car, QPointF(kOwnLaneX, leadY), 0, otherRed());
  // Spray behind the vehicle ahead.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    p.setBrush(QColor(255, 255, 255, 60 - i * 10));
    p.drawEllipse(QPointF(kOwnLaneX + (i % 2 == 0 ? -7 : 7), leadY + 30 + i * 7), 9 + i * 2, 5 + i);
  }
  drawOwn(p, own, QPointF(kOwnLaneX, ownY));

  // The gap, marked on the footway with a question mark.
  const qreal gapTop = leadY + vehicleLength(VehicleType::Car) / 2 + 2;
  const qreal gapBottom = ownY - ownLength(own) / 2 - 2;
  const qreal x = kRoadLeft - 12;
  p.setPen(linePen(palette::navy(), 2.5));
  p.drawLine(QPointF(x, gapTop + 6), QPointF(x, gapBottom - 6));
  p.setPen(Qt::NoPen);
  p.setBrush(palette::navy());
  p.drawPolygon(
      QPolygonF({QPointF(x, gapTop), QPointF(x - 6, gapTop + 9), QPointF(x + 6, gapTop + 9)}));
  p.drawPolygon(QPolygonF(
      {QPointF(x, gapBottom), QPointF(x - 6, gapBottom - 9), QPointF(x + 6, gapBottom - 9)}));
  const QPointF badge(x - 42, (gapTop + gapBottom) / 2);
  p.setPen(linePen(palette::navy(), 2));
  p.setBrush(palette::yellow());
  p.drawEllipse(badge, 15, 15);
  p.setFont(pictureFont(20, true));
  p.setPen(palette::navy());
  p.drawText(QRectF(badge.x() - 15, badge.y() - 15, 30, 30), Qt::AlignCenter, QStringLiteral("?"));

  // Rain over everything.
  p.setPen(linePen(QColor(0xE8, 0xF2, 0xFF, 150), 1.4, Qt::RoundCap));
  for (int i = 0; i < 140; ++i) {
    const qreal rx = (i * 73) % 410 - 5;
    const qreal ry = (i * 131) % 305 - 5;
    p.drawLine(QPointF(rx, ry), QPointF(rx - 4, ry + 11));
  }
}

void sceneBusStop(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, true);
  // The lay-by, cut into the footway, with its yellow marking.
  const QRectF bay(kRoadLeft - 18, 46, 18, 150);
  p.fillRect(bay, palette::road());
  p.setPen(linePen(markingYellow(), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(kRoadLeft - 15, 52, 44, 138));
  p.save();
  p.translate(kRoadLeft + 22, 121);
  p.rotate(-90);
  p.setFont(pictureFont(11, true));
  p.setPen(markingYellow());
  p.drawText(QRectF(-60, -8, 120, 16), Qt::AlignCenter, QStringLiteral("BUS STOP"));
  p.restore();
  // A shelter on the footway.
  p.setPen(linePen(QColor(0x6A, 0x7C, 0x90), 1.5));
  p.setBrush(QColor(0xCF, 0xE0, 0xF0));
  p.drawRect(QRectF(kRoadLeft - 38, 92, 14, 50));
  drawPersonTop(p, QPointF(kRoadLeft - 30, 152), 90, otherGreen());

  drawVehicleTop(p, VehicleType::Bus, QPointF(kRoadLeft + 1, 122), 0, otherRed(), 1.0, true);
  drawVehicleTop(p, VehicleType::Car, QPointF(kOncomingLaneX, 40), 180, otherWhite());
  drawOwn(p, own, QPointF(kOwnLaneX + 8, 214 + ownLength(own) / 2));
}

void sceneLevelCrossing(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, true);
  // Track bed, sleepers and rails across the road.
  p.fillRect(QRectF(0, 84, 400, 46), QColor(0xB9, 0xAF, 0x9C));
  p.fillRect(QRectF(kRoadLeft, 84, kRoadRight - kRoadLeft, 46), QColor(0x62, 0x66, 0x6C));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7B, 0x5B, 0x3A));
  for (qreal x = 4; x < 400; x += 14) {
    if (x > kRoadLeft - 6 && x < kRoadRight)
      continue;
    p.drawRect(QRectF(x, 88, 7, 38));
  }
  p.setPen(linePen(QColor(0xC4, 0xC8, 0xCC), 3));
  p.drawLine(QPointF(0, 96), QPointF(400, 96));
  p.drawLine(QPointF(0, 118), QPointF(400, 118));
  // Stop lines and the lowered half barriers.
  p.setPen(linePen(Qt::white, 4));
  p.drawLine(QPointF(kRoadLeft, 160), QPointF(kCentreLine, 160));
  p.drawLine(QPointF(kCentreLine, 54), QPointF(kRoadRight, 54));
  auto barrier = [&p](QPointF from, qreal length) {
    const qreal step = 12;
    for (int i = 0; i * step < qAbs(length); ++i) {
      const qreal x = from.x() + (length > 0 ? i * step : -(i + 1) * step);
      p.fillRect(QRectF(x, from.y() - 3, step, 6), i % 2 == 0 ? palette::signRed() : Qt::white);
    }
    p.setPen(linePen(QColor(0x50, 0x50, 0x50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(qMin(from.x(), from.x() + length), from.y() - 3, qAbs(length), 6));
  };
  barrier(QPointF(kRoadLeft - 12, 146), 84);
  barrier(QPointF(kRoadRight + 12, 66), -84);
  // Twin red lights on the left verge, facing us; one of them lit.
  const QRectF board(kRoadLeft - 70, 152, 40, 20);
  p.setPen(linePen(Qt::white, 1.5));
  p.setBrush(palette::ink());
  p.drawRoundedRect(board, 9, 9);
  const QPointF lit(board.left() + 10, board.center().y());
  const QPointF dark(board.right() - 10, board.center().y());
  QRadialGradient glow(lit, 16);
  glow.setColorAt(0.0, QColor(0xFF, 0x50, 0x50, 170));
  glow.setColorAt(1.0, QColor(0xFF, 0x30, 0x30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(lit, 16, 16);
  p.setBrush(QColor(0xFF, 0x2A, 0x2A));
  p.drawEllipse(lit, 6, 6);
  p.setBrush(QColor(0x4A, 0x22, 0x22));
  p.drawEllipse(dark, 6, 6);
  drawOwn(p, own, QPointF(kOwnLaneX, 196 + ownLength(own) / 2));
}

void sceneParkedCars(QPainter& p, VehicleType own) {
  grassBackground(p);
  verticalRoad(p, 0, 300, true);
  drawVehicleTop(p, VehicleType::Car, QPointF(kRoadLeft + 16, 70), 0, otherGrey());
  drawVehicleTop(p, VehicleType::Car, QPointF(kRoadLeft + 16, 128), 0, otherGreen());
  drawVehicleTop(p, VehicleType::Car, QPointF(kOncomingLaneX, 112), 180, otherOrange());
  drawOwn(p, own, QPointF(kOwnLaneX, 214 + ownLength(own) / 2));
}

}  // namespace

VehicleType vehicleOfCategory(int categoryIndex) {
  switch (categoryIndex) {
    case 0:
      return VehicleType::Motorcycle;
    case 2:
      return VehicleType::Lorry;
    case 3:
      return VehicleType::Bus;
    default:
      return VehicleType::Car;
  }
}

qreal vehicleLength(VehicleType type) {
  switch (type) {
    case VehicleType::Motorcycle:
      return 30;
    case VehicleType::Car:
      return 46;
    case VehicleType::Lorry:
      return 100;
    case VehicleType::Bus:
      return 92;
  }
  return 46;
}

void drawVehicleTop(QPainter& painter, VehicleType type, QPointF centre, qreal heading,
                    const QColor& body, qreal scale, bool signalRight) {
  QPainter& p = painter;
  p.save();
  p.translate(centre);
  p.rotate(heading);
  p.scale(scale, scale);
  const QPen outline = linePen(body.darker(170), 1.3);
  const qreal half = vehicleLength(type) / 2;
  qreal width = 24;
  switch (type) {
    case VehicleType::Car: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawRoundedRect(QRectF(-11, -21, 25, 46), 6, 6);  // shadow
      p.setPen(outline);
      p.setBrush(body);
      p.drawRoundedRect(QRectF(-12, -23, 24, 46), 6, 6);
      p.setBrush(body.lighter(112));
      p.drawRoundedRect(QRectF(-9, -5, 18, 14), 3, 3);  // roof
      p.setPen(Qt::NoPen);
      p.setBrush(glass());
      p.drawPolygon(QPolygonF(
          {QPointF(-10, -11), QPointF(10, -11), QPointF(8.5, -5.5), QPointF(-8.5, -5.5)}));
      p.drawPolygon(
          QPolygonF({QPointF(-8.5, 9.5), QPointF(8.5, 9.5), QPointF(9.5, 14), QPointF(-9.5, 14)}));
      p.setBrush(QColor(0xFF, 0xF4, 0xC0));
      p.drawEllipse(QPointF(-8, -21.5), 2.2, 1.3);
      p.drawEllipse(QPointF(8, -21.5), 2.2, 1.3);
      p.setBrush(QColor(0xC0, 0x20, 0x20));
      p.drawRect(QRectF(-10.5, 21.5, 4, 1.5));
      p.drawRect(QRectF(6.5, 21.5, 4, 1.5));
      p.setBrush(body.darker(130));
      p.drawEllipse(QPointF(-13, -9), 2, 1.4);  // mirrors
      p.drawEllipse(QPointF(13, -9), 2, 1.4);
      break;
    }
    case VehicleType::Motorcycle: {
      width = 16;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x26, 0x26, 0x26));
      p.drawRoundedRect(QRectF(-2.5, -15, 5, 9), 2, 2);
      p.drawRoundedRect(QRectF(-3, 6, 6, 9), 2, 2);
      p.setPen(outline);
      p.setBrush(body);
      p.drawEllipse(QRectF(-4.5, -9, 9, 18));
      p.setPen(linePen(QColor(0x30, 0x30, 0x30), 2, Qt::RoundCap));
      p.drawLine(QPointF(-8, -8), QPointF(8, -8));
      p.setPen(outline);
      p.setBrush(palette::navy());
      p.drawEllipse(QRectF(-7, -3, 14, 7));  // rider's shoulders
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(0, -1), 3.8, 3.8);  // helmet
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xFF, 0xF4, 0xC0));
      p.drawEllipse(QPointF(0, -14.5), 1.6, 1.0);
      break;
    }
    case VehicleType::Lorry: {
      width = 26;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawRect(QRectF(-12, -47, 27, 99));
      p.setPen(outline);
      p.setBrush(body);
      p.drawRoundedRect(QRectF(-13, -50, 26, 20), 4, 4);  // cab
      p.setBrush(QColor(0xF4, 0xF6, 0xF8));
      p.setPen(linePen(body.darker(150), 1.5));
      p.drawRect(QRectF(-13, -27, 26, 77));  // box body
      p.setPen(linePen(body, 2.5));
      p.drawLine(QPointF(-9, -22), QPointF(-9, 45));
      p.drawLine(QPointF(9, -22), QPointF(9, 45));
      p.setPen(Qt::NoPen);
      p.setBrush(glass());
      p.drawRect(QRectF(-11, -48.5, 22, 4));
      p.setBrush(body.darker(130));
      p.drawRect(QRectF(-16, -43, 3, 5));  // mirrors
      p.drawRect(QRectF(13, -43, 3, 5));
      break;
    }
    case VehicleType::Bus: {
      width = 26;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawRoundedRect(QRectF(-12, -44, 27, 92), 5, 5);
      p.setPen(outline);
      p.setBrush(body);
      p.drawRoundedRect(QRectF(-13, -46, 26, 92), 5, 5);
      p.setPen(Qt::NoPen);
      p.setBrush(body.lighter(115));
      p.drawRect(QRectF(-8, -36, 16, 74));  // roof
      p.setBrush(body.darker(120));
      p.drawRect(QRectF(-5, -24, 10, 8));  // roof hatches
      p.drawRect(QRectF(-5, 14, 10, 8));
      p.setBrush(glass());
      p.drawRect(QRectF(-11, -45, 22, 5));
      p.setBrush(body.darker(130));
      p.drawRect(QRectF(-16, -42, 3, 6));
      p.drawRect(QRectF(13, -42, 3, 6));
      break;
    }
  }
  if (signalRight) {
    indicator(p, QPointF(width / 2 - 1, -half + 2));
    indicator(p, QPointF(width / 2 - 1, half - 2));
  }
  p.restore();
}

void drawVehicleSide(QPainter& painter, VehicleType type, const QRectF& area) {
  QPainter& p = painter;
  p.save();
  p.translate(area.topLeft());
  p.scale(area.width() / 160.0, area.height() / 120.0);
  const QPen outline = linePen(palette::navy(), 2.2);
  const QColor tyre(0x2A, 0x2F, 0x36);
  const QColor window(0xE6, 0xF1, 0xFD);
  auto wheel = [&](QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(tyre);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(0xC8, 0xCE, 0xD6));
    p.drawEllipse(centre, radius * 0.48, radius * 0.48);
    p.setBrush(tyre);
    p.drawEllipse(centre, radius * 0.15, radius * 0.15);
  };
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 34));
  p.drawEllipse(QPointF(80, 106), 70, 5);

  switch (type) {
    case VehicleType::Car: {
      QPainterPath body;
      body.moveTo(12, 92);
      body.lineTo(12, 72);
      body.quadTo(12, 64, 22, 63);
      body.lineTo(40, 62);
      body.lineTo(56, 40);
      body.quadTo(58, 38, 62, 38);
      body.lineTo(102, 38);
      body.quadTo(106, 38, 109, 41);
      body.lineTo(128, 61);
      body.lineTo(142, 64);
      body.quadTo(149, 66, 149, 74);
      body.lineTo(149, 92);
      body.closeSubpath();
      p.setPen(outline);
      p.setBrush(palette::sky());
      p.drawPath(body);
      p.setBrush(window);
      p.setPen(linePen(palette::navy(), 1.6));
      p.drawPolygon(
          QPolygonF({QPointF(46, 61), QPointF(59, 44), QPointF(79, 44), QPointF(79, 61)}));
      p.drawPolygon(
          QPolygonF({QPointF(85, 61), QPointF(85, 44), QPointF(103, 44), QPointF(119, 61)}));
      p.drawLine(QPointF(82, 62), QPointF(82, 90));  // door line
      p.setPen(Qt::NoPen);
      p.setBrush(palette::yellow());
      p.drawRoundedRect(QRectF(140, 68, 8, 6), 2, 2);
      p.setBrush(palette::red());
      p.drawRoundedRect(QRectF(12, 69, 5, 8), 1.5, 1.5);
      wheel(QPointF(42, 92), 14);
      wheel(QPointF(120, 92), 14);
      break;
    }
    case VehicleType::Motorcycle: {
      p.setPen(linePen(QColor(0x8A, 0x90, 0x98), 4, Qt::RoundCap));
      p.drawLine(QPointF(50, 84), QPointF(98, 84));  // exhaust
      p.setPen(linePen(palette::navy(), 5, Qt::RoundCap));
      p.drawLine(QPointF(120, 86), QPointF(104, 42));  // fork
      p.drawLine(QPointF(38, 86), QPointF(64, 62));    // swinging arm
      p.setPen(linePen(palette::navy(), 3.5, Qt::RoundCap));
      p.drawLine(QPointF(100, 40), QPointF(112, 34));  // handlebar
      p.setPen(outline);
      p.setBrush(QColor(0x9A, 0xA3, 0xAD));
      p.drawRoundedRect(QRectF(64, 60, 32, 24), 5, 5);  // engine
      QPainterPath tank;
      tank.moveTo(66, 60);
      tank.quadTo(70, 46, 86, 45);
      tank.quadTo(102, 45, 106, 56);
      tank.lineTo(98, 62);
      tank.closeSubpath();
      p.setBrush(palette::sky());
      p.drawPath(tank);
      QPainterPath seat;
      seat.moveTo(34, 58);
      seat.quadTo(36, 50, 48, 51);
      seat.lineTo(70, 52);
      seat.lineTo(68, 60);
      seat.lineTo(40, 62);
      seat.closeSubpath();
      p.setBrush(palette::navy());
      p.drawPath(seat);
      QPainterPath tail;
      tail.moveTo(30, 60);
      tail.lineTo(48, 62);
      tail.lineTo(52, 70);
      tail.lineTo(34, 68);
      tail.closeSubpath();
      p.setBrush(palette::sky());
      p.drawPath(tail);
      p.setPen(Qt::NoPen);
      p.setBrush(palette::yellow());
      p.drawEllipse(QPointF(113, 50), 6, 6);
      p.setBrush(palette::red());
      p.drawRoundedRect(QRectF(25, 60, 6, 5), 1.5, 1.5);
      wheel(QPointF(38, 86), 19);
      wheel(QPointF(122, 86), 19);
      break;
    }
    case VehicleType::Lorry: {
      p.setPen(Qt::NoPen);
      p.setBrush(tyre);
      p.drawRect(QRectF(8, 86, 142, 6));  // chassis
      p.setPen(outline);
      p.setBrush(QColor(0xF6, 0xF8, 0xFA));
      p.drawRoundedRect(QRectF(6, 20, 104, 66), 3, 3);  // box body
      p.setPen(Qt::NoPen);
      p.setBrush(palette::sky());
      p.drawRect(QRectF(8, 62, 100, 8));
      QPainterPath cab;
      cab.moveTo(114, 88);
      cab.lineTo(114, 34);
      cab.quadTo(114, 30, 118, 30);
      cab.lineTo(144, 30);
      cab.quadTo(152, 30, 153, 40);
      cab.lineTo(155, 88);
      cab.closeSubpath();
      p.setPen(outline);
      p.setBrush(palette::sky());
      p.drawPath(cab);
      p.setBrush(window);
      p.setPen(linePen(palette::navy(), 1.6));
      p.drawPolygon(
          QPolygonF({QPointF(132, 36), QPointF(148, 36), QPointF(150, 56), QPointF(132, 56)}));
      p.setPen(Qt::NoPen);
      p.setBrush(palette::yellow());
      p.drawRoundedRect(QRectF(148, 72, 7, 7), 2, 2);
      wheel(QPointF(30, 94), 12);
      wheel(QPointF(58, 94), 12);
      wheel(QPointF(134, 94), 12);
      break;
    }
    case VehicleType::Bus: {
      p.setPen(outline);
      p.setBrush(palette::sky());
      p.drawRoundedRect(QRectF(6, 26, 148, 66), 10, 10);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x34, 0x50, 0x80));
      p.drawRoundedRect(QRectF(14, 36, 110, 24), 4, 4);  // side windows
      p.drawRoundedRect(QRectF(130, 36, 18, 30), 4, 4);  // windscreen
      p.setPen(linePen(QColor(0xA6, 0xCA, 0xF0), 2));
      for (qreal x = 36; x < 124; x += 22)
        p.drawLine(QPointF(x, 36), QPointF(x, 60));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 70));
      p.drawPolygon(
          QPolygonF({QPointF(18, 58), QPointF(30, 38), QPointF(40, 38), QPointF(28, 58)}));
      p.setBrush(palette::yellow());
      p.drawRoundedRect(QRectF(132, 29, 14, 5), 1.5, 1.5);  // destination display
      p.drawRoundedRect(QRectF(146, 76, 7, 7), 2, 2);
      p.setPen(linePen(palette::navy(), 1.8));
      p.setBrush(window);
      p.drawRect(QRectF(78, 64, 16, 26));  // door
      p.drawLine(QPointF(86, 64), QPointF(86, 90));
      wheel(QPointF(38, 92), 13);
      wheel(QPointF(126, 92), 13);
      break;
    }
  }
  p.restore();
}

QImage scenePicture(SceneId scene, VehicleType own, QSize size) {
  QImage image = newImage(size, false);
  QPainter painter(&image);
  preparePainter(painter);
  painter.save();
  painter.scale(size.width() / 400.0, size.height() / 300.0);
  painter.setClipRect(QRectF(0, 0, 400, 300));
  switch (scene) {
    case kSceneZebra:
      sceneZebra(painter, own);
      break;
    case kSceneMotorwayJoin:
      sceneMotorwayJoin(painter, own);
      break;
    case kSceneCyclist:
      sceneCyclist(painter, own);
      break;
    case kSceneBoxJunction:
      sceneBoxJunction(painter, own);
      break;
    case kSceneRoundabout:
      sceneRoundabout(painter, own);
      break;
    case kSceneAmberLight:
      sceneAmberLight(painter, own);
      break;
    case kSceneWetGap:
      sceneWetGap(painter, own);
      break;
    case kSceneBusStop:
      sceneBusStop(painter, own);
      break;
    case kSceneLevelCrossing:
      sceneLevelCrossing(painter, own);
      break;
    case kSceneParkedCars:
      sceneParkedCars(painter, own);
      break;
    case kSceneCount:
      break;
  }
  painter.restore();
  drawSampleCaption(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return image;
}

}  // namespace samplegen
