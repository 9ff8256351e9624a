#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <array>

#include "bank/bankfile.h"
#include "platform/random.h"

namespace mocktest {

constexpr int kSlotCount = 50;
// A test is passed with this many right answers or more.
constexpr int kPassMark = 43;

inline bool isPassed(int points) {
  return points >= kPassMark;
}
// The score in percent; with 50 questions it is always a whole number.
inline int percentOf(int points) {
  return points * 100 / kSlotCount;
}

// One position of a test.
struct TestSlot {
  int questionNumber = 0;
  QString questionText;
  QString picturePath;
  QString correctLetters;
  QString givenLetters;  // A..F in order; empty when not answered
};

using TestSlots = std::array<TestSlot, kSlotCount>;

struct DrawRange {
  int first;
  int last;
};

// The 50 ranges a category's test questions are drawn from; empty for an unknown code.
QVector<DrawRange> drawRanges(const QString& categoryCode);

// One number from each range, in slot order: always 50 distinct increasing numbers.
QVector<int> drawQuestions(const QString& categoryCode, platform::Random& random);

// Fills question text, picture path and correct letters of every slot from the bank
// file. The whole file is checked first: on failure nothing in testSlots is changed.
bool loadSlotRecords(const QString& bankPath, const QString& programFolder,
                     const QString& categoryCode, TestSlots& testSlots, bank::BankError* error);

// Scoring: a slot is right when its given letters are not empty and equal the correct
// letters exactly.
bool slotIsRight(const TestSlot& slot);
int scoreSlots(const TestSlots& testSlots);
// The question numbers a finished test adds to the revision list: answered, but wrong.
QVector<int> wronglyAnswered(const TestSlots& testSlots);

// The archive name of a test finished at that moment: yyyy-mm-dd-h-hh--nn--ss, the
// same on every locale.
QString archiveFileName(const QDateTime& moment);

// A time stamp for proposed file names: the local short date and long time, with
// blanks made "-h-", colons dots and slashes dashes.
QString fileNameTimeStamp(const QDateTime& moment);

// The test clock: 56:59 counting down one second a tick.
class TestClock {
 public:
  void start() {
    minutes_ = 56;
    seconds_ = 59;
  }
  // One second; returns true when the time has run out.
  bool tick();
  int minutes() const { return minutes_; }
  int seconds() const { return seconds_; }
  static QString twoDigits(int value);

 private:
  int minutes_ = 0;
  int seconds_ = 0;
};

// A saved test file, checked as a whole before any of it is used.
struct SavedTest {
  QString category;
  QString language;
  int points = 0;
  TestSlots testSlots;
};

// Writes the 153 entries of section plik; entries of an existing file are replaced in
// place. False when the file cannot be written.
bool writeSavedTest(const QString& path, const QString& category, int points,
                    const QString& language, const TestSlots& testSlots);

// Reads and checks a saved test: the category must be A to D, punktow and every pnr
// whole numbers, every pnr a question of the category. A missing pnr is question 1, a
// missing odp not answered. On failure error names the problem and nothing is filled.
bool readSavedTest(const QString& path, SavedTest* test, QString* error);

}  // namespace mocktest
