#pragma once
// The program's own push button: a face put together from a left cap, a middle strip and a
// right cap, painted for the button's height in one of four colour schemes, in one of two
// drawing styles ("New buttons" in Options chooses the second), with its own text colour and
// a second text colour under the mouse.

#include <QColor>
#include <QImage>
#include <QPushButton>

namespace zendral {

enum class ButtonScheme { DNavy, DRed, DBlue, DCards };

// The three pictures of a face at a height in device pixels. Caps are as wide as the face's
// rounding needs; the middle strip is one pixel wide and is stretched across the rest.
struct ButtonSlices {
  QImage left;
  QImage middle;
  QImage right;
};

// highlight (0..100) lightens the whole face towards white by that many percent.
ButtonSlices PaintButtonSlices(ButtonScheme scheme, bool secondStyle, int highlight, int height);

// The font, a pixel smaller at a time, until the text fits the width (never below 6 pixels).
QFont FittingFont(const QFont& font, const QString& text, int width);

class TKovCardsButton : public QPushButton {
 public:
  explicit TKovCardsButton(QWidget* parent = nullptr);

  void SetScheme(ButtonScheme scheme);
  ButtonScheme Scheme() const { return scheme_; }
  void SetSecondStyle(bool on);
  bool SecondStyle() const { return secondStyle_; }
  void SetHighlight(int percent);
  void SetTextColours(const QColor& normal, const QColor& underMouse);
  QColor TextColour() const { return textColour_; }
  // The colour the text has now: under the mouse, the second colour.
  QColor ShownTextColour() const;
  // Left-aligned text starts this many pixels in; otherwise the text is centred.
  void SetLeftAligned(bool left, int indent);
  // A face that only shows a caption: no hover colour, no press, clicks pass through.
  void SetCaptionOnly(bool on);
  // A yellow rim while the button has the keyboard focus (the table's buttons, reached by Tab).
  void SetFocusRim(bool on) { focusRim_ = on; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ButtonScheme scheme_ = ButtonScheme::DRed;
  bool secondStyle_ = false;
  int highlight_ = 0;
  QColor textColour_ = Qt::white;
  QColor hoverColour_ = QColor(255, 255, 0);
  bool leftAligned_ = false;
  int indent_ = 0;
  bool captionOnly_ = false;
  bool focusRim_ = false;
  bool underMouse_ = false;
};

}  // namespace zendral
