#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace samplegen {

// The vehicle of a licence category: the learner's own vehicle in the road scenes
// and the drawing on the category pictures.
enum class VehicleType { Motorcycle, Car, Lorry, Bus };

VehicleType vehicleOfCategory(int categoryIndex);

// Road scenes seen from above, with the learner's vehicle in the sky colour.
enum SceneId {
  kSceneZebra,
  kSceneMotorwayJoin,
  kSceneCyclist,
  kSceneBoxJunction,
  kSceneRoundabout,
  kSceneAmberLight,
  kSceneWetGap,
  kSceneBusStop,
  kSceneLevelCrossing,
  kSceneParkedCars,
  kSceneCount
};

// A vehicle seen from above, its front pointing along heading (degrees clockwise
// from north), scaled so a car is about 46 pixels long at scale 1.
void drawVehicleTop(QPainter& painter, VehicleType type, QPointF centre, qreal heading,
                    const QColor& body, qreal scale = 1.0, bool signalRight = false);

// Length of a vehicle seen from above at scale 1, in pixels.
qreal vehicleLength(VehicleType type);

// A vehicle seen from the side in a flat style, filling area (facing right).
void drawVehicleSide(QPainter& painter, VehicleType type, const QRectF& area);

// A finished bank picture of a scene with the sample caption; designed at 400 by 300
// and scaled to size.
QImage scenePicture(SceneId scene, VehicleType own, QSize size);

}  // namespace samplegen
