#pragma once

#include <QLabel>
#include <QStackedWidget>
#include <QWidget>

#include "app/globalstate.h"
#include "app/services.h"
#include "i18n/textcatalogue.h"
#include "platform/userini.h"

namespace controls {
class RoundButton;
}

class TForm2;

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

  // Auxiliary windows.
  TForm2* Form2 = nullptr;

 public slots:
  // Language switch: makes a language current, applies its texts and stores it.
  void englishbtnClick();
  void polskibtnClick();
  void deutschbtnClick();
  void minimizebuttonClick();
  void closebuttonClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMainWindow();
  void buildStartPage();
  void FormResize();
  void FormCloseQuery();
  void switchLanguage(const QString& code);
  void ApplyLanguageTexts(const QString& code);

  // Seams filled by the subsystems that own them.
  void prepareUpdateQuery();                         // updates: the update-list address
  void startVersionCheck();                          // updates: the hidden version check
  void openSavedTestAtStartup(const QString& path);  // mock test: a test file argument
  void storeRevisionList();                          // learning: the current revision list

  app::Services services_;
  app::GlobalState state_;
  i18n::TextCatalogue texts_;
  platform::UserIni userIni_;
};
