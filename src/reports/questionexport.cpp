// Result report and question export.
#include "app/tform1.h"

void TForm1::exportLearningQuestion() {
  // The question on screen is exported through the report engine once it exists.
}

void TForm1::openReportOptions() {
  // The report options page comes with the result report.
}
