// The archive of finished tests: listing, filtering and ordering the stored tests of
// the current category, and opening, copying and deleting them.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "app/tform1.h"
#include "app/uikit.h"
#include "archive/archivelogic.h"
#include "archive/archivetexts.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "platform/userfolder.h"

namespace {

QComboBox* filterCombo(QWidget* parent, const char* name, const QStringList& items,
                       const QString& header, const QRect& place) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  combo->setGeometry(place);
  combo->setToolTip(header);
  combo->setAccessibleDescription(header);
  combo->setMaxVisibleItems(14);
  return combo;
}

QStringList numberedItems(int last) {
  QStringList items{archive::kAll};
  for (int n = 1; n <= last; ++n)
    items << QString::asprintf("%02d", n);
  return items;
}

}  // namespace

void TForm1::buildArchivePage() {
  QWidget* page = TabSheet18;
  QFont plain = font();
  plain.setBold(false);
  QFont buttonFont = plain;
  buttonFont.setPointSize(10);

  AdvSmoothListBox1 = new controls::SmoothListBox(page);
  AdvSmoothListBox1->setObjectName(QStringLiteral("AdvSmoothListBox1"));
  AdvSmoothListBox1->setGeometry(12, 10, 470, 630);
  AdvSmoothListBox1->setHeaderCaption(QString::fromUtf8("Lista rozwiązanych testów:"));
  AdvSmoothListBox1->setFooterCaption(QStringLiteral("Select a test to display options."));
  AdvSmoothListBox1->setDeleteButtonCaption(QString::fromUtf8("Usuń"));
  AdvSmoothListBox1->setFont(plain);
  connect(AdvSmoothListBox1, &controls::SmoothListBox::itemClicked, this,
          &TForm1::AdvSmoothListBox1ItemClick);
  connect(AdvSmoothListBox1, &controls::SmoothListBox::itemDoubleClicked, this, [this](int index) {
    AdvSmoothListBox1->setSelectedIndex(index);
    AdvSmoothButton93Click();
  });
  connect(AdvSmoothListBox1, &controls::SmoothListBox::itemDeleteClicked, this,
          &TForm1::AdvSmoothListBox1ItemDeleteClicked);

  GroupBox3 =
      new QGroupBox(QString::fromUtf8(" Sortowanie rozwiązanych testów (wybierz czas): "), page);
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  GroupBox3->setGeometry(496, 10, 432, 150);
  QFont bold = plain;
  bold.setBold(true);
  GroupBox3->setFont(bold);
  const std::tuple<QLabel**, const char*, const char*, int> labels[] = {
      {&Label13, "Label13", "year:", 14},
      {&Label14, "Label14", "month:", 154},
      {&Label15, "Label15", "day:", 294}};
  for (const auto& [member, name, text, x] : labels) {
    *member = new QLabel(QLatin1String(text), GroupBox3);
    (*member)->setObjectName(QLatin1String(name));
    (*member)->setGeometry(x, 30, 124, 22);
    (*member)->setFont(plain);
  }
  const int thisYear = services_.clock->now().date().year();
  rokcombo = filterCombo(GroupBox3, "rokcombo", archive::yearItems(thisYear),
                         QStringLiteral("wybierz rok: "), QRect(14, 54, 124, 30));
  miesiaccombo = filterCombo(GroupBox3, "miesiaccombo", numberedItems(12),
                             QString::fromUtf8("wybierz miesiąc: "), QRect(154, 54, 124, 30));
  dziencombo = filterCombo(GroupBox3, "dziencombo", numberedItems(31),
                           QString::fromUtf8("wybierz dzień: "), QRect(294, 54, 124, 30));
  Label13->setBuddy(rokcombo);
  Label14->setBuddy(miesiaccombo);
  Label15->setBuddy(dziencombo);
  for (QComboBox* combo : {rokcombo, miesiaccombo, dziencombo})
    combo->setFont(plain);
  sortujbtn = app::roundButton(GroupBox3, QStringLiteral("sortujbtn"), QStringLiteral("sortuj"),
                               QRect(294, 100, 124, 36));
  sortujbtn->setFont(buttonFont);
  connect(sortujbtn, &QAbstractButton::clicked, this, &TForm1::sortujbtnClick);

  AdvSmoothButton91 = app::roundButton(page, QStringLiteral("AdvSmoothButton91"),
                                       QStringLiteral("od najnowszych"), QRect(496, 172, 210, 40));
  AdvSmoothButton92 = app::roundButton(page, QStringLiteral("AdvSmoothButton92"),
                                       QStringLiteral("od najstarszych"), QRect(718, 172, 210, 40));
  AdvSmoothButton84 =
      app::roundButton(page, QStringLiteral("AdvSmoothButton84"),
                       QStringLiteral("dzisiejsze testy"), QRect(496, 220, 210, 40));
  AdvSmoothButton95 = app::roundButton(page, QStringLiteral("AdvSmoothButton95"),
                                       QStringLiteral("wszystkie testy"), QRect(718, 220, 210, 40));
  AdvSmoothButton90 = app::roundButton(page, QStringLiteral("AdvSmoothButton90"),
                                       QStringLiteral("statystyki"), QRect(496, 268, 432, 40));
  for (controls::RoundButton* button : {AdvSmoothButton91, AdvSmoothButton92, AdvSmoothButton84,
                                        AdvSmoothButton95, AdvSmoothButton90}) {
    button->setFont(buttonFont);
  }
  connect(AdvSmoothButton91, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton91Click);
  connect(AdvSmoothButton92, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton92Click);
  connect(AdvSmoothButton84, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton84Click);
  connect(AdvSmoothButton95, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton95Click);
  connect(AdvSmoothButton90, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton90Click);

  Panel3 = new QWidget(page);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setGeometry(496, 324, 432, 200);
  Panel3->setAutoFillBackground(true);
  QPalette panelPalette = Panel3->palette();
  panelPalette.setColor(QPalette::Window, QColor(0xE3, 0xEE, 0xFA));
  Panel3->setPalette(panelPalette);
  Label18 = new QLabel(Panel3);
  Label18->setObjectName(QStringLiteral("Label18"));
  Label18->setGeometry(14, 12, 404, 48);
  Label18->setWordWrap(true);
  QFont detailFont = plain;
  detailFont.setPointSize(11);
  detailFont.setBold(true);
  Label18->setFont(detailFont);
  Label19 = new QLabel(Panel3);
  Label19->setObjectName(QStringLiteral("Label19"));
  Label19->setGeometry(14, 62, 404, 44);
  Label19->setWordWrap(true);
  QFont scoreFont = plain;
  scoreFont.setPointSize(11);
  Label19->setFont(scoreFont);
  AdvSmoothButton93 =
      app::roundButton(Panel3, QStringLiteral("AdvSmoothButton93"),
                       QString::fromUtf8("Otwórz test/Pokaż raport"), QRect(14, 120, 250, 44));
  AdvSmoothButton94 = app::roundButton(Panel3, QStringLiteral("AdvSmoothButton94"),
                                       QStringLiteral("Zapisz test"), QRect(276, 120, 142, 44));
  AdvSmoothButton93->setFont(buttonFont);
  AdvSmoothButton94->setFont(buttonFont);
  connect(AdvSmoothButton93, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton93Click);
  connect(AdvSmoothButton94, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton94Click);
  Panel3->hide();

  Timer17 = new QTimer(this);
  Timer17->setObjectName(QStringLiteral("Timer17"));
  Timer17->setSingleShot(true);
  Timer17->setInterval(100);
  connect(Timer17, &QTimer::timeout, this, &TForm1::Timer17Timer);
}

