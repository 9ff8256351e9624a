#include "i18n/resultline.h"

namespace i18n {

QString testResultLine(const QString& failedText, const QString& passedText, const QString& ofText,
                       int points) {
  const int percent = points * 100 / kTestQuestions;  // 50 questions: always whole
  // One pass over the pattern, so a '%' inside a text is never taken as a marker.
  return QStringLiteral("%1 %2 %3 50 (%4 %)")
      .arg(points >= kPassMark ? passedText : failedText, QString::number(points), ofText,
           QString::number(percent));
}

}  // namespace i18n
