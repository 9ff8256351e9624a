// Learning mode: entering a category, showing and stepping through its questions,
// marking and checking answers.
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>

#include "app/auxwindows.h"
#include "app/tform1.h"
#include "app/uikit.h"
#include "bank/bankfile.h"
#include "controls/onoffslider.h"
#include "controls/picturebox.h"
#include "controls/rotarymenu.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "learning/answercheck.h"
#include "learning/revisionlist.h"
#include "platform/random.h"
#include "stats/statsfile.h"

namespace {

const QString kCorrectBadge = QStringLiteral("     Correct");

QLabel* letterLabel(QWidget* parent, const char* name, const QString& letter) {
  auto* label = new QLabel(letter, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(14);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x1F, 0x3A, 0x68));
  label->setPalette(palette);
  return label;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, const QRect& place) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QLatin1String(name));
  box->setGeometry(place);
  QFont font = box->font();
  font.setBold(true);
  box->setFont(font);
  return box;
}

controls::RoundButton* hiddenButton(QWidget* parent, const char* name) {
  controls::RoundButton* button = app::roundButton(parent, QLatin1String(name));
  button->hide();
  return button;
}

}  // namespace

controls::RoundButton* TForm1::answerButton(int index) const {
  controls::RoundButton* const buttons[] = {abutton, bbutton, cbutton, dbutton, ebutton, fbutton};
  return index >= 0 && index < 6 ? buttons[index] : nullptr;
}

