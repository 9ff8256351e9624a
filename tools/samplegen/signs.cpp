#include "signs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include "paintkit.h"

namespace samplegen {

namespace {

// Every sign is drawn in a box of 100 by 100 units centred on the origin, so the
// shapes below can be written with round numbers and scaled to any picture.

QPen strokePen(const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
  return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

QColor amber() {
  return QColor(0xF5, 0xA3, 0x00);
}
QColor signalGreen() {
  return QColor(0x22, 0xB8, 0x4E);
}

void drawTextAt(QPainter& p, const QRectF& box, const QString& text, qreal size,
                const QColor& colour) {
  p.setFont(pictureFont(size, true));
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

// An arrow head pointing from `from` towards `tip`.
void drawArrowHead(QPainter& p, QPointF from, QPointF tip, qreal width, const QColor& colour) {
  const QPointF direction = tip - from;
  const qreal length = qSqrt(direction.x() * direction.x() + direction.y() * direction.y());
  if (length <= 0)
    return;
  const QPointF unit = direction / length;
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = tip - unit * (width * 0.95);
  QPolygonF head;
  head << tip << base + normal * (width / 2) << base - normal * (width / 2);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(head);
}

// A straight arrow with a shaft of the given width.
void drawArrow(QPainter& p, QPointF tail, QPointF tip, qreal shaft, qreal head,
               const QColor& colour) {
  const QPointF direction = tip - tail;
  const qreal length = qSqrt(direction.x() * direction.x() + direction.y() * direction.y());
  const QPointF shaftEnd = tip - direction / length * (head * 0.9);
  p.setPen(strokePen(colour, shaft, Qt::FlatCap));
  p.drawLine(tail, shaftEnd);
  drawArrowHead(p, tail, tip, head, colour);
}

// Three arrows chasing each other clockwise round a circle, as on roundabout signs.
void drawRoundaboutArrows(QPainter& p, QPointF centre, qreal radius, qreal width,
                          const QColor& colour) {
  for (int i = 0; i < 3; ++i) {
    const qreal start = -80.0 + i * 120.0;
    const qreal sweep = 78.0;
    QPainterPath arc;
    for (int step = 0; step <= 16; ++step) {
      const qreal angle = qDegreesToRadians(start + sweep * step / 16.0);
      const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
      if (step == 0) {
        arc.moveTo(point);
      } else {
        arc.lineTo(point);
      }
    }
    p.setPen(strokePen(colour, width, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal endAngle = qDegreesToRadians(start + sweep);
    const QPointF end = centre + QPointF(radius * qCos(endAngle), radius * qSin(endAngle));
    const QPointF tangent(-qSin(endAngle), qCos(endAngle));
    drawArrowHead(p, end, end + tangent * width * 2.0, width * 2.6, colour);
  }
}

void drawBicycle(QPainter& p, QPointF centre, qreal scale, const QColor& colour) {
  p.save();
  p.translate(centre);
  p.scale(scale, scale);
  p.setPen(strokePen(colour, 3.0));
  p.setBrush(Qt::NoBrush);
  const QPointF rear(-11, 6), front(11, 6), bracket(-1, 6), seat(-5, -6), head(7, -6);
  p.drawEllipse(rear, 7.5, 7.5);
  p.drawEllipse(front, 7.5, 7.5);
  QPainterPath frame;
  frame.moveTo(rear);
  frame.lineTo(bracket);
  frame.lineTo(seat);
  frame.lineTo(rear);
  frame.moveTo(bracket);
  frame.lineTo(head);
  frame.lineTo(front);
  frame.moveTo(seat);
  frame.lineTo(head);
  p.drawPath(frame);
  p.drawLine(QPointF(-8.5, -7.5), QPointF(-2, -7.5));  // saddle
  p.drawLine(head, QPointF(5, -11));                   // handlebar stem
  p.drawLine(QPointF(3, -11), QPointF(9, -11));
  p.restore();
}

// A walking figure; scale 1 is about 32 units tall.
void drawFigure(QPainter& p, QPointF feet, qreal scale, const QColor& colour) {
  p.save();
  p.translate(feet);
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(2, -29), 4.6, 4.6);
  p.setPen(strokePen(colour, 6.0));
  p.drawLine(QPointF(1.5, -21), QPointF(-0.5, -11));  // body
  p.setPen(strokePen(colour, 4.4));
  p.drawLine(QPointF(-0.5, -11), QPointF(-7, 0));  // back leg
  p.drawLine(QPointF(-0.5, -11), QPointF(6.5, -1));
  p.drawLine(QPointF(6.5, -1), QPointF(9, 0));      // front foot
  p.drawLine(QPointF(1.3, -19), QPointF(-6, -12));  // arms
  p.drawLine(QPointF(1.3, -19), QPointF(8, -13));
  p.restore();
}

// A car seen from behind, as on the "no overtaking" sign.
void drawCarRear(QPainter& p, QPointF centre, const QColor& colour) {
  p.save();
  p.translate(centre);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath body;
  body.addRoundedRect(QRectF(-11, -1, 22, 12), 3, 3);
  QPolygonF roof;
  roof << QPointF(-8, -1) << QPointF(-6, -10) << QPointF(6, -10) << QPointF(8, -1);
  body.addPolygon(roof);
  p.drawPath(body.simplified());
  p.drawRect(QRectF(-10, 10, 5, 5));
  p.drawRect(QRectF(5, 10, 5, 5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(-5, -8, 10, 5));  // rear window
  p.restore();
}

void warningTriangle(QPainter& p) {
  QPolygonF outer;
  outer << QPointF(0, -42) << QPointF(47, 39) << QPointF(-47, 39);
  p.setPen(strokePen(palette::signRed(), 7));
  p.setBrush(palette::signRed());
  p.drawPolygon(outer);
  QPolygonF inner;
  inner << QPointF(0, -25) << QPointF(33, 32) << QPointF(-33, 32);
  p.setPen(strokePen(Qt::white, 2));
  p.setBrush(Qt::white);
  p.drawPolygon(inner);
}

void redRing(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::signRed());
  p.drawEllipse(QPointF(0, 0), 48, 48);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(0, 0), 38, 38);
}

void blueDisc(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::signBlue());
  p.drawEllipse(QPointF(0, 0), 48, 48);
  p.setPen(strokePen(Qt::white, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 45, 45);
}

void blueBoard(QPainter& p, const QRectF& board) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::signBlue());
  p.drawRoundedRect(board, 6, 6);
  p.setPen(strokePen(Qt::white, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(board.adjusted(3, 3, -3, -3), 4, 4);
}

void redBar(QPainter& p) {
  p.setPen(strokePen(palette::signRed(), 8, Qt::FlatCap));
  p.drawLine(QPointF(-26.5, -26.5), QPointF(26.5, 26.5));
}

void noStoppingBase(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::signBlue());
  p.drawEllipse(QPointF(0, 0), 44, 44);
  p.setPen(strokePen(palette::signRed(), 9));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 43.5, 43.5);
}

void trafficLight(QPainter& p, bool redOn, bool amberOn, bool greenOn) {
  p.setPen(strokePen(Qt::white, 3));
  p.setBrush(palette::ink());
  p.drawRoundedRect(QRectF(-23, -49, 46, 98), 8, 8);
  const QColor lit[3] = {QColor(0xFF, 0x30, 0x30), QColor(0xFF, 0xB3, 0x00),
                         QColor(0x2B, 0xD6, 0x5E)};
  const bool on[3] = {redOn, amberOn, greenOn};
  for (int i = 0; i < 3; ++i) {
    const QPointF centre(0, -29 + i * 29);
    p.setPen(Qt::NoPen);
    if (on[i]) {
      QRadialGradient glow(centre, 12);
      glow.setColorAt(0.0, lit[i].lighter(140));
      glow.setColorAt(0.7, lit[i]);
      glow.setColorAt(1.0, lit[i].darker(115));
      p.setBrush(glow);
    } else {
      p.setBrush(QColor(0x3A, 0x3A, 0x3A));
    }
    p.drawEllipse(centre, 11, 11);
  }
}

void drawSignUnits(QPainter& p, SignId sign) {
  const QColor ink = palette::ink();
  switch (sign) {
    case kCrossroads:
      warningTriangle(p);
      p.setPen(strokePen(ink, 7, Qt::FlatCap));
      p.drawLine(QPointF(0, -7), QPointF(0, 28));
      p.drawLine(QPointF(-15, 13), QPointF(15, 13));
      break;
    case kTJunction:
      warningTriangle(p);
      p.setPen(strokePen(ink, 7, Qt::FlatCap));
      p.drawLine(QPointF(0, 28), QPointF(0, 4));
      p.drawLine(QPointF(-15, 4), QPointF(15, 4));
      break;
    case kBendRight: {
      warningTriangle(p);
      QPainterPath bend;
      bend.moveTo(-6, 28);
      bend.lineTo(-6, 16);
      bend.cubicTo(-6, 5, 7, 6, 7, -6);
      p.setPen(strokePen(ink, 7, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(bend);
      break;
    }
    case kRoundaboutAhead:
      warningTriangle(p);
      drawRoundaboutArrows(p, QPointF(0, 14), 10, 3.6, ink);
      break;
    case kPedestrians:
      warningTriangle(p);
      drawFigure(p, QPointF(-1, 28), 1.0, ink);
      break;
    case kChildren:
      warningTriangle(p);
      drawFigure(p, QPointF(-7, 28), 1.0, ink);
      drawFigure(p, QPointF(10, 28), 0.75, ink);
      break;
    case kRoadNarrows: {
      warningTriangle(p);
      QPainterPath lines;
      lines.moveTo(-13, 29);
      lines.lineTo(-13, 19);
      lines.lineTo(-6, 9);
      lines.lineTo(-6, -5);
      lines.moveTo(13, 29);
      lines.lineTo(13, 19);
      lines.lineTo(6, 9);
      lines.lineTo(6, -5);
      p.setPen(strokePen(ink, 5.5, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(lines);
      break;
    }
    case kTrafficSignals:
      warningTriangle(p);
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawRoundedRect(QRectF(-7.5, -7, 15, 36), 3, 3);
      p.setBrush(QColor(0xE5, 0x20, 0x20));
      p.drawEllipse(QPointF(0, -0.5), 4.6, 4.6);
      p.setBrush(amber());
      p.drawEllipse(QPointF(0, 11), 4.6, 4.6);
      p.setBrush(signalGreen());
      p.drawEllipse(QPointF(0, 22.5), 4.6, 4.6);
      break;
    case kSteepHill: {
      warningTriangle(p);
      QPolygonF slope;
      slope << QPointF(-25, 19) << QPointF(25, 29) << QPointF(-25, 29);
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawPolygon(slope);
      drawTextAt(p, QRectF(-20, -2, 40, 18), QStringLiteral("10%"), 13, ink);
      break;
    }
    case kUnevenRoad: {
      warningTriangle(p);
      QPainterPath bumps;
      bumps.moveTo(-26, 29);
      bumps.lineTo(-26, 25);
      bumps.lineTo(-19, 25);
      bumps.quadTo(-10, 8, -1, 25);
      bumps.lineTo(1, 25);
      bumps.quadTo(10, 8, 19, 25);
      bumps.lineTo(26, 25);
      bumps.lineTo(26, 29);
      bumps.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawPath(bumps);
      break;
    }
    case kTwoWayTraffic:
      warningTriangle(p);
      drawArrow(p, QPointF(-7, 28), QPointF(-7, -3), 4, 11, ink);
      drawArrow(p, QPointF(7, -1), QPointF(7, 29), 4, 11, ink);
      break;
    case kCycleRoute:
      warningTriangle(p);
      drawBicycle(p, QPointF(0, 14), 1.05, ink);
      break;
    case kNoEntry:
      p.setPen(Qt::NoPen);
      p.setBrush(palette::signRed());
      p.drawEllipse(QPointF(0, 0), 48, 48);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(-33, -8, 66, 16));
      break;
    case kStop: {
      QPolygonF octagon;
      QPolygonF inner;
      for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(22.5 + i * 45.0);
        octagon << QPointF(49 * qCos(angle), 49 * qSin(angle));
        inner << QPointF(44 * qCos(angle), 44 * qSin(angle));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(palette::signRed());
      p.drawPolygon(octagon);
      p.setPen(strokePen(Qt::white, 2.5));
      p.setBrush(Qt::NoBrush);
      p.drawPolygon(inner);
      drawTextAt(p, QRectF(-40, -16, 80, 32), QStringLiteral("STOP"), 25, Qt::white);
      break;
    }
    case kGiveWay: {
      QPolygonF outer;
      outer << QPointF(-47, -38) << QPointF(47, -38) << QPointF(0, 42);
      p.setPen(strokePen(palette::signRed(), 7));
      p.setBrush(palette::signRed());
      p.drawPolygon(outer);
      QPolygonF inner;
      inner << QPointF(-33, -31) << QPointF(33, -31) << QPointF(0, 25);
      p.setPen(strokePen(Qt::white, 2));
      p.setBrush(Qt::white);
      p.drawPolygon(inner);
      drawTextAt(p, QRectF(-24, -29, 48, 14), QStringLiteral("GIVE"), 11.5, ink);
      drawTextAt(p, QRectF(-24, -16, 48, 14), QStringLiteral("WAY"), 11.5, ink);
      break;
    }
    case kSpeed20:
    case kSpeed30:
    case kSpeed40:
    case kSpeed50: {
      redRing(p);
      const int speed = 20 + 10 * (sign - kSpeed20);
      drawTextAt(p, QRectF(-36, -24, 72, 48), QString::number(speed), 38, ink);
      break;
    }
    case kNationalLimit: {
      p.setPen(strokePen(ink, 2));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(0, 0), 47, 47);
      QPainterPath clip;
      clip.addEllipse(QPointF(0, 0), 46, 46);
      p.save();
      p.setClipPath(clip);
      p.rotate(-45);
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawRect(QRectF(-60, -8, 120, 16));
      p.restore();
      break;
    }
    case kNoOvertaking:
      redRing(p);
      drawCarRear(p, QPointF(-12, 1), ink);
      drawCarRear(p, QPointF(12, 1), palette::signRed());
      break;
    case kNoCycling:
      redRing(p);
      drawBicycle(p, QPointF(0, 1), 1.35, ink);
      break;
    case kNoRightTurn: {
      redRing(p);
      QPainterPath turn;
      turn.moveTo(-8, 28);
      turn.lineTo(-8, 2);
      turn.quadTo(-8, -8, 2, -8);
      turn.lineTo(12, -8);
      p.setPen(strokePen(ink, 8, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(turn);
      drawArrowHead(p, QPointF(12, -8), QPointF(27, -8), 20, ink);
      redBar(p);
      break;
    }
    case kNoUTurn: {
      redRing(p);
      QPainterPath uturn;
      uturn.moveTo(-12, 28);
      uturn.lineTo(-12, -4);
      uturn.cubicTo(-12, -22, 12, -22, 12, -4);
      uturn.lineTo(12, 6);
      p.setPen(strokePen(ink, 7, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(uturn);
      drawArrowHead(p, QPointF(12, 6), QPointF(12, 22), 18, ink);
      redBar(p);
      break;
    }
    case kWeightLimit:
      redRing(p);
      drawTextAt(p, QRectF(-36, -18, 72, 36), QStringLiteral("7.5T"), 25, ink);
      break;
    case kWidthLimit: {
      redRing(p);
      drawTextAt(p, QRectF(-24, -14, 48, 28), QStringLiteral("6'6\""), 20, ink);
      QPolygonF left;
      left << QPointF(-34, -7) << QPointF(-34, 7) << QPointF(-26, 0);
      QPolygonF right;
      right << QPointF(34, -7) << QPointF(34, 7) << QPointF(26, 0);
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawPolygon(left);
      p.drawPolygon(right);
      break;
    }
    case kNoStopping: {
      noStoppingBase(p);
      QPainterPath clip;
      clip.addEllipse(QPointF(0, 0), 40, 40);
      p.save();
      p.setClipPath(clip);
      p.setPen(strokePen(palette::signRed(), 9, Qt::FlatCap));
      p.drawLine(QPointF(-32, -32), QPointF(32, 32));
      p.drawLine(QPointF(32, -32), QPointF(-32, 32));
      p.restore();
      break;
    }
    case kNoWaiting: {
      noStoppingBase(p);
      QPainterPath clip;
      clip.addEllipse(QPointF(0, 0), 40, 40);
      p.save();
      p.setClipPath(clip);
      p.setPen(strokePen(palette::signRed(), 9, Qt::FlatCap));
      p.drawLine(QPointF(-32, -32), QPointF(32, 32));
      p.restore();
      break;
    }
    case kAheadOnly:
      blueDisc(p);
      drawArrow(p, QPointF(0, 32), QPointF(0, -32), 11, 30, Qt::white);
      break;
    case kTurnLeft: {
      blueDisc(p);
      QPainterPath turn;
      turn.moveTo(10, 32);
      turn.lineTo(10, 4);
      turn.quadTo(10, -8, -2, -8);
      turn.lineTo(-8, -8);
      p.setPen(strokePen(Qt::white, 11, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(turn);
      drawArrowHead(p, QPointF(-8, -8), QPointF(-32, -8), 28, Qt::white);
      break;
    }
    case kKeepLeft:
      blueDisc(p);
      drawArrow(p, QPointF(20, -20), QPointF(-22, 22), 11, 30, Qt::white);
      break;
    case kMiniRoundabout:
      blueDisc(p);
      drawRoundaboutArrows(p, QPointF(0, 0), 22, 7, Qt::white);
      break;
    case kCyclesOnly:
      blueDisc(p);
      drawBicycle(p, QPointF(0, 1), 1.4, Qt::white);
      break;
    case kMotorway: {
      blueBoard(p, QRectF(-46, -40, 92, 80));
      QPolygonF left;
      left << QPointF(-30, 32) << QPointF(-17, 32) << QPointF(-4, -14) << QPointF(-8, -14);
      QPolygonF right;
      right << QPointF(30, 32) << QPointF(17, 32) << QPointF(4, -14) << QPointF(8, -14);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawPolygon(left);
      p.drawPolygon(right);
      p.drawRect(QRectF(-30, -26, 60, 7));  // the bridge
      p.drawRect(QRectF(-1.5, 18, 3, 14));  // centre line
      p.drawRect(QRectF(-1.2, 2, 2.4, 9));
      break;
    }
    case kHospital:
      blueBoard(p, QRectF(-40, -40, 80, 80));
      drawTextAt(p, QRectF(-36, -36, 72, 72), QStringLiteral("H"), 58, Qt::white);
      break;
    case kParking:
      blueBoard(p, QRectF(-40, -40, 80, 80));
      drawTextAt(p, QRectF(-36, -36, 72, 72), QStringLiteral("P"), 60, Qt::white);
      break;
    case kOneWay:
      blueBoard(p, QRectF(-48, -24, 96, 48));
      drawArrow(p, QPointF(-36, 0), QPointF(38, 0), 12, 32, Qt::white);
      break;
    case kNoThroughRoad:
      blueBoard(p, QRectF(-40, -40, 80, 80));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(-8, -16, 16, 48));
      p.setBrush(palette::signRed());
      p.drawRect(QRectF(-26, -30, 52, 15));
      break;
    case kCountdown: {
      blueBoard(p, QRectF(-22, -47, 44, 94));
      QPainterPath clip;
      clip.addRect(QRectF(-16, -41, 32, 82));
      p.save();
      p.setClipPath(clip);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      for (int i = 0; i < 3; ++i) {
        const qreal y = -24 + i * 24;
        QPolygonF bar;
        bar << QPointF(-20, y + 10) << QPointF(20, y - 4) << QPointF(20, y + 6)
            << QPointF(-20, y + 20);
        p.drawPolygon(bar);
      }
      p.restore();
      break;
    }
    case kLightRed:
      trafficLight(p, true, false, false);
      break;
    case kLightRedAmber:
      trafficLight(p, true, true, false);
      break;
    case kLightGreen:
      trafficLight(p, false, false, true);
      break;
    case kLightAmber:
      trafficLight(p, false, true, false);
      break;
    case kSignCount:
      break;
  }
}

}  // namespace

SignGroup signGroup(SignId sign) {
  if (sign <= kCycleRoute)
    return SignGroup::Warning;
  if (sign <= kCyclesOnly)
    return SignGroup::Order;
  if (sign <= kCountdown)
    return SignGroup::Information;
  return SignGroup::Light;
}

void drawSign(QPainter& painter, SignId sign, const QRectF& area) {
  painter.save();
  painter.translate(area.center());
  const qreal scale = qMin(area.width(), area.height()) / 100.0;
  painter.scale(scale, scale);
  drawSignUnits(painter, sign);
  painter.restore();
}

QImage signPicture(SignId sign, QSize size) {
  QImage image = newImage(size, false);
  QPainter painter(&image);
  preparePainter(painter);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  drawPictureBackground(painter, area);

  const qreal side = qMin(area.width(), area.height()) * 0.64;
  const QPointF centre(area.width() / 2, area.height() * 0.43);
  // The post, with a slight shade so it reads as round.
  const qreal postWidth = qMax(3.0, side * 0.06);
  QLinearGradient metal(centre.x() - postWidth / 2, 0, centre.x() + postWidth / 2, 0);
  metal.setColorAt(0.0, QColor(0x8A, 0x90, 0x98));
  metal.setColorAt(0.5, QColor(0xC9, 0xCE, 0xD4));
  metal.setColorAt(1.0, QColor(0x7E, 0x84, 0x8C));
  painter.fillRect(
      QRectF(centre.x() - postWidth / 2, centre.y(), postWidth, area.height() * 0.92 - centre.y()),
      metal);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 28));
  painter.drawEllipse(QPointF(centre.x(), area.height() * 0.92), postWidth * 2.4, postWidth * 0.6);

  drawSign(painter, sign, QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
  drawSampleCaption(painter, area);
  painter.end();
  return image;
}

}  // namespace samplegen
