// The revision list: collected question numbers of the current category, its file,
// the switch that collects wrong answers, revision runs and the list's menu.
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

#include "app/tform1.h"
#include "controls/onoffslider.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "learning/learningtexts.h"
#include "learning/revisionlist.h"
#include "platform/userfolder.h"

void TForm1::buildRevisionPanel() {
  GroupBox2 = new QGroupBox(QStringLiteral(" Repeat: "), TabSheet2);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(428, 412, 400, 228);
  QFont bold = GroupBox2->font();
  bold.setBold(true);
  GroupBox2->setFont(bold);

  dopowtorkilistbox1 = new controls::SmoothListBox(GroupBox2);
  dopowtorkilistbox1->setObjectName(QStringLiteral("dopowtorkilistbox1"));
  dopowtorkilistbox1->setGeometry(10, 26, 170, 192);
  dopowtorkilistbox1->setAccessibleName(QStringLiteral("Revision list"));
  QFont listFont = font();
  listFont.setPointSize(10);
  listFont.setBold(false);
  dopowtorkilistbox1->setFont(listFont);
  dopowtorkilistbox1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(dopowtorkilistbox1, &controls::SmoothListBox::itemClicked, this,
          &TForm1::dopowtorkilistbox1ItemClick);
  connect(dopowtorkilistbox1, &controls::SmoothListBox::itemDoubleClicked, this,
          &TForm1::dopowtorkilistbox1ItemClick);

  AdvSmoothSlider1 = new controls::OnOffSlider(GroupBox2);
  AdvSmoothSlider1->setObjectName(QStringLiteral("AdvSmoothSlider1"));
  AdvSmoothSlider1->setGeometry(196, 30, 130, 34);
  AdvSmoothSlider1->setFont(listFont);
  AdvSmoothSlider1->setOn(true);
  AdvSmoothSlider1->setAccessibleName(QStringLiteral("Collect wrong answers"));
  connect(AdvSmoothSlider1, &controls::OnOffSlider::toggled, this,
          &TForm1::AdvSmoothSlider1Toggled);

  AdvSmoothButton77 = new controls::RoundButton(GroupBox2);
  AdvSmoothButton77->setObjectName(QStringLiteral("AdvSmoothButton77"));
  AdvSmoothButton77->setGeometry(196, 78, 190, 44);
  AdvSmoothButton77->setText(QStringLiteral("Powtórka"));
  AdvSmoothButton77->setStatusCaption(QStringLiteral("!"));
  connect(AdvSmoothButton77, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton77Click);

  plusimg = new QLabel(GroupBox2);
  plusimg->setObjectName(QStringLiteral("plusimg"));
  plusimg->setGeometry(196, 134, 32, 32);
  plusimg->setScaledContents(true);
  plusimg->setPixmap(QPixmap(programFolder() + QStringLiteral("/data/plus.png")));
  plusimg->setAccessibleName(QStringLiteral("Added to the revision list"));
  plusimg->hide();

  Timer7 = new QTimer(this);
  Timer7->setObjectName(QStringLiteral("Timer7"));
  Timer7->setSingleShot(true);
  Timer7->setInterval(200);
  connect(Timer7, &QTimer::timeout, this, &TForm1::Timer7Timer);
  Timer18 = new QTimer(this);
  Timer18->setObjectName(QStringLiteral("Timer18"));
  Timer18->setSingleShot(true);
  Timer18->setInterval(500);
  connect(Timer18, &QTimer::timeout, plusimg, &QWidget::hide);

  PopupMenu1 = new QMenu(dopowtorkilistbox1);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  const auto action = [this](const char* name, const QString& text, void (TForm1::*handler)()) {
    QAction* item = PopupMenu1->addAction(text);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, handler);
    return item;
  };
  usun = action("usun", QStringLiteral("Delete selected number"), &TForm1::usunClick);
  N1 = action("N1", QStringLiteral("Clean the list"), &TForm1::N1Click);
  Informacjaooknie1 = action("Informacjaooknie1", QStringLiteral("About the function"),
                             &TForm1::Informacjaooknie1Click);
  PopupMenu1->addSeparator();
  WczWyczpowtrk1 = action("WczWyczpowtrk1", QStringLiteral("Turn on repeat function"),
                          &TForm1::AdvSmoothButton77Click);
  Eksportujlistnumerwpytapowtrkowych1 =
      action("Eksportujlistnumerwpytapowtrkowych1",
             QStringLiteral("Export numbers from the list..."), &TForm1::EksportujClick);
  Importujlistnumerwpytapowtrkowych1 =
      action("Importujlistnumerwpytapowtrkowych1", QStringLiteral("Import numbers to the list..."),
             &TForm1::ImportujClick);
  connect(dopowtorkilistbox1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(dopowtorkilistbox1->mapToGlobal(at)); });
}

