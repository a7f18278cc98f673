#pragma once
// The program's small notice window titled "Attention": up to three lines (an empty line is
// hidden) in "Comic Sans MS" bold at height 20, the third underlined and opened with the
// system's "open" action when clicked, and "Ok". Its client width is the widest line plus the
// left margin, plus 50 when that is at least 350, else exactly 400.

#include <QDialog>
#include <QString>
#include <QStringList>

namespace zendral::tour {

inline constexpr int kAttentionMargin = 20;

class Attention : public QDialog {
 public:
  explicit Attention(const QStringList& lines, QWidget* parent = nullptr);
  static int ClientWidth(int widestLine);
};

}  // namespace zendral::tour
