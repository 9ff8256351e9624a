#pragma once

#include <QDialog>
#include <functional>

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

class QPlainTextEdit;

namespace controls {
class RoundButton;
}

// The about window: the program, what it covers, its version, contact and terms.
class Taboutform : public QDialog {
  Q_OBJECT

 public:
  Taboutform(const QString& programFolder, QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;  // background
  QLabel* Image2 = nullptr;  // logo
  QPlainTextEdit* Memo1 = nullptr;
  controls::RoundButton* AdvSmoothButton1 = nullptr;  // OK

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private slots:
  void AdvSmoothButton1Click();
};

// The test rules, in the interface language current when the window is activated.
class Thelpform : public QDialog {
  Q_OBJECT

 public:
  // currentLanguage tells the language at the moment the window is shown.
  Thelpform(std::function<QString()> currentLanguage, QWidget* parent = nullptr);

  QPlainTextEdit* Memo1 = nullptr;
  controls::RoundButton* AdvSmoothButton1 = nullptr;  // OK

  void FormActivate();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void AdvSmoothButton1Click();

 private:
  std::function<QString()> currentLanguage_;
};

// The short "correct" or "wrong" flash after an answer is checked in learning mode.
// It takes no input and closes itself 800 ms after it appeared.
class Tmsgform : public QWidget {
  Q_OBJECT

 public:
  Tmsgform(const QString& programFolder, QWidget* parent = nullptr);

  // Shows the "correct" picture when true, the "wrong" one otherwise. While the toast
  // is already up only the picture changes; it still closes on its first timer tick.
  void showResult(bool correct);

  QLabel* imagetak = nullptr;
  QLabel* imagenie = nullptr;
  QTimer* Timer1 = nullptr;

 private slots:
  void Timer1Timer();

 private:
  void FormActivate();
};

// How to step through questions with the arrow keys.
class Tarrowform : public QDialog {
  Q_OBJECT

 public:
  Tarrowform(const QString& programFolder, std::function<QString()> currentLanguage,
             QWidget* parent = nullptr);

  QLabel* pytanielabel = nullptr;
  QLabel* leftlabel = nullptr;
  QLabel* rightlabel = nullptr;
  QLabel* Image1 = nullptr;  // close picture
  QLabel* Image2 = nullptr;  // arrow keys

  void FormActivate();

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormClick();
  void Image1Click();
  std::function<QString()> currentLanguage_;
};