void TForm1::sortujbtnClick() {
  const QStringList names = archive::listArchive(platform::archiveFolder(state_.currentCategory));
  archiveNames_ = archive::filterNames(names, rokcombo->currentText(), miesiaccombo->currentText(),
                                       dziencombo->currentText());
  // Listing, then newest first: one rebuild shows what two in a row would.
  AdvSmoothButton91Click();
}

void TForm1::AdvSmoothButton91Click() {
  archiveNames_ = archive::newestFirst(archiveNames_);
  rebuildArchiveList();
}

void TForm1::AdvSmoothButton92Click() {
  archiveNames_ = archive::oldestFirst(archiveNames_);
  rebuildArchiveList();
}

void TForm1::rebuildArchiveList() {
  const QString folder = platform::archiveFolder(state_.currentCategory);
  const QString data = programFolder() + QStringLiteral("/data/");
  const QPixmap passedPicture(data + QStringLiteral("cross_save_32.png"));
  const QPixmap failedPicture(data + QStringLiteral("do_not_cross_save_32.png"));
  QVector<controls::SmoothListItem> items;
  items.reserve(archiveNames_.size());
  for (const QString& name : archiveNames_) {
    const archive::StoredTest stored = storedTests_.get(folder + name);
    controls::SmoothListItem item;
    item.caption = texts_.s(115) + QLatin1Char(' ') + archive::readableName(name, texts_.s(116));
    item.hint = folder + name;
    item.deleteButtonVisible = true;
    if (stored.readable) {
      item.progress = stored.percent;
      item.progressText = archive::percentText(stored.percent);
      item.note = stored.passed ? texts_.s(113) : texts_.s(114);
      item.leftGraphic = stored.passed ? passedPicture : failedPicture;
    } else {
      // Listed all the same, so the user can see it, delete it or learn why it fails.
      item.note = archive::unreadableNote(state_.currentLanguage);
    }
    items.append(item);
  }
  AdvSmoothListBox1->setItems(items);
  AdvSmoothListBox1->setHeaderCaption(texts_.s(71) + QLatin1Char(' ') +
                                      QString::number(archiveNames_.size()));
  if (!items.isEmpty()) {
    AdvSmoothListBox1->setSelectedIndex(0);
    AdvSmoothListBox1ItemClick(0);
  } else {
    Label18->clear();
    Label19->clear();
    Panel3->hide();
  }
}