void TForm1::buildLearningPage() {
  QWidget* page = TabSheet2;

  Label1 = new QLabel(QStringLiteral("..."), page);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 6, 400, 24);
  QFont categoryFont = Label1->font();
  categoryFont.setPointSize(12);
  categoryFont.setBold(true);
  Label1->setFont(categoryFont);

  // The question and its answers.
  panelabc = new QWidget(page);
  panelabc->setObjectName(QStringLiteral("panelabc"));
  panelabc->setGeometry(12, 32, 606, 372);
  Memo3 = new QPlainTextEdit(panelabc);
  Memo3->setObjectName(QStringLiteral("Memo3"));
  Memo3->setReadOnly(true);
  Memo3->setGeometry(0, 0, 606, 92);
  QFont questionFont = Memo3->font();
  questionFont.setPointSize(12);
  questionFont.setBold(true);
  Memo3->setFont(questionFont);
  Memo3->setAccessibleName(QStringLiteral("Question"));

  const std::tuple<controls::RoundButton**, const char*, QLabel**, const char*> answers[] = {
      {&abutton, "abutton", &Label23, "Label23"}, {&bbutton, "bbutton", &Label24, "Label24"},
      {&cbutton, "cbutton", &Label25, "Label25"}, {&dbutton, "dbutton", &Label26, "Label26"},
      {&ebutton, "ebutton", &elabel, "elabel"},   {&fbutton, "fbutton", &flabel, "flabel"},
  };
  QFont answerFont = font();
  answerFont.setPointSize(10);
  for (int i = 0; i < 6; ++i) {
    const auto& [button, buttonName, label, labelName] = answers[i];
    const int column = i % 2;
    const int row = i / 2;
    const int x = column * 306;
    const int y = 100 + row * 92;
    const QString letter(QChar('A' + i));
    *label = letterLabel(panelabc, labelName, letter);
    (*label)->setGeometry(x, y, 24, 84);
    *button =
        app::roundButton(panelabc, QLatin1String(buttonName), QString(), QRect(x + 26, y, 274, 84));
    (*button)->setFont(answerFont);
    (*button)->setStatusCaption(kCorrectBadge);
    (*button)->setAccessibleDescription(QStringLiteral("Answer %1").arg(letter));
    connect(*button, &QAbstractButton::clicked, this, [this, i] { markAnswer(i); });
  }

  // Picture, how many answers to mark, and the knowledge bank.
  ImageTest = new controls::PictureBox(page);
  ImageTest->setObjectName(QStringLiteral("ImageTest"));
  ImageTest->setGeometry(628, 32, 300, 206);
  ImageTest->setAccessibleName(QStringLiteral("Question picture"));
  markbutton = new controls::RoundButton(page);
  markbutton->setObjectName(QStringLiteral("markbutton"));
  markbutton->setGeometry(628, 244, 300, 30);
  markbutton->setColor(QColor(0xE8, 0xF1, 0xFB));
  markbutton->setFocusPolicy(Qt::NoFocus);
  GroupBox5 = groupBox(page, "GroupBox5", QString(), QRect(628, 278, 300, 126));
  casememonauka = new QPlainTextEdit(GroupBox5);
  casememonauka->setObjectName(QStringLiteral("casememonauka"));
  casememonauka->setReadOnly(true);
  casememonauka->setGeometry(6, 8, 288, 112);
  casememonauka->setAccessibleName(QStringLiteral("Knowledge bank"));
  QFont plain = font();
  plain.setBold(false);  // set explicitly, or the bold of the frame would be inherited
  casememonauka->setFont(plain);

  // Moving through the questions.
  GroupBox1 =
      groupBox(page, "GroupBox1", QStringLiteral(" Question number: "), QRect(12, 412, 404, 228));
  AdvSmoothRotaryMenu1 = new controls::RotaryMenu(GroupBox1);
  AdvSmoothRotaryMenu1->setObjectName(QStringLiteral("AdvSmoothRotaryMenu1"));
  AdvSmoothRotaryMenu1->setGeometry(8, 24, 196, 196);
  AdvSmoothRotaryMenu1->setStopAngle(245.0);
  AdvSmoothRotaryMenu1->setAccessibleName(QStringLiteral("Question menu"));
  const char* rotaryCaptions[] = {"Dalej", "Eksportuj", "Sprawdź", "Wstecz"};
  for (int item = 0; item < 4; ++item) {
    AdvSmoothRotaryMenu1->setItemCaption(item, QString::fromUtf8(rotaryCaptions[item]));
  }
  connect(AdvSmoothRotaryMenu1, &controls::RotaryMenu::itemClicked, this,
          &TForm1::AdvSmoothRotaryMenu1ItemClick);

  AdvSmoothRotaryMenu1->setFont(plain);
  numeredit = new QLineEdit(GroupBox1);
  numeredit->setObjectName(QStringLiteral("numeredit"));
  numeredit->setGeometry(220, 40, 90, 32);
  numeredit->setMaxLength(4);
  numeredit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), numeredit));
  numeredit->setAlignment(Qt::AlignCenter);
  QFont numberFont = numeredit->font();
  numberFont.setPointSize(13);
  numberFont.setBold(true);
  numeredit->setFont(numberFont);
  numeredit->setAccessibleName(QStringLiteral("Question number"));
  numeredit->installEventFilter(this);
  connect(numeredit, &QLineEdit::returnPressed, this, &TForm1::numereditEnter);

  Label2 = new controls::LinkLabel(QStringLiteral("random"), GroupBox1);
  Label2->setFont(plain);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(318, 40, 80, 32);
  connect(Label2, &controls::LinkLabel::clicked, this, &TForm1::Label2Click);

  AdvSmoothProgressBar1 = new QProgressBar(GroupBox1);
  AdvSmoothProgressBar1->setObjectName(QStringLiteral("AdvSmoothProgressBar1"));
  AdvSmoothProgressBar1->setGeometry(220, 86, 176, 22);
  AdvSmoothProgressBar1->setRange(0, 100);
  AdvSmoothProgressBar1->setValue(0);
  AdvSmoothProgressBar1->setAccessibleName(QStringLiteral("Progress through the category"));

  arrowhintbutton = new controls::RoundButton(GroupBox1);
  arrowhintbutton->setObjectName(QStringLiteral("arrowhintbutton"));
  arrowhintbutton->setGeometry(220, 124, 176, 34);
  arrowhintbutton->setFont(plain);
  arrowhintbutton->setText(QStringLiteral("⌨  ← →"));
  arrowhintbutton->setHint(QStringLiteral("Keyboard shortcuts"));
  arrowhintbutton->setAccessibleName(QStringLiteral("Keyboard shortcuts"));
  connect(arrowhintbutton, &QAbstractButton::clicked, this, &TForm1::showShortcutHint);

  AdvSmoothButton29 = hiddenButton(GroupBox1, "AdvSmoothButton29");
  AdvSmoothButton30 = hiddenButton(GroupBox1, "AdvSmoothButton30");
  sprawdzbutton = hiddenButton(GroupBox1, "sprawdzbutton");
  connect(AdvSmoothButton29, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton29Click);
  connect(AdvSmoothButton30, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton30Click);
  connect(sprawdzbutton, &QAbstractButton::clicked, this, &TForm1::sprawdzbuttonClick);

  numer = new QSpinBox(GroupBox1);
  numer->setObjectName(QStringLiteral("numer"));
  numer->setRange(0, 0);
  numer->hide();
  connect(numer, qOverload<int>(&QSpinBox::valueChanged), this, [this] { showQuestion(); });

  Timer5 = new QTimer(this);
  Timer5->setObjectName(QStringLiteral("Timer5"));
  Timer5->setSingleShot(true);
  Timer5->setInterval(100);
  connect(Timer5, &QTimer::timeout, this, [this] {
    AdvSmoothButton30->setEnabled(true);
    AdvSmoothButton29->setEnabled(true);
  });

  buildRevisionPanel();

  const std::pair<controls::RoundButton*, const char*> categories[] = {{AdvSmoothButton24, "A"},
                                                                       {AdvSmoothButton25, "B"},
                                                                       {AdvSmoothButton26, "C"},
                                                                       {AdvSmoothButton27, "D"}};
  for (const auto& [button, code] : categories) {
    const QString categoryCode = QLatin1String(code);
    connect(button, &QAbstractButton::clicked, this,
            [this, categoryCode] { enterCategory(categoryCode); });
  }
  ImageTest->load(bank::noQuestionPicturePath(programFolder()));
}

