// Learning mode and the revision list.
#include "app/tform1.h"
#include "controls/roundbutton.h"

void TForm1::AdvSmoothButton31Click() {
  ResetLeftPanelColours();
  AdvSmoothButton31->setColor(QColor(0xFF, 0xFF, 0x80));
  state_.learningPage = false;  // the dock's Learning item sets it again
  PageControl1->setCurrentWidget(TabSheet2);
  // The remembered question is shown here once learning mode is in place.
}

void TForm1::stepQuestion(int delta) {
  // Previous and next question come with the learning page.
  Q_UNUSED(delta);
}

void TForm1::storeRevisionList() {
  // The revision list of the current category is stored here once learning mode and
  // its list are in place.
}
