#pragma once
// The Order window (TFormTopTen): the ten best cycle results of the club file of the current
// kind written on the scroll, and below it two small animations that move only while
// GifAnimation is on. "Ok" (Button1) or Escape closes it. Client area 460 x 700.

#include <QDialog>
#include <filesystem>

class QLabel;
class QMovie;
class QPushButton;

namespace zendral {

struct Settings;

class TFormTopTen : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 460;
  static constexpr int kClientHeight = 700;

  TFormTopTen(const Settings& settings, std::filesystem::path programFolder,
              QWidget* parent = nullptr);

  // Reads the club file again and redraws; called on every activation.
  void Refresh();

  bool AnimationsRunning() const;
  QLabel* Picture() const { return picture_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const Settings& settings_;
  std::filesystem::path programFolder_;
  QLabel* picture_;
  QLabel* topTenAnimation_;
  QLabel* clubAnimation_;
  QMovie* topTenMovie_;
  QMovie* clubMovie_ = nullptr;
  bool clubMovieNet_ = false;
  QPushButton* ok_;
};

}  // namespace zendral