void TForm1::AdvSmoothButton24Click() {
  enterCategory(QStringLiteral("A"));
}
void TForm1::AdvSmoothButton25Click() {
  enterCategory(QStringLiteral("B"));
}
void TForm1::AdvSmoothButton26Click() {
  enterCategory(QStringLiteral("C"));
}
void TForm1::AdvSmoothButton27Click() {
  enterCategory(QStringLiteral("D"));
}

void TForm1::setQuestionNumber(int number) {
  state_.currentQuestionNumber = number;
  numeredit->setText(QString::number(number));
}

void TForm1::enterCategory(const QString& code) {
  storeRevisionList();                        // 1
  state_.currentCategory = code;              // 2
  PageControl1->setCurrentWidget(TabSheet2);  // 3
  AdvSmoothRotaryMenu1->setStopAngle(245.0);
  state_.learningPage = true;
  setDockIndicator(1);
  showLeftPanel();                                                    // 4
  QCursor::setPos(mapToGlobal(mainpanel->pos() + QPoint(100, 105)));  // 5
  const int count = state_.questionCount(code);                       // 6
  numer->blockSignals(true);
  numer->setMaximum(count);
  numer->blockSignals(false);
  ShowHintBar(texts_.s(11) + QLatin1Char(' ') + code);                 // 7
  resetTestGrid();                                                     // 8
  setWindowTitle(texts_.s(1) + QStringLiteral(" - ") + texts_.s(11) +  // 9
                 QLatin1Char(' ') + code);
  loadRevisionList(code);  // 10
  static const QHash<QString, QString> pictures = {
      // 11
      {QStringLiteral("A"), QStringLiteral("data/motor.png")},
      {QStringLiteral("B"), QStringLiteral("data/car.png")},
      {QStringLiteral("C"), QStringLiteral("data/truck.png")},
      {QStringLiteral("D"), QStringLiteral("data/bus.png")}};
  const QPixmap picture(QDir(programFolder()).filePath(pictures.value(code)));
  if (!picture.isNull()) {
    categoryimage->setPixmap(picture);
    categoryimage->setAccessibleName(texts_.s(11) + QLatin1Char(' ') + code);
    categoryimage->show();
    categoryimage->raise();
  }
  stats::StatisticsFile statistics(userIni_, code);  // 12
  const int remembered = qBound(0, statistics.rememberedQuestion(), count);
  setQuestionNumber(remembered);
  Memo3->clear();  // 13
  for (int i = 0; i < 6; ++i) {
    answerButton(i)->setText(QString());
    answerButton(i)->setColor(app::kSkyBlue);
  }
  state_.mayAdd = false;
  Label1->setText(texts_.s(11) + QLatin1Char(' ') + code);  // 14
  Label1->show();
  ImageTest->show();
  numer->blockSignals(true);  // 15
  numer->setValue(remembered);
  numer->blockSignals(false);
  showQuestion();
  refreshStars(code);        // 16
  clearTestAnswerButtons();  // 17
}