QStringList TForm1::revisionEntries() const {
  QStringList entries;
  for (int i = 0; i < dopowtorkilistbox1->count(); ++i) {
    entries << dopowtorkilistbox1->item(i).caption;
  }
  return entries;
}

namespace {

controls::SmoothListItem revisionItem(const QString& entry) {
  controls::SmoothListItem item;
  item.caption = entry;
  item.deleteButtonVisible = false;
  return item;
}

}  // namespace

void TForm1::loadRevisionList(const QString& code) {
  QStringList entries;
  learning::readRevisionListFile(platform::userFilePath(platform::revisionListFileName(code)),
                                 state_.questionCount(code), &entries);
  dopowtorkilistbox1->beginUpdate();
  dopowtorkilistbox1->clear();
  for (const QString& entry : entries)
    dopowtorkilistbox1->addItem(revisionItem(entry));
  dopowtorkilistbox1->endUpdate();
  revisionListCategory_ = code;
  revisionListLoaded_ = true;
}

void TForm1::storeRevisionList() {
  // Only a list that was loaded is stored, and then also when it became empty, so that
  // deleted entries do not come back and a list never shown never replaces the file.
  if (!revisionListLoaded_)
    return;
  const QString path =
      platform::userFilePath(platform::revisionListFileName(revisionListCategory_));
  if (!learning::writeRevisionListFile(path, revisionEntries())) {
    dialogs().error(QStringLiteral("Roadquiz 2015"), platform::UserIni::missingFilesMessage());
  }
}

void TForm1::addToRevisionList(int number) {
  dopowtorkilistbox1->addItem(revisionItem(QString::number(number)));
}

void TForm1::dopowtorkilistbox1ItemClick(int index) {
  Q_UNUSED(index);
  Timer7->start();
}

void TForm1::Timer7Timer() {
  Timer7->stop();
  const int selected = dopowtorkilistbox1->selectedIndex();
  if (selected < 0)
    return;
  const int number = learning::questionNumberOf(dopowtorkilistbox1->item(selected).caption,
                                                state_.questionCount(state_.currentCategory));
  if (number == 0)
    return;  // never a question: such entries are not kept, but be sure
  setQuestionNumber(number);
  if (numer->value() == number) {
    showQuestion();
  } else {
    numer->setValue(number);
  }
}

void TForm1::AdvSmoothSlider1Toggled(bool on, bool byUser) {
  state_.collecting = on;
  if (byUser)
    ShowHintBar(texts_.s(on ? 132 : 133));
}

void TForm1::AdvSmoothButton77Click() {
  if (!state_.revisionRun) {
    const QString text =
        QStringList{texts_.s(85), texts_.s(86), texts_.s(87), texts_.s(88)}.join(QLatin1Char('\r'));
    if (!dialogs().confirmOkCancel(learning::informationCaption(state_.currentLanguage), text)) {
      return;
    }
    if (dopowtorkilistbox1->count() == 0) {
      dialogs().information(texts_.s(1), texts_.s(91) + QLatin1Char('\r') + texts_.s(92));
      return;
    }
    AdvSmoothButton77->setStatusVisible(true);
    numeredit->setEnabled(false);
    state_.revisionRun = true;
    AdvSmoothButton29->setEnabled(false);
    AdvSmoothButton30->setEnabled(false);
    dopowtorkilistbox1->setSelectedIndex(0);
    Timer7->start();
    AdvSmoothSlider1->setOn(false);
    state_.collecting = false;
    WczWyczpowtrk1->setText(texts_.s(89));
    ShowHintBar(texts_.s(90));
    return;
  }
  if (!dialogs().askYesNo(learning::informationCaption(state_.currentLanguage),
                          texts_.s(108) + QLatin1Char('\r') + texts_.s(109))) {
    return;
  }
  endRevisionRun(false);
}

