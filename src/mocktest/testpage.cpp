// Mock test: the test page, drawing and setting up a test, answering, the clock,
// finishing, and saved test files.
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>

#include "app/tform1.h"
#include "app/uikit.h"
#include "bank/bankfile.h"
#include "controls/picturebox.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "i18n/resultline.h"
#include "platform/userfolder.h"
#include "stats/statsfile.h"

namespace {

const QString kCorrectBadge = QStringLiteral("     Correct");

// The grid buttons keep the names they always had: slot 1 is AdvSmoothbutton42, slots 2
// to 32 AdvSmoothButton43 .. AdvSmoothButton73, slots 33 to 50 b33 .. b50.
QString gridButtonName(int slot) {
  if (slot == 1)
    return QStringLiteral("AdvSmoothbutton42");
  if (slot <= 32)
    return QStringLiteral("AdvSmoothButton%1").arg(41 + slot);
  return QStringLiteral("b%1").arg(slot);
}

QLabel* clockLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(24);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x1F, 0x3A, 0x68));
  label->setPalette(palette);
  return label;
}

}  // namespace

controls::RoundButton* TForm1::testAnswerButton(int index) const {
  controls::RoundButton* const buttons[] = {abuttontest, bbuttontest, cbuttontest,
                                            dbuttontest, ebuttontest, fbuttontest};
  return index >= 0 && index < 6 ? buttons[index] : nullptr;
}

