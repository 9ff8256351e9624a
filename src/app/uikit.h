#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace bank {
class QuestionRecord;
struct CategoryInfo;
}  // namespace bank

namespace controls {
class RoundButton;
}

namespace app {

// The colours every page shares.
inline const QColor kSkyBlue{0xA6, 0xCA, 0xF0};      // neutral buttons
inline const QColor kLightYellow{0xFF, 0xFF, 0x80};  // selected, answered, current activity
inline const QColor kLightGreen{0x80, 0xFF, 0x80};   // a test question answered rightly
inline const QColor kLightRed{0xFF, 0x80, 0x80};     // a test question answered wrongly

// A sky-blue rounded button with its component name and caption, placed when a place
// is given.
controls::RoundButton* roundButton(QWidget* parent, const QString& name,
                                   const QString& caption = QString(),
                                   const QRect& place = QRect());

// Puts a record's six answers on their buttons: texts, or pictures from the category's
// folder when the answers are pictures. E and F and their letters show only when the
// record has them.
void showAnswers(const bank::QuestionRecord& record, const bank::CategoryInfo& category,
                 const QString& programFolder, controls::RoundButton* const buttons[6],
                 QLabel* letterE, QLabel* letterF);

// A knowledge-bank text, shown from its start.
void showKnowledge(QPlainTextEdit* memo, const QString& text);

}  // namespace app
