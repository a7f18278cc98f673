#pragma once
// The balloon the main menu shows under (or over) an icon the pointer rests on.

#include <QFont>
#include <QString>
#include <QWidget>

class QTimer;

namespace zendral {

// The balloon of an icon: a maroon title over a red text on light yellow in a red frame, with
// its arrow towards the icon; it closes by itself after five seconds.
class MenuBalloon : public QWidget {
 public:
  static constexpr int kShownMs = 5000;
  explicit MenuBalloon(QWidget* parent);
  void ShowFor(const QWidget* icon, const QString& title, const QString& text,
               const QString& fontFamily);
  const QString& Title() const { return title_; }
  const QString& Text() const { return text_; }
  bool BelowIcon() const { return below_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont TitleFont() const;
  QFont TextFont() const;

  QString title_;
  QString text_;
  QString family_;
  int arrowX_ = 0;
  bool below_ = true;  // below the icon, the arrow up; else above it, the arrow down
  QTimer* timer_;
};

}  // namespace zendral