void TForm1::buildTestPage() {
  QWidget* page = TabSheet5;
  QFont plain = font();
  plain.setBold(false);

  GroupBox4 = new QGroupBox(QStringLiteral(" Question number:"), page);
  GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
  GroupBox4->setGeometry(12, 6, 915, 214);
  QFont bold = GroupBox4->font();
  bold.setBold(true);
  GroupBox4->setFont(bold);

  QFont gridFont = plain;
  gridFont.setPointSize(9);
  for (int slot = 1; slot <= mocktest::kSlotCount; ++slot) {
    const int row = (slot - 1) / 10;
    const int column = (slot - 1) % 10;
    auto* button = new controls::RoundButton(GroupBox4);
    button->setObjectName(gridButtonName(slot));
    button->setText(QString::number(slot));
    button->setGeometry(10 + column * 52, 26 + row * 37, 48, 33);
    button->setColor(app::kSkyBlue);
    button->setFont(gridFont);
    button->setStatusCaption(QStringLiteral("*"));
    button->setEnabled(false);
    button->setAccessibleDescription(QStringLiteral("Question %1 of the test").arg(slot));
    connect(button, &QAbstractButton::clicked, this, [this, slot] { selectSlot(slot); });
    gridButtons[slot - 1] = button;
  }

  labelmin = clockLabel(GroupBox4, "labelmin", QStringLiteral("00"), QRect(540, 22, 52, 44));
  dwukropeklabel =
      clockLabel(GroupBox4, "dwukropeklabel", QStringLiteral(":"), QRect(592, 22, 16, 44));
  labelsec = clockLabel(GroupBox4, "labelsec", QStringLiteral("00"), QRect(608, 22, 52, 44));
  labelmin->setAccessibleName(QStringLiteral("Minutes left"));
  labelsec->setAccessibleName(QStringLiteral("Seconds left"));
  for (QLabel* label : {labelmin, dwukropeklabel, labelsec})
    label->hide();

  PrevTestButton = app::roundButton(GroupBox4, QStringLiteral("PrevTestButton"),
                                    QStringLiteral("◀"), QRect(540, 74, 58, 36));
  NextTestButton = app::roundButton(GroupBox4, QStringLiteral("NextTestButton"),
                                    QStringLiteral("▶"), QRect(604, 74, 58, 36));
  PrevTestButton->setAccessibleName(QStringLiteral("Previous question"));
  NextTestButton->setAccessibleName(QStringLiteral("Next question"));
  PrevTestButton->setEnabled(false);
  NextTestButton->setEnabled(false);
  connect(PrevTestButton, &QAbstractButton::clicked, this, &TForm1::PrevTestButtonClick);
  connect(NextTestButton, &QAbstractButton::clicked, this, &TForm1::NextTestButtonClick);

  Panel4 = new QWidget(GroupBox4);
  Panel4->setObjectName(QStringLiteral("Panel4"));
  Panel4->setGeometry(540, 118, 128, 26);
  Panel4->setToolTip(QString::fromUtf8("Wynik ostatnich 5 testów w danej kategorii."));
  Panel4->setAccessibleName(QStringLiteral("Results of the last five tests"));
  const char* starHints[] = {"Wynik ostatniego testu.", "Wynik przedostatniego testu.",
                             "Wynik trzeciego testu wstecz.", "Wynik czwartego testu wstecz.",
                             "Wynik piątego testu wstecz."};
  for (int i = 0; i < 5; ++i) {
    auto* star = new QLabel(Panel4);
    star->setObjectName(QStringLiteral("starimage%1").arg(i + 1));
    star->setGeometry(3 + i * 25, 2, 22, 22);
    star->setScaledContents(true);
    star->setToolTip(QString::fromUtf8(starHints[i]));
    // Until a result is known the place shows an empty star.
    star->setPixmap(QPixmap(programFolder() + QStringLiteral("/data/stars/star_empty.png")));
    star->setAccessibleName(QStringLiteral("No result"));
    starimages[i] = star;
  }

  QFont buttonFont = plain;
  buttonFont.setPointSize(10);
  nowytest = app::roundButton(GroupBox4, QStringLiteral("nowytest"), QStringLiteral("Take a test"),
                              QRect(694, 22, 210, 44));
  nowytest->setStatusCaption(QStringLiteral("Test w toku... "));
  koniec = app::roundButton(GroupBox4, QStringLiteral("koniec"), QStringLiteral("Finish"),
                            QRect(694, 72, 210, 38));
  koniec->setEnabled(false);
  AdvSmoothButton80 = app::roundButton(GroupBox4, QStringLiteral("AdvSmoothButton80"),
                                       QStringLiteral("test rules..."), QRect(694, 116, 210, 30));
  for (controls::RoundButton* button : {nowytest, koniec, AdvSmoothButton80})
    button->setFont(buttonFont);
  connect(nowytest, &QAbstractButton::clicked, this, &TForm1::nowytestClick);
  connect(koniec, &QAbstractButton::clicked, this, &TForm1::koniecClick);
  connect(AdvSmoothButton80, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton80Click);

  raportpanel = new QWidget(GroupBox4);
  raportpanel->setObjectName(QStringLiteral("raportpanel"));
  raportpanel->setGeometry(540, 154, 364, 48);
  AdvSmoothButton76 = app::roundButton(raportpanel, QStringLiteral("AdvSmoothButton76"),
                                       QStringLiteral("Report"), QRect(0, 4, 116, 40));
  AdvSmoothButton23 = app::roundButton(raportpanel, QStringLiteral("AdvSmoothButton23"),
                                       QStringLiteral("Save"), QRect(124, 4, 116, 40));
  AdvSmoothButton83 = app::roundButton(raportpanel, QStringLiteral("AdvSmoothButton83"),
                                       QStringLiteral("Open"), QRect(248, 4, 116, 40));
  for (controls::RoundButton* button : {AdvSmoothButton76, AdvSmoothButton23, AdvSmoothButton83}) {
    button->setFont(buttonFont);
  }
  AdvSmoothButton76->setEnabled(false);
  AdvSmoothButton23->setEnabled(false);
  connect(AdvSmoothButton76, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton76Click);
  connect(AdvSmoothButton23, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton23Click);
  connect(AdvSmoothButton83, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton83Click);
  raportpanel->hide();

  // The question and its answers.
  panelabctest = new QWidget(page);
  panelabctest->setObjectName(QStringLiteral("panelabctest"));
  panelabctest->setGeometry(12, 228, 606, 414);
  memopytanieabctest = new QPlainTextEdit(panelabctest);
  memopytanieabctest->setObjectName(QStringLiteral("memopytanieabctest"));
  memopytanieabctest->setReadOnly(true);
  memopytanieabctest->setGeometry(0, 0, 606, 78);
  QFont questionFont = plain;
  questionFont.setPointSize(12);
  questionFont.setBold(true);
  memopytanieabctest->setFont(questionFont);
  memopytanieabctest->setAccessibleName(QStringLiteral("Question"));
  const std::tuple<controls::RoundButton**, const char*, QLabel**, const char*> answers[] = {
      {&abuttontest, "abuttontest", &Label29, "Label29"},
      {&bbuttontest, "bbuttontest", &Label30, "Label30"},
      {&cbuttontest, "cbuttontest", &Label31, "Label31"},
      {&dbuttontest, "dbuttontest", &Label32, "Label32"},
      {&ebuttontest, "ebuttontest", &elabeltest, "elabeltest"},
      {&fbuttontest, "fbuttontest", &flabeltest, "flabeltest"},
  };
  QFont answerFont = plain;
  answerFont.setPointSize(10);
  QFont letterFont = plain;
  letterFont.setPointSize(14);
  letterFont.setBold(true);
  for (int i = 0; i < 6; ++i) {
    const auto& [button, buttonName, label, labelName] = answers[i];
    const int x = (i % 2) * 306;
    const int y = 86 + (i / 2) * 80;
    const QString letter(QChar('A' + i));
    *label = new QLabel(letter, panelabctest);
    (*label)->setObjectName(QLatin1String(labelName));
    (*label)->setGeometry(x, y, 24, 74);
    (*label)->setAlignment(Qt::AlignCenter);
    (*label)->setFont(letterFont);
    *button = app::roundButton(panelabctest, QLatin1String(buttonName), QString(),
                               QRect(x + 26, y, 274, 74));
    (*button)->setFont(answerFont);
    (*button)->setStatusCaption(kCorrectBadge);
    (*button)->setAccessibleDescription(QStringLiteral("Answer %1").arg(letter));
    connect(*button, &QAbstractButton::clicked, this, [this, i] { answerTestClick(i); });
  }
  markbuttontest = app::roundButton(panelabctest, QStringLiteral("markbuttontest"),
                                    QStringLiteral("roadquiz"), QRect(26, 330, 274, 30));
  markbuttontest->setColor(QColor(0xE8, 0xF1, 0xFB));
  markbuttontest->setFocusPolicy(Qt::NoFocus);
  markbuttontest->setFont(answerFont);
  showknowledgebutton =
      app::roundButton(panelabctest, QStringLiteral("showknowledgebutton"),
                       QStringLiteral("[+] show knowledge bank"), QRect(332, 330, 274, 30));
  showknowledgebutton->setFont(answerFont);
  connect(showknowledgebutton, &QAbstractButton::clicked, this, &TForm1::showknowledgebuttonClick);
  casememotest = new QPlainTextEdit(panelabctest);
  casememotest->setObjectName(QStringLiteral("casememotest"));
  casememotest->setReadOnly(true);
  casememotest->setGeometry(26, 366, 580, 48);
  casememotest->setFont(plain);
  casememotest->setPlainText(QStringLiteral("Knowledge bank:"));
  casememotest->setAccessibleName(QStringLiteral("Knowledge bank"));
  casememotest->hide();

  ImageTest2 = new controls::PictureBox(page);
  ImageTest2->setObjectName(QStringLiteral("ImageTest2"));
  ImageTest2->setGeometry(628, 228, 300, 232);
  ImageTest2->setAccessibleName(QStringLiteral("Question picture"));

  numertest = new QSpinBox(page);
  numertest->setObjectName(QStringLiteral("numertest"));
  numertest->setRange(0, 99999);
  numertest->hide();
  connect(numertest, qOverload<int>(&QSpinBox::valueChanged), this, &TForm1::numertestChange);

  Timer9 = new QTimer(this);
  Timer9->setObjectName(QStringLiteral("Timer9"));
  Timer9->setSingleShot(true);
  Timer9->setInterval(100);
  connect(Timer9, &QTimer::timeout, this, &TForm1::Timer9Timer);
  zegartimer = new QTimer(this);
  zegartimer->setObjectName(QStringLiteral("zegartimer"));
  zegartimer->setInterval(1000);
  connect(zegartimer, &QTimer::timeout, this, &TForm1::zegartimerTimer);
}

