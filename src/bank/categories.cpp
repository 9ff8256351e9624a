#include "bank/categories.h"

namespace bank {

const QVector<CategoryInfo>& categoryTable() {
  static const QVector<CategoryInfo> table = {
      {"A", 827, "0w5aeu.dll", "0w5ap.dll", "0w5ad.dll", "data/obruk/imgsa/", ".png"},
      {"B", 960, "05xbeu.dll", "05xbp.dll", "05xbd.dll", "data/obruk/imgsb/", ".jpg"},
      {"C", 1031, "05xceu.dll", "05xcp.dll", "05xcd.dll", "data/obruk/imgsc/", ".png"},
      {"D", 974, "05deu.dll", "05dp.dll", "05dd.dll", "data/obruk/imgsd/", ".png"},
  };
  return table;
}

const CategoryInfo* categoryInfo(const QString& code) {
  for (const CategoryInfo& category : categoryTable()) {
    if (category.code == code)
      return &category;
  }
  return nullptr;
}

QString bankFileName(const CategoryInfo& category, const QString& languageCode) {
  if (languageCode == QLatin1String("en"))
    return category.englishFile;
  if (languageCode == QLatin1String("pl"))
    return category.polishFile;
  if (languageCode == QLatin1String("de"))
    return category.germanFile;
  return QString();
}

}  // namespace bank
