// Statistics charts and the recent-result stars.
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "app/tform1.h"
#include "stats/statsfile.h"

void TForm1::applyChartTitles() {
  // The chart titles follow the language once the statistics page exists.
}

void TForm1::refreshStars(const QString& code) {
  const QString results = stats::StatisticsFile(userIni_, code).resultsForStars();
  const QDir data(programFolder() + QStringLiteral("/data"));
  for (int i = 0; i < 5 && i < results.size(); ++i) {
    QString picture;
    if (results.at(i) == QLatin1Char('0'))
      picture = QStringLiteral("redstar.png");
    if (results.at(i) == QLatin1Char('1'))
      picture = QStringLiteral("greenstar.png");
    if (results.at(i) == QLatin1Char('2'))
      picture = QStringLiteral("greystar.png");
    const QString path = data.filePath(picture);
    // Any other character, or a missing picture, leaves the star as it was.
    if (picture.isEmpty() || !QFileInfo(path).isFile())
      continue;
    starimages[i]->setPixmap(QPixmap(path));
    starimages[i]->setAccessibleName(results.at(i) == QLatin1Char('1') ? QStringLiteral("Passed")
                                                                       : QStringLiteral("Failed"));
  }
}
