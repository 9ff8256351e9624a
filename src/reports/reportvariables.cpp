#include "reports/reportvariables.h"

namespace reports {

QString quoted(const QString& text) {
  QString literal = text;
  literal.replace(QLatin1Char('\''), QLatin1Char('"'));
  return QLatin1Char('\'') + literal + QLatin1Char('\'');
}

QString cleanedText(const QString& text) {
  QString cleaned = text;
  cleaned.remove(QLatin1Char('\''));
  return cleaned;
}

QString preparedName(const QString& cleanedName) {
  QString name = cleanedName;
  name.replace(QLatin1Char(' '), QLatin1Char('.'));
  name.replace(QLatin1Char('\\'), QLatin1Char('-'));
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  return name;
}

QString reportExportName(const QString& preparedName, const QString& timeStamp) {
  return QStringLiteral("Report-") + preparedName + QLatin1Char('-') + timeStamp;
}

QVector<QPair<QString, QString>> resultReportVariables(const ResultReport& report) {
  QVector<QPair<QString, QString>> variables;
  const auto& slots_ = report.testSlots;
  for (int k = 0; k < mocktest::kSlotCount; ++k) {
    variables.append(
        {QStringLiteral("Param.pnr%1").arg(k + 1), QString::number(slots_[k].questionNumber)});
  }
  for (int k = 0; k < mocktest::kSlotCount; ++k) {
    variables.append(
        {QStringLiteral("Param.prawodp%1").arg(k + 1), quoted(slots_[k].correctLetters)});
  }
  for (int k = 0; k < mocktest::kSlotCount; ++k) {
    variables.append({QStringLiteral("Param.odp%1").arg(k + 1), quoted(slots_[k].givenLetters)});
  }
  variables.append({QStringLiteral("Param.kategoria"), quoted(report.category)});
  // points * 100 / 50 is always whole, so the shortest form has no decimals.
  variables.append({QStringLiteral("Param.procent"),
                    quoted(QString::number(mocktest::percentOf(report.points)))});
  variables.append({QStringLiteral("Param.nazwisko"), quoted(report.name)});
  variables.append({QStringLiteral("Param.dodatkowytekst"), quoted(cleanedText(report.extraText))});
  variables.append({QStringLiteral("Param.wynik"), mocktest::isPassed(report.points)
                                                       ? QStringLiteral("'Passed'")
                                                       : QStringLiteral("'Failed'")});
  for (int k = 0; k < mocktest::kSlotCount; ++k) {
    const QString n = QString::number(k + 1);
    variables.append(
        {QStringLiteral("pytanie") + n + QStringLiteral("tresc"), quoted(slots_[k].questionText)});
    variables.append({QStringLiteral("pytanie") + n + QStringLiteral("prawodp"),
                      quoted(slots_[k].correctLetters)});
    variables.append({QStringLiteral("pytanie") + n + QStringLiteral("twojaodp"),
                      quoted(slots_[k].givenLetters)});
    variables.append({QStringLiteral("pytanie") + n + QStringLiteral("numer"),
                      QString::number(slots_[k].questionNumber)});
  }
  return variables;
}

QVector<QPair<QString, QString>> questionExportVariables(const QuestionExport& question) {
  QVector<QPair<QString, QString>> variables;
  variables.append({QStringLiteral("pytnr"), QString::number(question.number)});
  variables.append({QStringLiteral("kategor"), quoted(question.category)});
  variables.append({QStringLiteral("pytanietresc"), quoted(question.question)});
  for (int i = 0; i < 6; ++i) {
    const QChar letter('A' + i);
    variables.append({QStringLiteral("odp") + letter,
                      quoted(QString(letter) + QStringLiteral(") ") + question.answers[i])});
  }
  variables.append({QStringLiteral("odpowiedz"), quoted(question.correctLetters)});
  return variables;
}

}  // namespace reports
