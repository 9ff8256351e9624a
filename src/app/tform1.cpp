#include "app/tform1.h"

#include "app/uikit.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <cmath>

#include "app/auxwindows.h"
#include "bank/categories.h"
#include "controls/roundbutton.h"
#include "platform/userfolder.h"

namespace {

// Halves round to the nearest even number, like the layout arithmetic the window's
// placement rules were written for.
int roundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

TForm1::TForm1(const app::Services& services, QWidget* parent)
    : QWidget(parent), services_(services), userIni_(*services.dialogs) {
  setObjectName(QStringLiteral("Form1"));
  buildMainWindow();
  buildStartPage();
  buildLeftPanel();
  buildHintBar();
  buildTestPage();
  buildLearningPage();
  buildArchivePage();
  buildStatisticsPage();
  buildReferencePages();
  buildUpdatePage();
  buildReportPage();
  const auto language = [this] { return state_.currentLanguage; };
  Form2 = new TForm2(programFolder(), this);
  aboutform = new Taboutform(programFolder(), this);
  helpform = new Thelpform(language, this);
  msgform = new Tmsgform(programFolder(), this);
  arrowform = new Tarrowform(programFolder(), language, this);
}

TForm1::~TForm1() = default;

QString TForm1::programFolder() const {
  return QDir::currentPath();
}

QString TForm1::ReadUserIni(const QString& fileName, const QString& section, const QString& key,
                            const QString& defaultValue) const {
  return userIni_.ReadUserIni(fileName, section, key, defaultValue);
}

bool TForm1::WriteUserIni(const QString& fileName, const QString& section, const QString& key,
                          const QString& value) {
  return userIni_.WriteUserIni(fileName, section, key, value);
}

void TForm1::showError(const QString& text) {
  dialogs().error(texts_.s(1).isEmpty() ? QStringLiteral("Roadquiz 2015") : texts_.s(1), text);
}

void TForm1::buildMainWindow() {
  // Borderless: the window draws its own minimise and close buttons.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Roadquiz 2015"));
  resize(1215, 713);
  QFont formFont = font();
  formFont.setFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif")});
  formFont.setPointSize(9);
  setFont(formFont);

  mainbackgroundimg = new QLabel(this);
  mainbackgroundimg->setObjectName(QStringLiteral("mainbackgroundimg"));
  mainbackgroundimg->setScaledContents(true);
  mainbackgroundimg->setPixmap(
      QPixmap(programFolder() + QStringLiteral("/data/mainbackground.jpg")));
  mainbackgroundimg->setAccessibleName(QStringLiteral("Background"));

  mainpanel = new QWidget(this);
  mainpanel->setObjectName(QStringLiteral("mainpanel"));
  mainpanel->setFixedSize(1089, 650);
  mainpanel->setAutoFillBackground(true);
  QPalette panelPalette = mainpanel->palette();
  panelPalette.setColor(QPalette::Window, QColor(0xF4, 0xF8, 0xFD));
  mainpanel->setPalette(panelPalette);

  auto* panelLayout = new QHBoxLayout(mainpanel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->setSpacing(0);

  leftpanel = new QWidget(mainpanel);
  leftpanel->setObjectName(QStringLiteral("leftpanel"));
  leftpanel->setFixedWidth(150);
  leftpanel->hide();
  panelLayout->addWidget(leftpanel);

  PageControl1 = new QStackedWidget(mainpanel);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  panelLayout->addWidget(PageControl1, 1);

  const std::pair<QWidget**, const char*> sheets[] = {
      {&TabSheet1, "TabSheet1"},   {&TabSheet2, "TabSheet2"},   {&TabSheet3, "TabSheet3"},
      {&TabSheet4, "TabSheet4"},   {&TabSheet5, "TabSheet5"},   {&TabSheet6, "TabSheet6"},
      {&TabSheet7, "TabSheet7"},   {&TabSheet8, "TabSheet8"},   {&TabSheet10, "TabSheet10"},
      {&TabSheet11, "TabSheet11"}, {&TabSheet12, "TabSheet12"}, {&TabSheet13, "TabSheet13"},
      {&TabSheet14, "TabSheet14"}, {&TabSheet17, "TabSheet17"}, {&TabSheet18, "TabSheet18"},
      {&TabSheet19, "TabSheet19"},
  };
  for (const auto& [member, name] : sheets) {
    *member = new QWidget(PageControl1);
    (*member)->setObjectName(QLatin1String(name));
    PageControl1->addWidget(*member);
  }

  auto smallButton = [this](const char* name, const QString& symbol, const QString& hint) {
    auto* button = new controls::RoundButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(symbol);
    button->setHint(hint);
    button->setAccessibleName(hint);
    button->setFixedSize(18, 16);
    QFont small = button->font();
    small.setPointSize(7);
    small.setBold(true);
    button->setFont(small);
    return button;
  };
  toastagainbutton =
      smallButton("toastagainbutton", QStringLiteral("i"), QStringLiteral("shows last message"));
  minimizebutton = smallButton("minimizebutton", QStringLiteral("_"), QStringLiteral("Minimise"));
  closebutton = smallButton("closebutton", QStringLiteral("x"), QStringLiteral("Close"));
  connect(minimizebutton, &QAbstractButton::clicked, this, &TForm1::minimizebuttonClick);
  connect(closebutton, &QAbstractButton::clicked, this, &TForm1::closebuttonClick);

  hintbutton = new controls::RoundButton(this);
  hintbutton->setObjectName(QStringLiteral("hintbutton"));
  hintbutton->setColor(Qt::black);
  hintbutton->resize(930, 27);
  hintbutton->setFocusPolicy(Qt::NoFocus);
  QPalette hintPalette = hintbutton->palette();
  hintPalette.setColor(QPalette::ButtonText, Qt::white);
  hintbutton->setPalette(hintPalette);

  auto languageButton = [this](const char* name, const QString& hint, const QString& badge) {
    auto* button = new controls::RoundButton(this);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(34, 39);
    button->setText(badge);
    button->setHint(hint);
    button->setStatusCaption(badge);
    button->setAccessibleName(hint);
    return button;
  };
  englishbtn = languageButton("englishbtn", QStringLiteral("english"), QStringLiteral("en"));
  deutschbtn = languageButton("deutschbtn", QStringLiteral("deutsch"), QStringLiteral("de"));
  polskibtn = languageButton("polskibtn", QStringLiteral("polski"), QStringLiteral("pl"));
  connect(englishbtn, &QAbstractButton::clicked, this, &TForm1::englishbtnClick);
  connect(polskibtn, &QAbstractButton::clicked, this, &TForm1::polskibtnClick);
  connect(deutschbtn, &QAbstractButton::clicked, this, &TForm1::deutschbtnClick);

  categoryimage = new QLabel(this);
  categoryimage->setObjectName(QStringLiteral("categoryimage"));
  categoryimage->setFixedSize(56, 42);
  categoryimage->setScaledContents(true);
  categoryimage->hide();
}

void TForm1::FormCreate() {
  state_.currentCategory = QStringLiteral("B");   // 1
  state_.currentLanguage = QStringLiteral("en");  // 2
  ApplyLanguageTexts(state_.currentLanguage);
  state_.learningPage = false;  // 3
  state_.updatesAvailable = false;
  hintbutton->hide();            // 4
  state_.reportName.clear();     // 5
  for (int i = 0; i < 6; ++i) {  // 6
    state_.answerMarks[i] = false;
    state_.selectionFlags[i] = false;
  }
  state_.testDrawn = false;  // 7
  state_.storeOnFinish = false;
  Form2->showSplash(services_.splashMilliseconds);  // 8, 9
  state_.lastMessage = texts_.s(1);                 // 10
  prepareUpdateQuery();                             // 11
  // 12: the page control's extended window style has no counterpart here.
  state_.updateListOpened = false;            // 13
  PageControl1->setCurrentWidget(TabSheet1);  // 14
  const auto& table = bank::categoryTable();  // 15
  state_.questionCountA = table.at(0).questionCount;
  state_.questionCountB = table.at(1).questionCount;
  state_.questionCountC = table.at(2).questionCount;
  state_.questionCountD = table.at(3).questionCount;
  state_.currentTestSlot = 0;  // 16
  state_.testRunning = false;
  state_.revisionRun = false;
  const QString stored =
      ReadUserIni(QStringLiteral("settingsuk.ini"),  // 17
                  QStringLiteral("jezyk"), QStringLiteral("lang"), QStringLiteral("en"));
  if (stored == QLatin1String("pl")) {
    polskibtnClick();
  } else if (stored == QLatin1String("de")) {
    deutschbtnClick();
  } else {
    englishbtnClick();
  }
  bank::SelectBankFiles(state_.currentLanguage, programFolder(), state_.bankFiles);
  PageControl1->setEnabled(true);            // 18
  if (!services_.savedTestFile.isEmpty() &&  // 19
      QFileInfo(services_.savedTestFile).isFile()) {
    openSavedTestAtStartup(services_.savedTestFile);
  }
  state_.currentQuestionNumber = 0;  // 20
  state_.mayAdd = true;
  state_.collecting = true;
  state_.testRunning = false;
  AdvSmoothButton31->setColor(app::kLightYellow);  // 21
  startVersionCheck();                             // 22
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TForm1::FormResize() {
  mainbackgroundimg->setGeometry(rect());
  const QRect outer = frameGeometry();
  const int left = roundHalfEven(outer.width() / 2.0 - mainpanel->width() / 2.0);
  const int top = roundHalfEven(outer.height() / 2.0 - mainpanel->height() / 2.0);
  mainpanel->move(left, top);
  toastagainbutton->move(left + 1030, top - 20);
  minimizebutton->move(left + 1050, top - 20);
  closebutton->move(left + 1070, top - 20);
  // A slide under way ends at once: the bar belongs to the panel's new place.
  hintHomeTop_ = top - 25;
  if (hintAnimation_->state() == QAbstractAnimation::Running) {
    const bool slidingOut = hintAnimation_->endValue().toRect().height() == 0;
    hintAnimation_->stop();
    if (slidingOut)
      hintbutton->hide();
  }
  hintbutton->setGeometry(left, hintHomeTop_, hintbutton->width(), 27);
  englishbtn->move(left + 1090, top);
  deutschbtn->move(left + 1090, top + 40);
  polskibtn->move(left + 1090, top + 80);
  categoryimage->move(left + 1030, top + 550);
  categoryimage->raise();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

void TForm1::FormCloseQuery() {
  storeRevisionList();
}

void TForm1::minimizebuttonClick() {
  showMinimized();
}

void TForm1::closebuttonClick() {
  // close() runs FormCloseQuery, which stores the revision list; the program ends when
  // its last window closes.
  close();
}
