#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// An INI file read and written like the classic profile functions: section and key
// names are case-insensitive, values are trimmed, a written key is replaced in place
// or appended to its section, a new section goes to the end, every other line keeps
// its place, and entries are written as key=value. Text is UTF-8.
class IniFile {
 public:
  IniFile();
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Loads the file; a missing file is an empty one. Returns false only when an
  // existing file cannot be read.
  bool load(const QString& path);
  // Writes the whole file atomically (temporary file, then rename), so a crash never
  // leaves half a file. Returns false when the folder is missing or not writable.
  bool save(const QString& path) const;

  QString value(const QString& section, const QString& key,
                const QString& defaultValue = QString()) const;
  bool contains(const QString& section, const QString& key) const;
  void setValue(const QString& section, const QString& key, const QString& value);

  QStringList sections() const;
  QStringList keys(const QString& section) const;

  // One-call helpers: open, access one value, close.
  static QString read(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue);
  static bool write(const QString& path, const QString& section, const QString& key,
                    const QString& value);

 private:
  struct Data;
  std::unique_ptr<Data> data_;
};

}  // namespace platform
