#include "platform/inifile.h"

#include <SimpleIni.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

struct IniFile::Data {
  CSimpleIniA ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};
};

IniFile::IniFile() : data_(std::make_unique<Data>()) {
  data_->ini.SetSpaces(false);
  data_->ini.SetQuotes(false);
}

IniFile::~IniFile() = default;

bool IniFile::load(const QString& path) {
  data_->ini.Reset();
  QFile file(path);
  if (!file.exists())
    return true;
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray bytes = file.readAll();
  return data_->ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) >= 0;
}

bool IniFile::save(const QString& path) const {
  std::string text;
  if (data_->ini.Save(text) < 0)
    return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

QString IniFile::value(const QString& section, const QString& key,
                       const QString& defaultValue) const {
  const QByteArray s = section.toUtf8();
  const QByteArray k = key.toUtf8();
  const char* found = data_->ini.GetValue(s.constData(), k.constData(), nullptr);
  if (!found)
    return defaultValue;
  return QString::fromUtf8(found).trimmed();
}

bool IniFile::contains(const QString& section, const QString& key) const {
  const QByteArray s = section.toUtf8();
  const QByteArray k = key.toUtf8();
  return data_->ini.GetValue(s.constData(), k.constData(), nullptr) != nullptr;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
  // Line breaks would start a new entry in the file; a profile value is one line.
  QString oneLine = value;
  oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const QByteArray s = section.toUtf8();
  const QByteArray k = key.toUtf8();
  const QByteArray v = oneLine.trimmed().toUtf8();
  data_->ini.SetValue(s.constData(), k.constData(), v.constData());
}

QStringList IniFile::sections() const {
  CSimpleIniA::TNamesDepend names;
  data_->ini.GetAllSections(names);
  names.sort(CSimpleIniA::Entry::LoadOrder());
  QStringList result;
  for (const auto& entry : names)
    result << QString::fromUtf8(entry.pItem);
  return result;
}

QStringList IniFile::keys(const QString& section) const {
  CSimpleIniA::TNamesDepend names;
  const QByteArray s = section.toUtf8();
  data_->ini.GetAllKeys(s.constData(), names);
  names.sort(CSimpleIniA::Entry::LoadOrder());
  QStringList result;
  for (const auto& entry : names)
    result << QString::fromUtf8(entry.pItem);
  return result;
}

QString IniFile::read(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue) {
  IniFile ini;
  if (!ini.load(path))
    return defaultValue;
  return ini.value(section, key, defaultValue);
}

bool IniFile::write(const QString& path, const QString& section, const QString& key,
                    const QString& value) {
  IniFile ini;
  if (!QFileInfo(path).dir().exists())
    return false;
  if (!ini.load(path))
    return false;
  ini.setValue(section, key, value);
  return ini.save(path);
}

}  // namespace platform
