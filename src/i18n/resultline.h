#pragma once

#include <QString>

namespace i18n {

// The result line of a finished test, e.g. "Test passed. Score: 45 of 50 (90 %)":
// the failed or passed text, the points, the word before the maximum, 50 and the
// percentage. The pass mark is 43 of 50.
QString testResultLine(const QString& failedText, const QString& passedText, const QString& ofText,
                       int points);

}  // namespace i18n
