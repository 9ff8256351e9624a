#include "app/auxwindows.h"
#include "app/uikit.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "app/auxtexts.h"
#include "app/pictures.h"
#include "controls/roundbutton.h"

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
    const QPixmap scaled = picture.scaled(size());  // not null: checked above
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

namespace {

void centreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window->move(screen->availableGeometry().center() - window->rect().center());
  }
}

controls::RoundButton* okButton(QWidget* parent, const QRect& geometry) {
  return app::roundButton(parent, QStringLiteral("AdvSmoothButton1"), QStringLiteral("OK"),
                          geometry);
}

void fillBackground(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

}  // namespace

Taboutform::Taboutform(const QString& programFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutform"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("About"));
  resize(688, 384);
  setMinimumSize(688, 384);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setScaledContents(true);
  Image1->setPixmap(QPixmap(programFolder + QStringLiteral("/data/mainbackground.jpg")));

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(440, 50, 225, 257);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(
      app::scaledPicture(programFolder + QStringLiteral("/data/logo.png"), QSize(200, 200)));
  Image2->setAccessibleName(QStringLiteral("Roadquiz 2015 logo"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(32, 50, 409, 257);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont memoFont(QStringLiteral("Georgia"));
  memoFont.setFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif")});
  memoFont.setPointSize(12);
  Memo1->setFont(memoFont);
  QPalette memoPalette = Memo1->palette();
  memoPalette.setColor(QPalette::Base, Qt::white);
  memoPalette.setColor(QPalette::Text, QColor(0x80, 0x80, 0xFF));
  Memo1->setPalette(memoPalette);
  Memo1->setPlainText(app::aboutText());
  Memo1->setAccessibleName(QStringLiteral("About Roadquiz 2015"));

  AdvSmoothButton1 = okButton(this, QRect(304, 329, 89, 35));
  connect(AdvSmoothButton1, &QAbstractButton::clicked, this, &Taboutform::AdvSmoothButton1Click);
}

void Taboutform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  AdvSmoothButton1->setFocus();
}

void Taboutform::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Image1->setGeometry(rect());
}

void Taboutform::AdvSmoothButton1Click() {
  accept();
}