void TForm1::AdvSmoothButton31Click() {
  if (state_.testRunning) {
    if (!dialogs().askYesNo(texts_.s(1), texts_.s(96)))
      return;
    koniecClick();  // the button itself is disabled whenever no test runs
    nowytest->setStatusVisible(false);
  }
  ResetLeftPanelColours();
  AdvSmoothButton31->setColor(app::kLightYellow);
  state_.learningPage = false;  // the dock's Learning item sets it again
  PageControl1->setCurrentWidget(TabSheet2);
  // Whichever way the user comes here, the list on screen is the stored one.
  if (!revisionListLoaded_ || revisionListCategory_ != state_.currentCategory) {
    loadRevisionList(state_.currentCategory);
  }
  const int count = state_.questionCount(state_.currentCategory);
  numer->blockSignals(true);
  numer->setMaximum(count);
  numer->blockSignals(false);
  stats::StatisticsFile statistics(userIni_, state_.currentCategory);
  const int remembered = qBound(0, statistics.rememberedQuestion(), count);
  setQuestionNumber(remembered);
  if (numer->value() == remembered) {
    showQuestion();
  } else {
    numer->setValue(remembered);
  }
}

void TForm1::showQuestion() {
  const QString code = state_.currentCategory;
  const bank::CategoryInfo* category = bank::categoryInfo(code);
  const int number = numer->value();
  state_.currentQuestionNumber = number;
  for (bool& mark : state_.answerMarks)
    mark = false;                // 1
  for (int i = 0; i < 6; ++i) {  // 2
    controls::RoundButton* button = answerButton(i);
    button->setPicture(QPixmap());
    button->setText(QString());
    button->setColor(app::kSkyBlue);
    button->setStatusVisible(false);
  }
  sprawdzbutton->setEnabled(true);  // 3
  state_.mayAdd = true;
  if (!state_.revisionRun)
    stats::StatisticsFile(userIni_, code).rememberQuestion(number);  // 4
  if (number == 0 || !category) {                                    // 5
    ImageTest->show();
    ImageTest->load(bank::noQuestionPicturePath(programFolder()));
    shownPicturePath_ = bank::noQuestionPicturePath(programFolder());
    return;
  }
  const int count = category->questionCount;  // 6
  AdvSmoothProgressBar1->setValue(qRound(number * 100.0 / count));
  GroupBox1->setTitle(
      QStringLiteral(" %1 %2 %3 %4")
          .arg(texts_.s(188), QString::number(number), texts_.s(189), QString::number(count)));
  bank::QuestionRecord record;
  bank::BankError error;
  if (!bank::readQuestion(state_.bankFile(code), number, &record, &error)) {
    Memo3->clear();
    casememonauka->clear();
    showError(error.message());
    return;
  }
  panelabc->show();
  Memo3->setPlainText(record.question());
  controls::RoundButton* const buttons[6] = {abutton, bbutton, cbutton, dbutton, ebutton, fbutton};
  app::showAnswers(record, *category, programFolder(), buttons, elabel, flabel);
  app::showKnowledge(casememonauka, record.note());
  correctLetters_ = record.correctLetters();
  if (!correctLetters_.isEmpty())
    markbutton->setText(bank::markHint(correctLetters_));
  const QString picture =
      bank::questionPicturePath(programFolder(), *category, record.pictureFile());
  ImageTest->show();
  ImageTest->load(picture);
  ImageTest->setAccessibleDescription(record.pictureFile().isEmpty() ? QString()
                                                                     : record.question());
  shownPicturePath_ = picture;
}

void TForm1::AdvSmoothButton30Click() {
  AdvSmoothButton30->setEnabled(false);
  Timer5->start();
  if (!hintbutton->isHidden())
    slideHintBar(false);
  if (numer->value() < state_.questionCount(state_.currentCategory)) {
    const int next = state_.currentQuestionNumber + 1;
    setQuestionNumber(next);
    numer->setValue(next);
  }
}

void TForm1::AdvSmoothButton29Click() {
  AdvSmoothButton29->setEnabled(false);
  Timer5->start();
  if (!hintbutton->isHidden())
    slideHintBar(false);
  if (numer->value() > 1) {
    const int previous = state_.currentQuestionNumber - 1;
    setQuestionNumber(previous);
    numer->setValue(previous);
  }
}

