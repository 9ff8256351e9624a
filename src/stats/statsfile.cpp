#include "stats/statsfile.h"

#include "mocktest/testlogic.h"

namespace stats {

namespace {
const QString kLearning = QStringLiteral("nauka");
const QString kTests = QStringLiteral("egzamin");
}  // namespace

int toWholeNumber(const QString& text, int fallback) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  return ok ? value : fallback;
}

StatisticsFile::StatisticsFile(platform::UserIni& ini, const QString& categoryCode)
    : ini_(ini), file_(fileName(categoryCode)) {}

QString StatisticsFile::fileName(const QString& categoryCode) {
  return QStringLiteral("stats") + categoryCode.toLower() + QStringLiteral("2015uk.ini");
}

int StatisticsFile::counter(const QString& section, const QString& key) const {
  return toWholeNumber(ini_.ReadUserIni(file_, section, key, QStringLiteral("0")), 0);
}

void StatisticsFile::increment(const QString& section, const QString& key) {
  ini_.WriteUserIni(file_, section, key, QString::number(counter(section, key) + 1));
}

void StatisticsFile::resetCounters() {
  const QString zero = QStringLiteral("0");
  ini_.WriteUserIni(file_, kLearning, QStringLiteral("poprawne"), zero);
  ini_.WriteUserIni(file_, kLearning, QStringLiteral("niepoprawne"), zero);
  ini_.WriteUserIni(file_, kTests, QStringLiteral("zdane"), zero);
  ini_.WriteUserIni(file_, kTests, QStringLiteral("niezdane"), zero);
}

void StatisticsFile::recordTestResult(bool passed) {
  const QString previous = ini_.ReadUserIni(file_, QStringLiteral("stats"),
                                            QStringLiteral("wyniki"), QStringLiteral("000000"));
  ini_.WriteUserIni(file_, QStringLiteral("stats"), QStringLiteral("wyniki"),
                    (passed ? QStringLiteral("1") : QStringLiteral("0")) + previous.left(4));
}

QString StatisticsFile::resultsForStars() const {
  return ini_.ReadUserIni(file_, QStringLiteral("stats"), QStringLiteral("wyniki"),
                          QStringLiteral("0"));
}

void StatisticsFile::recordTestFinish(int points) {
  const bool passed = mocktest::isPassed(points);
  increment(kTests, passed ? QStringLiteral("zdane") : QStringLiteral("niezdane"));
  recordTestResult(passed);
}

void StatisticsFile::rememberQuestion(int number) {
  ini_.WriteUserIni(file_, QStringLiteral("last"), QStringLiteral("pytanie"),
                    QString::number(number));
}

int StatisticsFile::rememberedQuestion() const {
  return toWholeNumber(ini_.ReadUserIni(file_, QStringLiteral("last"), QStringLiteral("pytanie"),
                                        QStringLiteral("1")),
                       1);
}

}  // namespace stats
