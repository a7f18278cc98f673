#pragma once
// The header strip of a secondary window, in the look chosen by "Auxiliary Window Design":
//   look 1: the window's caption picture of the graphics pack (short name + picture code,
//           "Options" + "Rus");
//   look 2: the program's own ribbon "GCap300" with the window's title in upper case;
//   look 3: the window's header picture of the graphics pack ("GFormOpt" + "Rus").
// Looks 1 and 3 fall back to look 2 when the pack picture cannot be had.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "app/windows/WindowResources.h"
#include "present/words/Words.h"

namespace zendral {

struct Settings;

inline constexpr int kHeaderLookConcise = 1;
inline constexpr int kHeaderLookRibbon = 2;
inline constexpr int kHeaderLookRedRibbons = 3;

// The names a window's header is known by.
struct HeaderNames {
  const char* caption;  // look 1: "Options", "Speed", "History"
  const char* form;     // look 3: "GFormOpt", "GFormSpeed", "GFormHistory"
  const TWordRow* title;
};

class WindowHeader : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 50;

  WindowHeader(const Settings& settings, HeaderNames names, PackPictureLoader packPicture,
               QWidget* parent = nullptr);

  // The look drawn now: the chosen one, or 2 when its picture is missing.
  int LookShown() const { return lookShown_; }
  // The text on the ribbon with look 2.
  QString RibbonText() const;

  // Reads the look and the language again and repaints.
  void Refresh();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintRibbon(QPainter& p);

  const Settings& settings_;
  HeaderNames names_;
  PackPictureLoader packPicture_;
  QImage packImage_;
  int lookShown_ = kHeaderLookRibbon;
};

}  // namespace zendral
