#pragma once

#include <QPixmap>
#include <QWidget>

namespace controls {

// Shows a picture scaled to the box, keeping its aspect ratio, centred. The accessible
// description tells a screen reader what the picture shows.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Loads a picture file; a file that cannot be read leaves the box empty. Returns
  // whether a picture is shown.
  bool load(const QString& path);
  void setPicture(const QPixmap& picture);
  void clear();
  QPixmap picture() const { return picture_; }
  QString path() const { return path_; }  // the file last loaded, empty otherwise

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QString path_;
};

// A label that acts like a link: a click or Enter/Space emits clicked().
class LinkLabel : public QWidget {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

  QString text() const { return text_; }
  void setText(const QString& text);
  void setColor(const QColor& color);

  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString text_;
  QColor color_{0x1A, 0x5F, 0xB4};
};

}  // namespace controls
