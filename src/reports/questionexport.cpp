// The one-question export of learning mode.
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "app/tform1.h"
#include "controls/roundbutton.h"
#include "reports/engine/report.h"
#include "reports/reportvariables.h"

void TForm1::exportLearningQuestion() {
  const QString templatePath = QDir(programFolder()).filePath(QStringLiteral("exportuk.fr3"));
  if (!QFileInfo(templatePath).isFile())
    return;
  reports::engine::Report report;
  QString error;
  if (!report.loadTemplate(templatePath, &error)) {
    showError(error);
    return;
  }
  reports::QuestionExport question;
  question.number = state_.currentQuestionNumber;
  question.category = state_.currentCategory;
  question.question = Memo3->toPlainText();
  for (int i = 0; i < 6; ++i)
    question.answers[i] = answerButton(i)->text();
  question.correctLetters = correctLetters_;
  for (const auto& [variable, expression] : reports::questionExportVariables(question)) {
    report.setVariable(variable, expression);
  }
  if (QFileInfo(shownPicturePath_).isFile()) {
    report.loadPicture(QStringLiteral("Picture1"), shownPicturePath_);
  }
  report.setDefaultExportName(QStringLiteral("exported_question"));
  report.setReportTime(services_.clock->now());
  if (!report.prepare(&error)) {
    showError(error);
    return;
  }
  runPreview(report);
}
