// Mock test: draw, test page, clock, finishing and saved test files.
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/tform1.h"

void TForm1::buildTestPage() {
  // The question and, after finishing, the result line. The rest of the test page
  // joins it with the mock test.
  auto* layout = new QVBoxLayout(TabSheet5);
  GroupBox4 = new QGroupBox(QStringLiteral(" Question number:"), TabSheet5);
  GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
  layout->addWidget(GroupBox4);
  auto* groupLayout = new QVBoxLayout(GroupBox4);
  memopytanieabctest = new QPlainTextEdit(GroupBox4);
  memopytanieabctest->setObjectName(QStringLiteral("memopytanieabctest"));
  memopytanieabctest->setReadOnly(true);
  groupLayout->addWidget(memopytanieabctest);
}

void TForm1::openSavedTestAtStartup(const QString& path) {
  // Opening a saved test named on the command line comes with the saved-test reader.
  Q_UNUSED(path);
}

void TForm1::finishRunningTest() {
  // The click of koniec: scoring and the result come with the test clock.
}

void TForm1::hideTestRunningBadge() {
  // The badge of nowytest comes with the test page's buttons.
}

void TForm1::resetTestGrid() {
  // The question grid of the test page returns to normal here once it exists.
}

void TForm1::clearTestAnswerButtons() {
  // The answer buttons of the test page are cleared here once they exist.
}