void TForm1::endRevisionRun(bool listUsedUp) {
  if (listUsedUp) {
    dialogs().information(
        texts_.s(1),
        QStringList{texts_.s(154), texts_.s(155), texts_.s(156)}.join(QLatin1Char('\r')));
  }
  state_.revisionRun = false;
  Timer5->stop();
  AdvSmoothButton29->setEnabled(true);
  AdvSmoothButton30->setEnabled(true);
  AdvSmoothSlider1->setOn(true);
  state_.collecting = true;
  numeredit->setEnabled(true);
  numeredit->setText(QStringLiteral("1"));
  state_.currentQuestionNumber = 1;
  if (numer->value() == 1) {
    showQuestion();
  } else {
    numer->setValue(1);
  }
  AdvSmoothButton77->setStatusVisible(false);
  WczWyczpowtrk1->setText(texts_.s(110));
  if (listUsedUp)
    ShowHintBar(texts_.s(157));
}

void TForm1::usunClick() {
  const int selected = dopowtorkilistbox1->selectedIndex();
  if (selected >= 0)
    dopowtorkilistbox1->removeItem(selected);
}

void TForm1::N1Click() {
  if (!dialogs().askYesNo(texts_.s(1), texts_.s(106)))
    return;
  dopowtorkilistbox1->clear();
  storeRevisionList();
}

void TForm1::Informacjaooknie1Click() {
  dialogs().information(texts_.s(1), QStringList{texts_.s(149), texts_.s(150), texts_.s(151)}.join(
                                         QStringLiteral("\r\n")));
}

void TForm1::EksportujClick() {
  if (!dialogs().askYesNo(texts_.s(1), texts_.s(141)))
    return;
  QString path = dialogs().saveFileName(QStringLiteral("Export numbers"), QString(),
                                        QStringLiteral("Repeat numbers (*.pwt)"));
  if (path.isEmpty())
    return;
  if (QFileInfo(path).suffix().isEmpty())
    path += QStringLiteral(".pwt");
  if (!learning::writeRevisionListFile(path, revisionEntries())) {
    showError(learning::cannotWriteMessage(state_.currentLanguage, path));
  }
}

void TForm1::ImportujClick() {
  if (!dialogs().askYesNo(texts_.s(1), texts_.s(148)))
    return;
  const QString path =
      dialogs().openFileName(QStringLiteral("Import numbers..."), QStringLiteral("repeat.pwt"),
                             QStringLiteral("Repeat numbers (*.pwt)"));
  if (path.isEmpty())
    return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    showError(learning::cannotReadMessage(state_.currentLanguage, path));
    return;
  }
  int skipped = 0;
  const QStringList entries = learning::parseRevisionList(
      file.readAll(), state_.questionCount(state_.currentCategory), &skipped);
  dopowtorkilistbox1->beginUpdate();
  dopowtorkilistbox1->clear();
  for (const QString& entry : entries)
    dopowtorkilistbox1->addItem(revisionItem(entry));
  dopowtorkilistbox1->endUpdate();
  // The list on screen is now the category's list, to be stored with it.
  revisionListCategory_ = state_.currentCategory;
  revisionListLoaded_ = true;
  if (skipped > 0) {
    dialogs().information(
        texts_.s(1), learning::importSkippedMessage(state_.currentLanguage, skipped,
                                                    state_.questionCount(state_.currentCategory)));
  }
}
