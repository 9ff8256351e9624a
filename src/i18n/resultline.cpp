#include "i18n/resultline.h"

#include "mocktest/testlogic.h"

namespace i18n {

QString testResultLine(const QString& failedText, const QString& passedText, const QString& ofText,
                       int points) {
  // One pass over the pattern, so a '%' inside a text is never taken as a marker.
  return QStringLiteral("%1 %2 %3 50 (%4 %)")
      .arg(mocktest::isPassed(points) ? passedText : failedText, QString::number(points), ofText,
           QString::number(mocktest::percentOf(points)));
}

}  // namespace i18n