Thelpform::Thelpform(std::function<QString()> currentLanguage, QWidget* parent)
    : QDialog(parent), currentLanguage_(std::move(currentLanguage)) {
  setObjectName(QStringLiteral("helpform"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(442, 396);
  fillBackground(this, app::kSkyBlue);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(8, 8, 425, 305);
  Memo1->setReadOnly(true);
  QFont memoFont = Memo1->font();
  memoFont.setPointSize(10);
  Memo1->setFont(memoFont);
  Memo1->setAccessibleName(QStringLiteral("Test rules"));

  AdvSmoothButton1 = okButton(this, QRect(160, 335, 120, 35));
  connect(AdvSmoothButton1, &QAbstractButton::clicked, this, &Thelpform::AdvSmoothButton1Click);
}

void Thelpform::showEvent(QShowEvent* event) {
  FormActivate();
  centreOnScreen(this);
  QDialog::showEvent(event);
  AdvSmoothButton1->setFocus();
}

void Thelpform::FormActivate() {
  app::RulesTexts texts;
  if (!app::rulesTexts(currentLanguage_(), &texts))
    return;
  setWindowTitle(texts.caption);
  Memo1->clear();
  for (const QString& line : texts.lines)
    Memo1->appendPlainText(line);
  Memo1->moveCursor(QTextCursor::Start);
}

void Thelpform::AdvSmoothButton1Click() {
  close();
}

Tmsgform::Tmsgform(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowTransparentForInput | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("msgform"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(126, 116);
  fillBackground(this, Qt::white);
  setWindowOpacity(120.0 / 255.0);

  imagetak = new QLabel(this);
  imagetak->setObjectName(QStringLiteral("imagetak"));
  imagetak->setGeometry(8, -8, 105, 105);
  imagetak->setScaledContents(true);
  imagetak->setPixmap(QPixmap(programFolder + QStringLiteral("/data/toast_correct.png")));
  imagetak->setAccessibleName(QStringLiteral("Correct answer"));

  imagenie = new QLabel(this);
  imagenie->setObjectName(QStringLiteral("imagenie"));
  imagenie->setGeometry(32, 24, 73, 73);
  imagenie->setScaledContents(true);
  imagenie->setPixmap(QPixmap(programFolder + QStringLiteral("/data/toast_wrong.png")));
  imagenie->setAccessibleName(QStringLiteral("Wrong answer"));

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(800);
  connect(Timer1, &QTimer::timeout, this, &Tmsgform::Timer1Timer);
}

void Tmsgform::showResult(bool correct) {
  imagetak->setVisible(correct);
  imagenie->setVisible(!correct);
  if (isVisible())
    return;
  centreOnScreen(this);
  show();
  FormActivate();
}

void Tmsgform::FormActivate() {
  Timer1->start();
}

void Tmsgform::Timer1Timer() {
  Timer1->stop();
  close();
}

Tarrowform::Tarrowform(const QString& programFolder, std::function<QString()> currentLanguage,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      currentLanguage_(std::move(currentLanguage)) {
  setObjectName(QStringLiteral("arrowform"));
  setFixedSize(619, 339);
  fillBackground(this, app::kSkyBlue);

  QFont tahoma(QStringLiteral("Tahoma"));
  tahoma.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
  tahoma.setPointSize(11);
  pytanielabel = new QLabel(this);
  pytanielabel->setObjectName(QStringLiteral("pytanielabel"));
  pytanielabel->setFont(tahoma);
  pytanielabel->setGeometry(8, 8, 580, 60);
  pytanielabel->setWordWrap(true);
  pytanielabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(168, 88, 257, 161);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(
      app::scaledPicture(programFolder + QStringLiteral("/data/arrowkeys.png"), QSize(257, 161)));
  Image2->setAccessibleName(QStringLiteral("Arrow keys"));
  Image2->setAccessibleDescription(
      QStringLiteral("The left arrow key shows the previous question, the right arrow key the "
                     "next one."));

  QFont bold = tahoma;
  bold.setPointSize(12);
  bold.setBold(true);
  QPalette navy = palette();
  navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  leftlabel = new QLabel(this);
  leftlabel->setObjectName(QStringLiteral("leftlabel"));
  rightlabel = new QLabel(this);
  rightlabel->setObjectName(QStringLiteral("rightlabel"));
  for (QLabel* label : {leftlabel, rightlabel}) {
    label->setFont(bold);
    label->setPalette(navy);
  }
  leftlabel->setGeometry(48, 208, 120, 24);
  rightlabel->setGeometry(436, 208, 170, 24);
  rightlabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(594, 0, 25, 25);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setText(QStringLiteral("✕"));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setAccessibleName(QStringLiteral("Close"));
  Image1->installEventFilter(this);
}

void Tarrowform::showEvent(QShowEvent* event) {
  FormActivate();
  centreOnScreen(this);
  QDialog::showEvent(event);
}

void Tarrowform::FormActivate() {
  const app::ShortcutTexts texts = app::shortcutTexts(currentLanguage_());
  pytanielabel->setText(texts.heading);
  leftlabel->setText(texts.left);
  rightlabel->setText(texts.right);
  setWindowTitle(texts.heading);
}

void Tarrowform::mouseReleaseEvent(QMouseEvent* event) {
  QDialog::mouseReleaseEvent(event);
  FormClick();
}

void Tarrowform::keyPressEvent(QKeyEvent* event) {
  // Keyboard users close it like the click does.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    close();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool Tarrowform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    Image1Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Tarrowform::FormClick() {
  close();
}

void Tarrowform::Image1Click() {
  close();
}
