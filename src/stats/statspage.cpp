// Statistics charts and the recent-result stars.
#include "app/tform1.h"

void TForm1::applyChartTitles() {
  // The chart titles follow the language once the statistics page exists.
}

void TForm1::refreshStars(const QString& code) {
  // The five recent-result stars are refreshed here once the statistics page exists.
  Q_UNUSED(code);
}