void TForm1::hideGridBadges() {
  for (controls::RoundButton* button : gridButtons)
    button->setStatusVisible(false);
}

void TForm1::resetTestGrid() {
  hideGridBadges();
  for (controls::RoundButton* button : gridButtons)
    button->setColor(app::kSkyBlue);
  raportpanel->hide();
  ImageTest2->load(bank::noQuestionPicturePath(programFolder()));
}

void TForm1::clearTestAnswerButtons() {
  for (int i = 0; i < 6; ++i) {
    controls::RoundButton* button = testAnswerButton(i);
    button->setColor(app::kSkyBlue);
    button->setStatusVisible(false);
    button->setText(QString());
    button->setPicture(QPixmap());
  }
  markbuttontest->setText(QStringLiteral("roadquiz"));
}

void TForm1::nowytestClick() {
  state_.testDrawn = true;  // 1
  raportpanel->hide();
  for (QLabel* label : {labelmin, dwukropeklabel, labelsec})
    label->show();
  for (controls::RoundButton* button : gridButtons)
    button->setEnabled(true);
  NextTestButton->setEnabled(true);
  PrevTestButton->setEnabled(true);
  if (state_.testRunning) {  // 2
    if (!dialogs().askYesNo(texts_.s(1), texts_.s(98)))
      return;
    koniecClick();
    state_.currentTestSlot = 0;
    state_.testPoints = 0;
    state_.storeOnFinish = true;
    hideGridBadges();
    state_.testRunning = false;
    nowytestClick();
    if (!state_.testRunning)
      return;  // the new set-up could not start
    koniec->setEnabled(true);
    NextTestButton->setEnabled(true);
    for (int i = 0; i < 6; ++i) {
      testAnswerButton(i)->setColor(app::kSkyBlue);
      testAnswerButton(i)->setStatusVisible(false);
    }
    ShowHintBar(texts_.s(99) + QLatin1Char(' ') + state_.currentCategory);
    ImageTest2->load(bank::testRunningPicturePath(programFolder()));
    return;
  }
  setUpTest();  // 3
}

