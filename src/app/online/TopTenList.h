#pragma once
// The rows of a top-ten list as the online windows draw them: place, flag, sex icon, nick,
// where the player lives, and the value right-aligned; below them free text lines.

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace zendral {

struct TopTenRow {
  QString place;  // "1."
  QImage flag;    // may be null
  QImage sex;     // may be null
  QString nick;
  QString where;
  QString value;
};

class TopTenList : public QWidget {
 public:
  explicit TopTenList(QWidget* parent = nullptr);

  void SetRows(std::vector<TopTenRow> rows, QStringList below = {});
  // "No Connect" in place of the rows.
  void SetNoConnect(const QString& text);
  const std::vector<TopTenRow>& Rows() const { return rows_; }
  const QStringList& Below() const { return below_; }
  bool NoConnectShown() const { return !noConnect_.isEmpty(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TopTenRow> rows_;
  QStringList below_;
  QString noConnect_;
};

}  // namespace zendral
