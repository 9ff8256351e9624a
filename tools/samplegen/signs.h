#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace samplegen {

// The road signs and traffic lights the sample banks ask about. The order is the
// order of the picture names, so new signs go at the end.
enum SignId {
  kCrossroads,
  kTJunction,
  kBendRight,
  kRoundaboutAhead,
  kPedestrians,
  kChildren,
  kRoadNarrows,
  kTrafficSignals,
  kSteepHill,
  kUnevenRoad,
  kTwoWayTraffic,
  kCycleRoute,
  kNoEntry,
  kStop,
  kGiveWay,
  kSpeed20,
  kSpeed30,
  kSpeed40,
  kSpeed50,
  kNationalLimit,
  kNoOvertaking,
  kNoCycling,
  kNoRightTurn,
  kNoUTurn,
  kWeightLimit,
  kWidthLimit,
  kNoStopping,
  kNoWaiting,
  kAheadOnly,
  kTurnLeft,
  kKeepLeft,
  kMiniRoundabout,
  kCyclesOnly,
  kMotorway,
  kHospital,
  kParking,
  kOneWay,
  kNoThroughRoad,
  kCountdown,
  kLightRed,
  kLightRedAmber,
  kLightGreen,
  kLightAmber,
  kSignCount
};

// What kind of message a sign gives; the sample questions group signs by it.
enum class SignGroup { Warning, Order, Information, Light };

SignGroup signGroup(SignId sign);

// Draws the sign as large as fits into area, centred.
void drawSign(QPainter& painter, SignId sign, const QRectF& area);

// A finished bank picture of the sign on its post, with the sample caption.
QImage signPicture(SignId sign, QSize size);

}  // namespace samplegen
