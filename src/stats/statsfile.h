#pragma once

#include <QString>

#include "platform/userini.h"

namespace stats {

// A whole number from its stored text; anything else gives the fallback.
int toWholeNumber(const QString& text, int fallback);

// The statistics file of one category: learning counters, test counters, the results
// of the last five tests and the question last shown. Every call reads or writes one
// value through the per-user INI access.
class StatisticsFile {
 public:
  StatisticsFile(platform::UserIni& ini, const QString& categoryCode);

  static QString fileName(const QString& categoryCode);  // "statsb2015uk.ini"

  // A counter that is missing or not a whole number counts as 0.
  int counter(const QString& section, const QString& key) const;
  void increment(const QString& section, const QString& key);
  void resetCounters();

  // Puts "1" (passed) or "0" (failed) in front of the last four results.
  void recordTestResult(bool passed);
  QString resultsForStars() const;  // default "0"

  // Counts a finished test: passed at the pass mark or more.
  void recordTestFinish(int points);

  void rememberQuestion(int number);
  int rememberedQuestion() const;  // 1 when missing or not a whole number

 private:
  platform::UserIni& ini_;
  QString file_;
};

}  // namespace stats
