#include "app/uikit.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "bank/bankfile.h"
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

void showAnswers(const bank::QuestionRecord& record, const bank::CategoryInfo& category,
                 const QString& programFolder, controls::RoundButton* const buttons[6],
                 QLabel* letterE, QLabel* letterF) {
  const bool hasE = !record.answer(4).isEmpty();
  const bool hasF = !record.answer(5).isEmpty();
  buttons[4]->setVisible(hasE);
  letterE->setVisible(hasE);
  buttons[5]->setVisible(hasF);
  letterF->setVisible(hasF);
  for (int i = 0; i < 6; ++i) {
    controls::RoundButton* button = buttons[i];
    const QString field = record.answer(i);
    if (!record.hasPictureAnswers()) {
      button->setPictureLayout(controls::RoundButton::PictureLayout::Left);
      button->setText(field);
      button->setAccessibleName(field);
      continue;
    }
    button->setPictureLayout(controls::RoundButton::PictureLayout::Only);
    const QString path = bank::answerPicturePath(programFolder, category, field);
    if (!path.isEmpty())
      button->setPicture(QPixmap(path));
    button->setAccessibleName(QStringLiteral("Picture answer %1").arg(QChar('A' + i)));
  }
}

void showKnowledge(QPlainTextEdit* memo, const QString& text) {
  memo->setPlainText(text);
  memo->moveCursor(QTextCursor::Start);
  memo->ensureCursorVisible();
}

}  // namespace app
