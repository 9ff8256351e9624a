// Update and add-on check.
#include "app/tform1.h"

void TForm1::prepareUpdateQuery() {
  // The update-list address is built from the add-on modules when the update check
  // is in place.
}

void TForm1::startVersionCheck() {
  // The hidden version check starts here once the update check is in place.
}

void TForm1::reloadUpdateListForLanguage() {
  // Once the user has opened the update list, it follows every language switch.
}
