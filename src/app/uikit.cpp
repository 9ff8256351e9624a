#include "app/uikit.h"

#include "controls/roundbutton.h"

namespace app {

controls::RoundButton* roundButton(QWidget* parent, const QString& name, const QString& caption,
                                   const QRect& place) {
  auto* button = new controls::RoundButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setColor(kSkyBlue);
  if (place.isValid())
    button->setGeometry(place);
  return button;
}

}  // namespace app
