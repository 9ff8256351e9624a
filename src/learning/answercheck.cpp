#include "learning/answercheck.h"

namespace learning {

QString markedLetters(const bool marks[6]) {
  QString letters;
  for (int i = 0; i < 6; ++i) {
    if (marks[i])
      letters += QChar(QLatin1Char('A').unicode() + i);
  }
  return letters;
}

CheckResult checkAnswer(const QString& marked, const QString& correct) {
  if (marked.size() != correct.size())
    return CheckResult::WrongCount;
  return marked == correct ? CheckResult::Correct : CheckResult::Wrong;
}

QString markCountHint(const QString& correct) {
  return QStringLiteral("Mark ") + QString::number(correct.size()) +
         QStringLiteral(" answer(s) and then click here again to check answer.");
}

int numberEntryTarget(const QString& text, int questionCount) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok, 10);
  if (!ok || value < 1)
    return 0;
  return value > questionCount ? questionCount : static_cast<int>(value);
}

}  // namespace learning
