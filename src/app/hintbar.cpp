// The hint bar: one short status message at a time, sliding in above the main panel
// and out again after five seconds.
#include <QPropertyAnimation>
#include <QTimer>

#include "app/tform1.h"
#include "controls/roundbutton.h"

namespace {
constexpr int kSlideMilliseconds = 200;
constexpr int kShowMilliseconds = 5000;
}  // namespace

void TForm1::buildHintBar() {
  hintbutton->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  hintbutton->setContentsMargins(8, 0, 8, 0);
  QFont hintFont = hintbutton->font();
  hintFont.setFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif")});
  hintFont.setPointSize(10);
  hintbutton->setFont(hintFont);
  hintbutton->setAccessibleDescription(QStringLiteral("Status message"));

  hintAnimation_ = new QPropertyAnimation(hintbutton, "geometry", this);
  hintAnimation_->setDuration(kSlideMilliseconds);
  connect(hintAnimation_, &QPropertyAnimation::finished, this, [this] {
    // A slide out ends with the bar hidden; a slide in leaves it where it belongs.
    const QRect end = hintAnimation_->endValue().toRect();
    if (end.height() == 0 || end.width() == 0)
      hintbutton->hide();
  });

  // The timer runs from the start and is never stopped for good: every tick hides the
  // bar, and a new message starts the five seconds again.
  Timer15 = new QTimer(this);
  Timer15->setObjectName(QStringLiteral("Timer15"));
  Timer15->setInterval(kShowMilliseconds);
  connect(Timer15, &QTimer::timeout, this, &TForm1::Timer15Timer);
  Timer15->start();

  connect(toastagainbutton, &QAbstractButton::clicked, this, &TForm1::toastagainbuttonClick);
}

void TForm1::slideHintBar(bool in) {
  const QRect home(hintbutton->pos().x(), hintHomeTop_, hintbutton->width(), 27);
  const QRect collapsed(home.x(), home.bottom() + 1, home.width(), 0);
  hintAnimation_->stop();
  if (in) {
    hintbutton->setGeometry(collapsed);
    hintbutton->show();
    hintbutton->raise();
    hintAnimation_->setStartValue(collapsed);
    hintAnimation_->setEndValue(home);
  } else {
    if (hintbutton->isHidden())
      return;
    hintAnimation_->setStartValue(hintbutton->geometry());
    hintAnimation_->setEndValue(collapsed);
  }
  hintAnimation_->start();
}

void TForm1::ShowHintBar(const QString& text) {
  if (Timer15->isActive()) {
    Timer15->stop();
    slideHintBar(false);
  }
  hintbutton->setText(text);
  hintbutton->setAccessibleName(text);
  slideHintBar(true);
  Timer15->start();
  state_.lastMessage = text;
}

void TForm1::slideHintBarLeft() {
  if (hintbutton->isHidden())
    return;
  hintAnimation_->stop();
  const QRect from = hintbutton->geometry();
  hintAnimation_->setStartValue(from);
  hintAnimation_->setEndValue(QRect(from.x(), from.y(), 0, from.height()));
  hintAnimation_->start();
}

void TForm1::Timer15Timer() {
  slideHintBar(false);
}

void TForm1::toastagainbuttonClick() {
  ShowHintBar(state_.lastMessage);
}
