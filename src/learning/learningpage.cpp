// Learning mode and the revision list.
#include "app/tform1.h"

void TForm1::storeRevisionList() {
  // The revision list of the current category is stored here once learning mode and
  // its list are in place.
}
