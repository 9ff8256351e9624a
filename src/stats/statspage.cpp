// Statistics charts and the recent-result stars.
#include "app/tform1.h"

void TForm1::applyChartTitles() {
  // The chart titles follow the language once the statistics page exists.
}
