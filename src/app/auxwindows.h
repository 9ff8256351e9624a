#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The splash shown while the main window is being built. Its picture gives the window
// its shape: pixels of the colour #D8D8D8 are see-through.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(const QString& programFolder, QWidget* parent = nullptr);

  // Shows the splash modally and returns when its timer has closed it.
  void showSplash(int milliseconds);

  QLabel* Image1 = nullptr;
  QTimer* Timer1 = nullptr;

 private slots:
  void Timer1Timer();
};