void TForm1::setUpTest() {
  // The draw and the bank come first: a test whose questions cannot be read never
  // starts, and nothing of the previous test is touched.
  mocktest::TestSlots drawn{};
  const QVector<int> numbers = mocktest::drawQuestions(state_.currentCategory, *services_.random);
  for (int k = 0; k < mocktest::kSlotCount && k < numbers.size(); ++k) {
    drawn[k].questionNumber = numbers.at(k);
  }
  bank::BankError error;
  if (!mocktest::loadSlotRecords(state_.bankFile(state_.currentCategory), programFolder(),
                                 state_.currentCategory, drawn, &error)) {
    showError(error.message());
    return;
  }
  koniec->setEnabled(true);  // 3.1
  hideGridBadges();
  state_.storeOnFinish = true;
  nowytest->setStatusVisible(true);
  state_.testRunning = true;  // 3.2
  state_.currentTestSlot = 0;
  state_.testPoints = 0;
  for (bool& flag : state_.selectionFlags)
    flag = false;
  ShowHintBar(texts_.s(99) + QLatin1Char(' ') + state_.currentCategory);  // 3.3
  ImageTest2->load(bank::testRunningPicturePath(programFolder()));
  for (controls::RoundButton* button : gridButtons)
    button->setColor(app::kSkyBlue);  // 3.4
  for (int i = 0; i < 6; ++i) {
    testAnswerButton(i)->setColor(app::kSkyBlue);
    testAnswerButton(i)->setStatusVisible(false);
  }
  testSlots_ = drawn;  // 3.5, 3.7
  testClock_.start();  // 3.6
  labelmin->setText(mocktest::TestClock::twoDigits(testClock_.minutes()));
  labelsec->setText(mocktest::TestClock::twoDigits(testClock_.seconds()));
  zegartimer->start();
  state_.currentTestSlot = 1;  // 3.8
  for (int i = 0; i < 6; ++i)
    testAnswerButton(i)->setColor(app::kSkyBlue);
  NextTestButton->show();
  koniec->show();
  if (numertest->value() == testSlots_[0].questionNumber) {  // 3.9
    numertestChange();
  } else {
    numertest->setValue(testSlots_[0].questionNumber);
  }
}