void TForm1::Label2Click() {
  const int count = state_.questionCount(state_.currentCategory);
  if (count < 1)
    return;
  const int number = services_.random->between(1, count);
  setQuestionNumber(number);
  numer->setValue(number);
}

void TForm1::numereditEnter() {
  const int count = state_.questionCount(state_.currentCategory);
  const int target = learning::numberEntryTarget(numeredit->text(), count);
  if (target == 0)
    return;
  numeredit->setText(QString::number(target));
  numer->setValue(target);
  state_.currentQuestionNumber = numer->value();
  state_.mayAdd = true;
}

void TForm1::stepQuestion(int delta) {
  if (delta < 0 && AdvSmoothButton29->isEnabled())
    AdvSmoothButton29->click();
  if (delta > 0 && AdvSmoothButton30->isEnabled())
    AdvSmoothButton30->click();
}

void TForm1::AdvSmoothRotaryMenu1ItemClick(int index) {
  switch (index) {
    case 0:
      if (AdvSmoothButton30->isEnabled())
        AdvSmoothButton30->click();
      break;
    case 1:
      if (sprawdzbutton->isEnabled()) {
        exportLearningQuestion();
        ShowHintBar(texts_.s(128));
      }
      break;
    case 2:
      if (sprawdzbutton->isEnabled())
        sprawdzbutton->click();
      break;
    case 3:
      if (AdvSmoothButton29->isEnabled())
        AdvSmoothButton29->click();
      break;
    default:
      break;
  }
}

void TForm1::markAnswer(int index) {
  bool& mark = state_.answerMarks[index];
  mark = !mark;
  answerButton(index)->setColor(mark ? app::kLightYellow : app::kSkyBlue);
}

void TForm1::sprawdzbuttonClick() {
  const QString marked = learning::markedLetters(state_.answerMarks);  // 1
  const learning::CheckResult result = learning::checkAnswer(marked, correctLetters_);
  if (result == learning::CheckResult::WrongCount) {  // 2
    ShowHintBar(learning::markCountHint(correctLetters_));
    return;
  }
  for (int i = 0; i < 6; ++i) {  // 3
    if (correctLetters_.contains(QChar('A' + i)))
      answerButton(i)->setStatusVisible(true);
  }
  stats::StatisticsFile statistics(userIni_, state_.currentCategory);
  const int number = state_.currentQuestionNumber;
  if (result == learning::CheckResult::Correct) {  // 4
    statistics.increment(QStringLiteral("nauka"), QStringLiteral("poprawne"));
    ShowHintBar(QStringLiteral("Correct answer!"));
    if (state_.revisionRun)
      msgform->showResult(true);
    const int selected = dopowtorkilistbox1->selectedIndex();
    const int count = state_.questionCount(state_.currentCategory);
    if (selected >= 0 &&
        learning::questionNumberOf(dopowtorkilistbox1->item(selected).caption, count) == number) {
      dopowtorkilistbox1->removeItem(selected);
      dopowtorkilistbox1->setSelectedIndex(-1);
      state_.mayAdd = false;
      if (state_.revisionRun) {
        if (dopowtorkilistbox1->count() > 0) {
          const int first = qMax(0, dopowtorkilistbox1->itemAt(QPoint(8, 8)));
          dopowtorkilistbox1->setSelectedIndex(first);
          Timer7->start();
        } else {
          endRevisionRun(true);
        }
      }
    }
    return;
  }
  statistics.increment(QStringLiteral("nauka"), QStringLiteral("niepoprawne"));  // 5
  ShowHintBar(QStringLiteral("Wrong answer!"));
  if (state_.revisionRun)
    msgform->showResult(false);
  if (state_.mayAdd && state_.collecting && !state_.revisionRun) {
    addToRevisionList(number);
    state_.mayAdd = false;
    plusimg->show();
    Timer18->start();
  }
  if (state_.revisionRun && dopowtorkilistbox1->count() == 0) {
    dialogs().information(texts_.s(1), texts_.s(155) + QLatin1Char('\r') + texts_.s(156));
  }
}

bool TForm1::eventFilterLearning(QObject* watched, QEvent* event) {
  // A click into the number field selects its whole text, ready to be typed over.
  if (watched == numeredit && event->type() == QEvent::MouseButtonRelease) {
    QTimer::singleShot(0, numeredit, &QLineEdit::selectAll);
  }
  return false;
}
