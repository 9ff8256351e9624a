#include "app/globalstate.h"

namespace app {

int GlobalState::questionCount(const QString& categoryCode) const {
  if (categoryCode == QLatin1String("A"))
    return questionCountA;
  if (categoryCode == QLatin1String("B"))
    return questionCountB;
  if (categoryCode == QLatin1String("C"))
    return questionCountC;
  if (categoryCode == QLatin1String("D"))
    return questionCountD;
  return 0;
}

}  // namespace app