void TForm1::numertestChange() {
  Timer9->start();
  if (state_.testRunning) {
    ImageTest2->load(bank::testRunningPicturePath(programFolder()));
  } else {
    ImageTest2->clear();
  }
}

void TForm1::Timer9Timer() {
  const int number = numertest->value();
  if (number == 0)
    return;
  const bank::CategoryInfo* category = bank::categoryInfo(state_.currentCategory);
  if (!category)
    return;
  for (int i = 0; i < 6; ++i) {  // 1
    testAnswerButton(i)->setPicture(QPixmap());
    testAnswerButton(i)->setText(QString());
  }
  ImageTest2->show();
  bank::QuestionRecord record;  // 2
  bank::BankError error;
  if (!bank::readQuestion(state_.bankFile(state_.currentCategory), number, &record, &error)) {
    Timer9->stop();
    showError(error.message());
    return;
  }
  panelabctest->show();  // 3
  memopytanieabctest->setPlainText(record.question());
  controls::RoundButton* const buttons[6] = {abuttontest, bbuttontest, cbuttontest,
                                             dbuttontest, ebuttontest, fbuttontest};
  app::showAnswers(record, *category, programFolder(), buttons, elabeltest, flabeltest);  // 4, 5
  app::showKnowledge(casememotest, record.note());                                        // 6
  if (!record.correctLetters().isEmpty()) {                                               // 7
    markbuttontest->setText(bank::markHint(record.correctLetters()));
  }
  ImageTest2->load(  // 8
      bank::questionPicturePath(programFolder(), *category, record.pictureFile()));
  Timer9->stop();  // 9
}

void TForm1::answerTestClick(int index) {
  if (state_.testRunning) {
    bool& flag = state_.selectionFlags[index];
    flag = !flag;
    testAnswerButton(index)->setColor(flag ? app::kLightYellow : app::kSkyBlue);
  }
  storeSelection();
}

void TForm1::storeSelection() {
  const int slot = state_.currentTestSlot;
  if (!state_.testRunning || slot < 1 || slot > mocktest::kSlotCount)
    return;
  QString letters;
  for (int i = 0; i < 6; ++i) {
    if (state_.selectionFlags[i])
      letters += QChar('A' + i);
  }
  testSlots_[slot - 1].givenLetters = letters;
  gridButtons[slot - 1]->setColor(letters.isEmpty() ? app::kSkyBlue : app::kLightYellow);
}

void TForm1::selectSlot(int slot) {
  for (int i = 0; i < 6; ++i)
    testAnswerButton(i)->setColor(app::kSkyBlue);      // 1
  state_.currentTestSlot = slot;                       // 2
  showSlotQuestion(slot);                              // 3
  for (controls::RoundButton* button : gridButtons) {  // 4
    button->setStatusVisible(false);
    button->setStatusCaption(QStringLiteral("*"));
  }
  gridButtons[slot - 1]->setStatusVisible(true);
  if (!state_.testRunning && testSlots_[0].questionNumber > 0) {  // 5
    gridButtons[slot - 1]->setStatusCaption(QString::number(testSlots_[slot - 1].questionNumber));
    gridButtons[slot - 1]->setStatusVisible(true);
    showReviewMarks(slot);
  }
}

void TForm1::showSlotQuestion(int slot) {
  for (bool& flag : state_.selectionFlags)
    flag = false;
  const int number = testSlots_[slot - 1].questionNumber;
  const bool changes = numertest->value() != number;
  numertest->setValue(number);
  if (!changes)
    numertestChange();  // the question is shown again all the same
  if (state_.testRunning) {
    for (int i = 0; i < 6; ++i)
      testAnswerButton(i)->setStatusVisible(false);
    restoreSelection(slot);
  } else {
    hideGridBadges();
    ImageTest2->hide();
    ImageTest2->clear();
  }
}

