#include "app/auxwindows.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TForm2::TForm2(const QString& programFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Roadquiz 2015"));
  setFixedSize(640, 464);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 640, 464);
  Image1->setScaledContents(true);
  const QPixmap picture(programFolder + QStringLiteral("/data/splash.png"));
  Image1->setPixmap(picture);
  Image1->setAccessibleName(QStringLiteral("Roadquiz 2015"));
  Image1->setAccessibleDescription(QStringLiteral("Roadquiz 2015 is starting"));
  if (!picture.isNull()) {
    const QPixmap scaled = picture.scaled(size());
    setMask(scaled.createMaskFromColor(QColor(0xD8, 0xD8, 0xD8), Qt::MaskInColor));
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
}

void TForm2::showSplash(int milliseconds) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  Timer1->start(qMax(0, milliseconds));
  exec();
}

void TForm2::Timer1Timer() {
  accept();
}
