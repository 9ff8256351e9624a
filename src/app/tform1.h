#pragma once

#include <QLabel>
#include <QStackedWidget>
#include <QWidget>

#include "app/globalstate.h"
#include "app/services.h"
#include "i18n/textcatalogue.h"
#include "platform/userini.h"

class QGroupBox;
class QKeyEvent;
class QPlainTextEdit;
class QPropertyAnimation;
class QTimer;

namespace controls {
class RotaryMenu;
class RoundButton;
class SmoothListBox;
class VerticalDock;
}  // namespace controls

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

  // Controls of the learning, test and archive pages that navigation and the texts
  // reach; each page creates its own when it is built.
  QLabel* Label1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  controls::RotaryMenu* AdvSmoothRotaryMenu1 = nullptr;
  controls::SmoothListBox* dopowtorkilistbox1 = nullptr;
  QPlainTextEdit* memopytanieabctest = nullptr;
  QWidget* raportpanel = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  controls::SmoothListBox* AdvSmoothListBox1 = nullptr;
  QWidget* Panel3 = nullptr;

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
  void showStartPage();
  void showLeftPanel();
  void setDockIndicator(int current);  // -1 hides them all
  // Returns true when the key was used and must go no further.
  bool FormKeyUp(QKeyEvent* event);
  void slideHintBar(bool in);
  void FormResize();
  void FormCloseQuery();
  void switchLanguage(const QString& code);
  void ApplyLanguageTexts(const QString& code);

  // Seams filled by the subsystems that own them.
  void prepareUpdateQuery();                         // updates: the update-list address
  void startVersionCheck();                          // updates: the hidden version check
  void openSavedTestAtStartup(const QString& path);  // mock test: a test file argument
  void storeRevisionList();                          // learning: the current revision list
  void stepQuestion(int delta);                      // learning: previous/next question
  void finishRunningTest();                          // mock test: the click of koniec
  void hideTestRunningBadge();                       // mock test: badge of nowytest
  void refreshArchiveList();                         // archive: the click of sortujbtn
  void applyChartTitles();                           // statistics: the two chart titles
  void reloadUpdateListForLanguage();                // updates: the list in a new language

  app::Services services_;
  app::GlobalState state_;
  i18n::TextCatalogue texts_;
  platform::UserIni userIni_;
  QPropertyAnimation* hintAnimation_ = nullptr;
  int hintHomeTop_ = 0;  // where the hint bar rests, set on every resize
};