void TForm1::restoreSelection(int slot) {
  const QString given = testSlots_[slot - 1].givenLetters;
  for (int i = 0; i < 6; ++i) {
    if (given.contains(QChar('A' + i))) {
      testAnswerButton(i)->setColor(app::kLightYellow);
      state_.selectionFlags[i] = true;
    }
  }
}

void TForm1::showReviewMarks(int slot) {
  if (state_.revisionRun)
    return;
  const mocktest::TestSlot& data = testSlots_[slot - 1];
  for (int i = 0; i < 6; ++i) {
    controls::RoundButton* button = testAnswerButton(i);
    const QChar letter('A' + i);
    button->setColor(data.givenLetters.contains(letter) ? app::kLightYellow : app::kSkyBlue);
    button->setStatusVisible(data.correctLetters.contains(letter));
  }
}

void TForm1::NextTestButtonClick() {
  const int slot = state_.currentTestSlot;
  if (slot < 1 || slot > 49)
    return;
  selectSlot(slot + 1);
  gridButtons[slot]->setStatusVisible(true);
}

void TForm1::PrevTestButtonClick() {
  const int slot = state_.currentTestSlot;
  if (slot < 2 || slot > 50)
    return;
  selectSlot(slot - 1);
  gridButtons[slot - 2]->setStatusVisible(true);
}

void TForm1::showknowledgebuttonClick() {
  showknowledgebutton->hide();
  casememotest->show();
}

void TForm1::zegartimerTimer() {
  const int minutesBefore = testClock_.minutes();
  const bool timeIsUp = testClock_.tick();
  if (testClock_.minutes() != minutesBefore) {
    labelmin->setText(mocktest::TestClock::twoDigits(testClock_.minutes()));
  }
  labelsec->setText(mocktest::TestClock::twoDigits(testClock_.seconds()));
  if (timeIsUp) {
    zegartimer->stop();
    koniecClick();
    labelmin->setText(QStringLiteral("00"));
    labelsec->setText(QStringLiteral("00"));
  }
}

void TForm1::koniecClick() {
  ImageTest2->show();  // 1
  NextTestButton->setEnabled(false);
  Timer9->stop();
  AdvSmoothButton76->setEnabled(true);
  AdvSmoothButton23->setEnabled(true);
  zegartimer->stop();
  nowytest->setStatusVisible(false);
  state_.testRunning = false;
  state_.learningPage = false;
  raportpanel->show();
  state_.testPoints = 0;
  for (int i = 0; i < 6; ++i)
    testAnswerButton(i)->setText(QString());
  for (int k = 0; k < mocktest::kSlotCount; ++k) {  // 2
    const bool right = mocktest::slotIsRight(testSlots_[k]);
    gridButtons[k]->setColor(right ? app::kLightGreen : app::kLightRed);
    if (right)
      ++state_.testPoints;
  }
  if (state_.collecting && !state_.revisionRun) {
    for (const int number : mocktest::wronglyAnswered(testSlots_))
      addToRevisionList(number);
  }
  storeRevisionList();     // 3
  numertest->setValue(0);  // 4
  memopytanieabctest->clear();
  casememotest->clear();
  for (int i = 0; i < 6; ++i)
    testAnswerButton(i)->setColor(app::kSkyBlue);
  NextTestButton->setEnabled(false);
  koniec->setEnabled(false);
  markbuttontest->setText(QStringLiteral("roadquiz"));
  const int points = state_.testPoints;  // 5
  const bool passed = mocktest::isPassed(points);
  memopytanieabctest->setPlainText(
      i18n::testResultLine(texts_.s(100), texts_.s(102), texts_.s(189), points));
  ShowHintBar(texts_.s(passed ? 103 : 101));
  const QString resultPicture = QDir(programFolder())
                                    .filePath(passed ? QStringLiteral("data/testkoniecok.jpg")
                                                     : QStringLiteral("data/testkonieczle.jpg"));
  if (QFileInfo(resultPicture).isFile())
    ImageTest2->load(resultPicture);
  stats::StatisticsFile(userIni_, state_.currentCategory).recordTestFinish(points);
  refreshStars(state_.currentCategory);
  state_.currentTestSlot = 0;  // 6
  for (QLabel* label : {labelsec, dwukropeklabel, labelmin})
    label->hide();
  if (state_.storeOnFinish)
    writeArchiveEntry();  // 7
}

