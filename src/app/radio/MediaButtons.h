#pragma once
// The widgets of the music player and the radio on the main window: a picture button that
// acts on the release of a press (and tells where it was released, on the full-size picture),
// the three buttons of the online music player, and the radio icon (shelf, radio and lamp).
// Both draw their pictures to whatever size the menu gives them.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPainter;

namespace zendral::radioui {

class PictureButton : public QWidget {
 public:
  PictureButton(const char* objectName, QWidget* parent);

  void SetPicture(const QImage& picture);
  // Text written over the picture (the music volume), in the font and colour given.
  void SetCaption(const QString& text, const QFont& font, const QColor& colour);

  // A left press shows the button pressed; the release over the button calls this with the
  // release point's distance from the picture's left edge.
  std::function<void(int x)> onRelease;
  // Called when the mouse enters, before the hint shows (the hint may be set here).
  std::function<void()> onEnter;

  bool Pressed() const { return pressed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  QImage picture_;
  QString caption_;
  QFont font_;
  QColor colour_;
  bool pressed_ = false;
};

// The radio icon: the shelf, the radio and a lamp, drawn to the icon's size. A left click
// switches the radio, a right click opens the radio window.
class RadioIconWidget : public QWidget {
 public:
  explicit RadioIconWidget(QWidget* parent);
  // The part of the pictures' 220 x 125 box that the shelf and the radio cover: the icon's
  // full size.
  static QRect ContentBox();
  void SetLamp(const QString& lampPicture);
  const QString& Lamp() const { return lamp_; }

  std::function<void()> onLeftClick;
  std::function<void()> onRightClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Paint(QPainter& p, const QStringList& pictures) const;

  QString lamp_ = QStringLiteral("GRadioB");
};

}  // namespace zendral::radioui
