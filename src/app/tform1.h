#pragma once

#include <QLabel>
#include <QStackedWidget>
#include <QUrl>
#include <QWidget>

#include <array>

#include "app/globalstate.h"
#include "app/services.h"
#include "archive/archivelogic.h"
#include "i18n/textcatalogue.h"
#include "mocktest/testlogic.h"
#include "platform/userini.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QAction;
class QPlainTextEdit;
class QProgressBar;
class QSpinBox;
class QPropertyAnimation;
class QTimer;

namespace controls {
class LinkLabel;
class OnOffSlider;
class PictureBox;
class RotaryMenu;
class RoundButton;
class SmoothListBox;
class VerticalDock;
}  // namespace controls

class QChartView;
class QWebEngineView;

namespace reports::engine {
class Report;
}
class QPieSeries;

class TForm2;
class Taboutform;
class Thelpform;
class Tmsgform;
class Tarrowform;

// The main window. Every subsystem adds its page and handlers in its own folder; the
// components keep their names as members and as objectName, so tests find them.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(const app::Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  // The creation sequence; main() calls it right after construction.
  void FormCreate();

  app::GlobalState& state() { return state_; }
  const mocktest::TestSlots& testSlots() const { return testSlots_; }
  const i18n::TextCatalogue& texts() const { return texts_; }
  platform::Dialogs& dialogs() { return *services_.dialogs; }

  // Per-user INI access, one value per call.
  QString ReadUserIni(const QString& fileName, const QString& section, const QString& key,
                      const QString& defaultValue) const;
  bool WriteUserIni(const QString& fileName, const QString& section, const QString& key,
                    const QString& value);

  // The program folder: the working directory, where the read-only data lives.
  QString programFolder() const;

  // Shows an error that ended an event, with the program title as caption.
  void showError(const QString& text);

  // Components.
  QLabel* mainbackgroundimg = nullptr;
  QWidget* mainpanel = nullptr;
  QWidget* leftpanel = nullptr;
  QStackedWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;
  QWidget* TabSheet2 = nullptr;
  QWidget* TabSheet3 = nullptr;
  QWidget* TabSheet4 = nullptr;
  QWidget* TabSheet5 = nullptr;
  QWidget* TabSheet6 = nullptr;
  QWidget* TabSheet7 = nullptr;
  QWidget* TabSheet8 = nullptr;
  QWidget* TabSheet10 = nullptr;
  QWidget* TabSheet11 = nullptr;
  QWidget* TabSheet12 = nullptr;
  QWidget* TabSheet13 = nullptr;
  QWidget* TabSheet14 = nullptr;
  QWidget* TabSheet17 = nullptr;
  QWidget* TabSheet18 = nullptr;
  QWidget* TabSheet19 = nullptr;

  // Start page.
  QLabel* Label7 = nullptr;                            // title
  QLabel* Label9 = nullptr;                            // subtitle
  QLabel* Label21 = nullptr;                           // origin of the questions
  QLabel* Label4 = nullptr;                            // version
  QLabel* Label8 = nullptr;                            // link to the vendor's site
  controls::RoundButton* AdvSmoothButton24 = nullptr;  // category A
  controls::RoundButton* AdvSmoothButton25 = nullptr;  // category B
  controls::RoundButton* AdvSmoothButton26 = nullptr;  // category C
  controls::RoundButton* AdvSmoothButton27 = nullptr;  // category D
  controls::RoundButton* updatebutton = nullptr;
  controls::RoundButton* troublesbtn = nullptr;
  controls::RoundButton* highwaysignsbtn = nullptr;
  controls::RoundButton* AdvSmoothButton85 = nullptr;  // about
  controls::RoundButton* regulybtn = nullptr;          // test rules

  // Outside the main panel.
  controls::RoundButton* minimizebutton = nullptr;
  controls::RoundButton* closebutton = nullptr;
  controls::RoundButton* toastagainbutton = nullptr;
  controls::RoundButton* hintbutton = nullptr;
  controls::RoundButton* englishbtn = nullptr;
  controls::RoundButton* polskibtn = nullptr;
  controls::RoundButton* deutschbtn = nullptr;
  QLabel* categoryimage = nullptr;

  // Left panel: the menu dock and the hidden buttons whose clicks switch pages.
  QWidget* Panel5 = nullptr;
  controls::VerticalDock* menudock = nullptr;
  controls::RoundButton* AdvSmoothButton31 = nullptr;  // learning page
  controls::RoundButton* AdvSmoothButton37 = nullptr;  // test page
  controls::RoundButton* AdvSmoothButton38 = nullptr;  // highway code
  controls::RoundButton* AdvSmoothButton39 = nullptr;
  controls::RoundButton* AdvSmoothButton40 = nullptr;  // road signs
  controls::RoundButton* AdvSmoothButton79 = nullptr;
  controls::RoundButton* menubutton = nullptr;  // start page

  // Hint bar timer, and the one-shot repaint after opening a test from the command line.
  QTimer* Timer15 = nullptr;
  QTimer* Timer16 = nullptr;

  // Learning page.
  QLabel* Label1 = nullptr;  // current category
  QWidget* panelabc = nullptr;
  QPlainTextEdit* Memo3 = nullptr;  // question
  controls::RoundButton* abutton = nullptr;
  controls::RoundButton* bbutton = nullptr;
  controls::RoundButton* cbutton = nullptr;
  controls::RoundButton* dbutton = nullptr;
  controls::RoundButton* ebutton = nullptr;
  controls::RoundButton* fbutton = nullptr;
  QLabel* Label23 = nullptr;  // letters A..D
  QLabel* Label24 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* elabel = nullptr;
  QLabel* flabel = nullptr;
  controls::PictureBox* ImageTest = nullptr;  // question picture
  QGroupBox* GroupBox5 = nullptr;
  QPlainTextEdit* casememonauka = nullptr;  // knowledge bank
  controls::RoundButton* markbutton = nullptr;
  QProgressBar* AdvSmoothProgressBar1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // question number caption
  QLineEdit* numeredit = nullptr;
  QSpinBox* numer = nullptr;                           // hidden: the current question number
  controls::RoundButton* AdvSmoothButton29 = nullptr;  // Back (hidden)
  controls::RoundButton* AdvSmoothButton30 = nullptr;  // Next (hidden)
  controls::RoundButton* sprawdzbutton = nullptr;      // check (hidden)
  controls::RotaryMenu* AdvSmoothRotaryMenu1 = nullptr;
  controls::LinkLabel* Label2 = nullptr;  // random
  controls::RoundButton* arrowhintbutton = nullptr;
  QTimer* Timer5 = nullptr;   // re-enables Back and Next
  QTimer* Timer7 = nullptr;   // shows the selected revision entry
  QTimer* Timer18 = nullptr;  // hides the plus picture
  // Revision list.
  QGroupBox* GroupBox2 = nullptr;
  controls::SmoothListBox* dopowtorkilistbox1 = nullptr;
  controls::OnOffSlider* AdvSmoothSlider1 = nullptr;
  controls::RoundButton* AdvSmoothButton77 = nullptr;
  QLabel* plusimg = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* usun = nullptr;
  QAction* N1 = nullptr;
  QAction* Informacjaooknie1 = nullptr;
  QAction* WczWyczpowtrk1 = nullptr;
  QAction* Eksportujlistnumerwpytapowtrkowych1 = nullptr;
  QAction* Importujlistnumerwpytapowtrkowych1 = nullptr;

  // Test page.
  QGroupBox* GroupBox4 = nullptr;                        // grid, clock and test buttons
  std::array<controls::RoundButton*, 50> gridButtons{};  // AdvSmoothbutton42 .. b50
  QLabel* labelmin = nullptr;
  QLabel* dwukropeklabel = nullptr;
  QLabel* labelsec = nullptr;
  controls::RoundButton* NextTestButton = nullptr;
  controls::RoundButton* PrevTestButton = nullptr;
  QSpinBox* numertest = nullptr;  // hidden: question number of the slot on screen
  controls::RoundButton* nowytest = nullptr;
  controls::RoundButton* koniec = nullptr;
  controls::RoundButton* AdvSmoothButton80 = nullptr;  // test rules
  QWidget* raportpanel = nullptr;
  controls::RoundButton* AdvSmoothButton76 = nullptr;  // Report
  controls::RoundButton* AdvSmoothButton23 = nullptr;  // Save
  controls::RoundButton* AdvSmoothButton83 = nullptr;  // Open
  QWidget* Panel4 = nullptr;
  std::array<QLabel*, 5> starimages{};  // starimage1 .. starimage5
  QWidget* panelabctest = nullptr;
  QPlainTextEdit* memopytanieabctest = nullptr;
  controls::RoundButton* abuttontest = nullptr;
  controls::RoundButton* bbuttontest = nullptr;
  controls::RoundButton* cbuttontest = nullptr;
  controls::RoundButton* dbuttontest = nullptr;
  controls::RoundButton* ebuttontest = nullptr;
  controls::RoundButton* fbuttontest = nullptr;
  QLabel* Label29 = nullptr;  // letters A..D
  QLabel* Label30 = nullptr;
  QLabel* Label31 = nullptr;
  QLabel* Label32 = nullptr;
  QLabel* elabeltest = nullptr;
  QLabel* flabeltest = nullptr;
  controls::PictureBox* ImageTest2 = nullptr;
  controls::RoundButton* markbuttontest = nullptr;
  QPlainTextEdit* casememotest = nullptr;
  controls::RoundButton* showknowledgebutton = nullptr;
  QTimer* Timer9 = nullptr;      // deferred question display
  QTimer* zegartimer = nullptr;  // the test clock

  // Statistics page.
  QChartView* Chart1 = nullptr;  // learning
  QChartView* Chart2 = nullptr;  // tests
  QPieSeries* Series1 = nullptr;
  QPieSeries* Series2 = nullptr;
  QLabel* Label3 = nullptr;                            // category inside Chart1
  controls::RoundButton* AdvSmoothButton22 = nullptr;  // clear the statistics
  QTimer* Timer11 = nullptr;  // turns Chart1's pie while the mouse is over it
  QTimer* Timer12 = nullptr;
  controls::RoundButton* statystykibutton = nullptr;  // hidden: shows the statistics

  // Archive page.
  controls::SmoothListBox* AdvSmoothListBox1 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QComboBox* rokcombo = nullptr;
  QComboBox* miesiaccombo = nullptr;
  QComboBox* dziencombo = nullptr;
  controls::RoundButton* sortujbtn = nullptr;
  controls::RoundButton* AdvSmoothButton91 = nullptr;  // newest first
  controls::RoundButton* AdvSmoothButton92 = nullptr;  // oldest first
  controls::RoundButton* AdvSmoothButton84 = nullptr;  // today's tests
  controls::RoundButton* AdvSmoothButton95 = nullptr;  // all tests
  controls::RoundButton* AdvSmoothButton90 = nullptr;  // statistics
  QWidget* Panel3 = nullptr;                           // details of the selected test
  QLabel* Label18 = nullptr;
  QLabel* Label19 = nullptr;
  controls::RoundButton* AdvSmoothButton93 = nullptr;  // open
  controls::RoundButton* AdvSmoothButton94 = nullptr;  // save a copy
  QTimer* Timer17 = nullptr;                           // the refresh after a delete

  // Report options.
  QLabel* Label5 = nullptr;
  QLineEdit* nazwiskoedit = nullptr;
  QPushButton* Button2 = nullptr;
  QCheckBox* nazwiskocheckbox = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* dodatkowytekstedit = nullptr;
  QPushButton* Button3 = nullptr;
  QCheckBox* dodatkowytekstcheckbox = nullptr;
  QLabel* Label10 = nullptr;
  controls::RoundButton* showreportbutton = nullptr;

  // Reference pages; the web views are made when first needed.
  controls::RoundButton* highwaycodebtn = nullptr;
  controls::RoundButton* AdvSmoothButton88 = nullptr;        // road signs
  std::array<controls::RoundButton*, 10> roadSignButtons{};  // AdvSmoothButton1 .. 10
  QLabel* Label11 = nullptr;              // attribution of the road-sign material
  QWebEngineView* WebBrowser1 = nullptr;  // a road-sign page
  controls::RoundButton* backbrowser1 = nullptr;
  QWebEngineView* WebBrowser3 = nullptr;               // the highway code
  controls::RoundButton* AdvSmoothButton11 = nullptr;  // back in the highway code
  QWebEngineView* helpWebBrowser = nullptr;

  // Updates and add-ons.
  QWebEngineView* WebBrowser4 = nullptr;  // hidden version check
  QWidget* UpdatePanel = nullptr;
  QLabel* Image18 = nullptr;
  QLabel* Label16 = nullptr;
  QWidget* Panel11 = nullptr;
  QWebEngineView* UpdatesListWebBrowser = nullptr;
  QWidget* Panel10 = nullptr;
  controls::RoundButton* pobierzbtn = nullptr;

  // Auxiliary windows.
  TForm2* Form2 = nullptr;
  Taboutform* aboutform = nullptr;
  Thelpform* helpform = nullptr;
  Tmsgform* msgform = nullptr;
  Tarrowform* arrowform = nullptr;

 public slots:
  // Language switch: makes a language current, applies its texts and stores it.
  void englishbtnClick();
  void polskibtnClick();
  void deutschbtnClick();
  void minimizebuttonClick();
  void closebuttonClick();

  // Navigation.
  void ResetLeftPanelColours();
  void AdvSmoothButton31Click();  // learning page
  void AdvSmoothButton37Click();  // test page
  void AdvSmoothButton40Click();  // road-signs menu
  void menubuttonClick();         // start page
  void menudockItemClick(int index);
  void AdvSmoothButton85Click();  // about
  void regulybtnClick();          // test rules, modal
  void AdvSmoothButton80Click();  // test rules beside the test
  void highwaysignsbtnClick();
  void Label8Click();
  void showShortcutHint();

  // Learning mode.
  void AdvSmoothButton24Click();  // category A
  void AdvSmoothButton25Click();  // category B
  void AdvSmoothButton26Click();  // category C
  void AdvSmoothButton27Click();  // category D
  void enterCategory(const QString& code);
  void showQuestion();
  void AdvSmoothButton30Click();  // Next
  void AdvSmoothButton29Click();  // Back
  void Label2Click();             // random
  void numereditEnter();
  void AdvSmoothRotaryMenu1ItemClick(int index);
  void markAnswer(int index);  // 0 = A .. 5 = F
  void sprawdzbuttonClick();
  // Revision list.
  void loadRevisionList(const QString& code);
  void addToRevisionList(int number);
  void dopowtorkilistbox1ItemClick(int index);
  void Timer7Timer();
  void AdvSmoothSlider1Toggled(bool on, bool byUser);
  void AdvSmoothButton77Click();
  void endRevisionRun(bool listUsedUp);
  void usunClick();
  void N1Click();
  void Informacjaooknie1Click();
  void EksportujClick();
  void ImportujClick();

  // Mock test.
  void nowytestClick();
  void koniecClick();
  void zegartimerTimer();
  void numertestChange();
  void Timer9Timer();
  void selectSlot(int slot);        // 1..50, the body of every grid button's handler
  void answerTestClick(int index);  // 0 = A .. 5 = F
  void NextTestButtonClick();
  void PrevTestButtonClick();
  void showknowledgebuttonClick();
  void AdvSmoothButton23Click();  // Save
  void AdvSmoothButton83Click();  // Open
  // Reads a saved test into the test state, or shows why it cannot; false changes
  // nothing.
  bool readSavedTest(const QString& path);
  bool checkSavedTest(const QString& path, mocktest::SavedTest* saved);
  void hideGridBadges();

  // Statistics.
  void statystykibuttonClick();
  void AdvSmoothButton22Click();
  // Archive.
  void sortujbtnClick();
  void AdvSmoothButton91Click();
  void AdvSmoothButton92Click();
  void AdvSmoothButton84Click();
  void AdvSmoothButton95Click();
  void AdvSmoothButton90Click();
  void AdvSmoothListBox1ItemClick(int index);
  void AdvSmoothButton93Click();
  void AdvSmoothButton94Click();
  void AdvSmoothListBox1ItemDeleteClicked(int index);
  void Timer17Timer();

  // Reports.
  void AdvSmoothButton76Click();  // the options page
  void Button2Click();
  void Button3Click();
  void showreportbuttonClick();

  // Reference pages.
  void AdvSmoothButton38Click();      // highway code
  void showRoadSignPage(int button);  // 1, 2, 4, 5 or 9
  void backbrowser1Click();
  void AdvSmoothButton11Click();
  void troublesbtnClick();
  // Updates.
  void updatebuttonClick();
  void WebBrowser4DocumentComplete();
  void UpdatesListWebBrowserDocumentComplete();
  void pobierzbtnClick();

  // Hint bar: one short message at a time, hidden again after five seconds.
  void ShowHintBar(const QString& text);
  void toastagainbuttonClick();
  void Timer15Timer();
  void Timer16Timer();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Key releases anywhere in the window reach FormKeyUp before the focused control.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMainWindow();
  void buildStartPage();
  void buildLeftPanel();
  void buildHintBar();
  void buildTestPage();
  void buildLearningPage();
  void buildRevisionPanel();
  controls::RoundButton* answerButton(int index) const;
  controls::RoundButton* testAnswerButton(int index) const;
  void setUpTest();
  void storeSelection();
  void showSlotQuestion(int slot);
  void restoreSelection(int slot);
  void showReviewMarks(int slot);
  void writeArchiveEntry();
  void buildStatisticsPage();
  void buildArchivePage();
  void buildReferencePages();
  void buildReportPage();
  void runPreview(reports::engine::Report& report);
  void slideHintBarLeft();
  void buildUpdatePage();
  QWebEngineView* webView(QWebEngineView*& view, QWidget* tab, const char* name);
  void buildModuleStrings();
  void requestUpdateList();
  void collapseUpdateList(bool collapsed);
  void rebuildArchiveList();
  void hideArchiveDetails();
  bool chartEventFilter(QObject* watched, QEvent* event);
  bool updateEventFilter(QObject* watched, QEvent* event);
  bool referenceEventFilter(QObject* watched, QEvent* event);
  void setQuestionNumber(int number);  // numer, numeredit and the current number
  QStringList revisionEntries() const;
  void showStartPage();
  void showLeftPanel();
  void setDockIndicator(int current);  // -1 hides them all
  // Returns true when the key was used and must go no further.
  bool FormKeyUp(QKeyEvent* event);
  bool eventFilterLearning(QObject* watched, QEvent* event);
  void slideHintBar(bool in);
  void FormResize();
  void FormCloseQuery();
  void switchLanguage(const QString& code);
  void ApplyLanguageTexts(const QString& code);

  // Parts of the subsystems that start-up, navigation and the language switch call.
  void prepareUpdateQuery();                         // updates: the update-list address
  void startVersionCheck();                          // updates: the hidden version check
  void openSavedTestAtStartup(const QString& path);  // mock test: a test file argument
  void storeRevisionList();                          // learning: the current revision list
  void stepQuestion(int delta);                      // learning: previous/next question
  void applyChartTitles();                           // statistics: the two chart titles
  void reloadUpdateListForLanguage();                // updates: the list in a new language
  void resetTestGrid();                              // mock test: grid back to normal
  void clearTestAnswerButtons();                     // mock test: answers of the test page
  void refreshStars(const QString& code);            // statistics: recent-result stars
  void exportLearningQuestion();                     // reports: the question on screen

  app::Services services_;
  app::GlobalState state_;
  i18n::TextCatalogue texts_;
  platform::UserIni userIni_;
  QPropertyAnimation* hintAnimation_ = nullptr;
  int hintHomeTop_ = 0;  // where the hint bar rests, set on every resize
  // Mock test: the 50 slots of the test on screen and its clock.
  mocktest::TestSlots testSlots_{};
  mocktest::TestClock testClock_;
  // Archive: the names of the listed tests, in the order of the list.
  QStringList archiveNames_;
  archive::StoredTestCache storedTests_;
  // Updates: the strings of the last build, the download and the refused-list retries.
  QString updateQuery_;
  QString moduleSignature_;
  QUrl downloadAddress_;
  int listRetries_ = 0;
  // Learning: the question on screen.
  QString correctLetters_;
  QString shownPicturePath_;
  // The revision list on screen belongs to this category once it was loaded; a list
  // never loaded is never stored over the file.
  QString revisionListCategory_;
  bool revisionListLoaded_ = false;
};
