#pragma once

#include <QPair>
#include <QString>
#include <QVector>

#include "mocktest/testlogic.h"

namespace reports {

// A text as a literal of the report engine: in single quotes. An apostrophe inside
// would end the literal early, so it becomes a double quote.
QString quoted(const QString& text);

// The name on the report: apostrophes removed (also what is remembered).
QString cleanedText(const QString& text);

// The name as it goes into the report and its file name: blanks become dots, slashes
// dashes.
QString preparedName(const QString& cleanedName);

// "Report-<name>-<stamp>", without extension.
QString reportExportName(const QString& preparedName, const QString& timeStamp);

// The variables of the result report, in the order they are handed to the engine, as
// name and engine expression. Param.punktow is handed separately as an integer.
struct ResultReport {
  QString category;
  int points = 0;
  QString name;       // prepared
  QString extraText;  // cleaned
  mocktest::TestSlots testSlots;
};
QVector<QPair<QString, QString>> resultReportVariables(const ResultReport& report);

// The variables of the one-question export.
struct QuestionExport {
  int number = 0;
  QString category;
  QString question;
  QString answers[6];
  QString correctLetters;
};
QVector<QPair<QString, QString>> questionExportVariables(const QuestionExport& question);

}  // namespace reports
