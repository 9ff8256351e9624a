#pragma once

#include <QString>

#include "bank/bankfile.h"

namespace app {

// The state the main window owns for the whole run, as it stands after start-up.
struct GlobalState {
  QString currentLanguage = QStringLiteral("en");
  QString currentCategory = QStringLiteral("B");
  QString lastMessage;  // text last shown in the hint bar
  int questionCountA = 0;
  int questionCountB = 0;
  int questionCountC = 0;
  int questionCountD = 0;
  bank::BankFiles bankFiles;
  int currentTestSlot = 0;        // 1..50, 0 = none
  int testPoints = 0;             // score of the test last finished, 0 before any
  int currentQuestionNumber = 0;  // learning question on screen, 0 = none
  bool learningPage = false;      // arrow keys step questions only then
  bool testRunning = false;
  bool revisionRun = false;
  bool testDrawn = false;
  bool storeOnFinish = false;
  bool updateListOpened = false;
  bool updatesAvailable = false;
  bool mayAdd = true;      // the learning question may still join the revision list
  bool collecting = true;  // wrong answers are collected into the revision list
  bool answerMarks[6] = {false, false, false, false, false, false};
  bool selectionFlags[6] = {false, false, false, false, false, false};
  QString reportName;

  // The question count of a category code, 0 for an unknown code.
  int questionCount(const QString& categoryCode) const;
  // The bank file of a category in the language chosen at start-up.
  QString bankFile(const QString& categoryCode) const { return bankFiles.pathFor(categoryCode); }
};

}  // namespace app
