#pragma once

#include <QString>

namespace learning {

// The letters of the marked answers, always in the order A to F.
QString markedLetters(const bool marks[6]);

enum class CheckResult { WrongCount, Correct, Wrong };

// A check is refused when the number of marks differs from the number of correct
// answers; otherwise it is right only when the letters are exactly the same.
CheckResult checkAnswer(const QString& marked, const QString& correct);

// The hint when the number of marks is wrong.
QString markCountHint(const QString& correct);

// What to show when a question number is typed: 0 means nothing happens.
int numberEntryTarget(const QString& text, int questionCount);

}  // namespace learning