void TForm1::writeArchiveEntry() {
  const QString path = platform::archiveFolder(state_.currentCategory) +
                       mocktest::archiveFileName(services_.clock->now());
  if (!mocktest::writeSavedTest(path, state_.currentCategory, state_.testPoints,
                                state_.currentLanguage, testSlots_)) {
    showError(QStringLiteral("The finished test could not be stored in the archive (%1).")
                  .arg(QDir::toNativeSeparators(path)));
  }
}

void TForm1::AdvSmoothButton23Click() {
  QString path = dialogs().saveFileName(
      QStringLiteral("Save test file."),
      QStringLiteral("Test-") + mocktest::fileNameTimeStamp(services_.clock->now()),
      QStringLiteral("Roadquiz file (*.rqt)"));
  if (path.isEmpty())
    return;
  // The proposed name holds dots from the time, so only a real .rqt counts as one.
  if (!path.endsWith(QLatin1String(".rqt"), Qt::CaseInsensitive))
    path += QStringLiteral(".rqt");
  if (!mocktest::writeSavedTest(path, state_.currentCategory, state_.testPoints,
                                state_.currentLanguage, testSlots_)) {
    showError(
        QStringLiteral("The test could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
    return;
  }
  ShowHintBar(texts_.s(135) + QLatin1Char(' ') + path);
}

bool TForm1::checkSavedTest(const QString& path, mocktest::SavedTest* saved) {
  // The whole file and the bank records it needs are checked before anything changes.
  QString problem;
  if (!mocktest::readSavedTest(path, saved, &problem)) {
    showError(problem);
    return false;
  }
  bank::BankError error;
  if (!mocktest::loadSlotRecords(state_.bankFile(saved->category), programFolder(), saved->category,
                                 saved->testSlots, &error)) {
    showError(error.message());
    return false;
  }
  return true;
}

bool TForm1::readSavedTest(const QString& path) {
  mocktest::SavedTest saved;
  if (!checkSavedTest(path, &saved))
    return false;
  switchLanguage(state_.currentLanguage);  // 1
  if (!state_.testDrawn)
    nowytestClick();                        // 2
  state_.currentCategory = saved.category;  // 3
  state_.currentLanguage = saved.language;
  state_.testPoints = saved.points;
  testSlots_ = saved.testSlots;  // 3, 5
  state_.storeOnFinish = false;  // 4
  return true;
}

void TForm1::AdvSmoothButton83Click() {
  const QString path = dialogs().openFileName(QStringLiteral("Open test file."), QString(),
                                              QStringLiteral("Roadquiz files (*.rqt)"));
  if (path.isEmpty())
    return;
  if (!readSavedTest(path))
    return;
  hideGridBadges();
  koniecClick();
  ShowHintBar(texts_.s(134) + QLatin1Char(' ') + path);
  selectSlot(1);
}

void TForm1::openSavedTestAtStartup(const QString& path) {
  // Checked before the category or any page changes: a bad file leaves the start page.
  mocktest::SavedTest saved;
  if (!checkSavedTest(path, &saved))
    return;
  state_.currentCategory = saved.category;
  const std::pair<const char*, controls::RoundButton*> buttons[] = {{"B", AdvSmoothButton25},
                                                                    {"A", AdvSmoothButton24},
                                                                    {"C", AdvSmoothButton26},
                                                                    {"D", AdvSmoothButton27}};
  for (const auto& [code, button] : buttons) {
    if (saved.category == QLatin1String(code))
      button->click();
  }
  AdvSmoothButton31->click();
  AdvSmoothButton37->click();
  if (!readSavedTest(path))
    return;
  koniecClick();
  Timer16->start();
  ShowHintBar(texts_.s(134) + QStringLiteral(": ") + QFileInfo(path).fileName() +
              QStringLiteral(", ") + texts_.s(11) + QLatin1Char(' ') + saved.category);
}