void TForm1::AdvSmoothListBox1ItemClick(int index) {
  if (index < 0 || index >= archiveNames_.size())
    return;
  const QString name = archiveNames_.at(index);
  const archive::StoredTest stored =
      storedTests_.get(platform::archiveFolder(state_.currentCategory) + name);
  Label18->setText(texts_.s(115) + QLatin1Char(' ') + archive::readableName(name, texts_.s(116)));
  const QString note = stored.readable ? (stored.passed ? texts_.s(113) : texts_.s(114))
                                       : archive::unreadableNote(state_.currentLanguage);
  Label19->setText(texts_.s(117) + QStringLiteral(": ") +
                   (stored.readable ? QString::number(stored.percent) : QString()) +
                   QLatin1Char(' ') + texts_.s(118) + QLatin1Char(' ') + note.toLower());
  Panel3->show();
}

void TForm1::hideArchiveDetails() {
  AdvSmoothListBox1->setSelectedIndex(-1);
  Panel3->hide();
}

void TForm1::AdvSmoothButton84Click() {
  const QDate today = services_.clock->now().date();
  miesiaccombo->setCurrentIndex(today.month());
  dziencombo->setCurrentIndex(today.day());
  const int yearIndex = rokcombo->findText(QString::number(today.year()));
  if (yearIndex > 0) {
    rokcombo->setCurrentIndex(yearIndex);
  } else if (today.year() > 2015) {
    dialogs().information(texts_.s(1), texts_.s(147));
  }
  sortujbtnClick();
  hideArchiveDetails();
}

void TForm1::AdvSmoothButton95Click() {
  rokcombo->setCurrentIndex(0);
  miesiaccombo->setCurrentIndex(0);
  dziencombo->setCurrentIndex(0);
  sortujbtnClick();
  hideArchiveDetails();
}

void TForm1::AdvSmoothButton90Click() {
  statystykibutton->click();
}

void TForm1::AdvSmoothButton93Click() {
  const int index = AdvSmoothListBox1->selectedIndex();
  if (index < 0 || index >= archiveNames_.size())
    return;
  const QString path = platform::archiveFolder(state_.currentCategory) + archiveNames_.at(index);
  if (!readSavedTest(path))
    return;  // the reader has told the user why
  koniecClick();
  hideGridBadges();
  AdvSmoothButton37->click();
  ShowHintBar(texts_.s(134) + QLatin1Char(' ') + QFileInfo(path).fileName());
  selectSlot(1);
}

void TForm1::AdvSmoothButton94Click() {
  const int index = AdvSmoothListBox1->selectedIndex();
  if (index < 0 || index >= archiveNames_.size())
    return;
  const QString source = platform::archiveFolder(state_.currentCategory) + archiveNames_.at(index);
  QString target =
      dialogs().saveFileName(QStringLiteral("Save Test File."), archiveNames_.at(index),
                             QStringLiteral("Roadquiz file (*.rqt)"));
  if (target.isEmpty() || !QFileInfo(source).isFile())
    return;
  if (!target.endsWith(QLatin1String(".rqt"), Qt::CaseInsensitive))
    target += QStringLiteral(".rqt");
  if (QFile::exists(target))
    QFile::remove(target);
  if (!QFile::copy(source, target)) {
    showError(QStringLiteral("The test could not be copied to %1.")
                  .arg(QDir::toNativeSeparators(target)));
    return;
  }
  ShowHintBar(texts_.s(135) + QLatin1Char(' ') + target);
}

void TForm1::AdvSmoothListBox1ItemDeleteClicked(int index) {
  if (index >= 0 && index < AdvSmoothListBox1->count())
    AdvSmoothListBox1->setSelectedIndex(index);
  const int selected = AdvSmoothListBox1->selectedIndex();
  if (selected < 0 || selected >= archiveNames_.size()) {
    ShowHintBar(texts_.s(138));
  } else {
    const QString name = archiveNames_.at(selected);
    if (QFile::remove(platform::archiveFolder(state_.currentCategory) + name)) {
      ShowHintBar(texts_.s(136) + QLatin1Char(' ') + name);
      AdvSmoothListBox1->removeItem(selected);
      hideArchiveDetails();
    } else {
      ShowHintBar(texts_.s(137));
    }
  }
  Timer17->start();
}

void TForm1::Timer17Timer() {
  Timer17->stop();
  sortujbtnClick();
}
