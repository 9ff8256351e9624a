// The archive of finished tests.
#include "app/tform1.h"

void TForm1::refreshArchiveList() {
  // The click of sortujbtn: the archive list is rebuilt once the archive page exists.
}
