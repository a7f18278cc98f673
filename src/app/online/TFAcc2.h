#pragma once
// The profile editor TFAcc2: the fourteen texts of the own profile and the own photo. A change
// to a text enables "Update info"; a click on the photo chooses a JPEG of 200 × 250 pixels,
// which "Refresh photo" uploads.

#include <QDialog>
#include <QImage>
#include <array>

#include "app/online/OnlineUi.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zendral {

class TFAcc2 : public QDialog {
 public:
  static constexpr int kClientWidth = 720;
  static constexpr int kClientHeight = 560;

  TFAcc2(const OnlineUi& ui, const QImage& photo, QWidget* parent = nullptr);

  // The photo click: asks for a file and checks it.
  void ChoosePhoto();
  // Takes a chosen file as the photo click does; false (with the message) when it is no JPEG
  // of 200 × 250.
  bool TakePhotoFile(const QString& path);
  void UpdateInfo();
  void RefreshPhoto();

  bool PhotoChanged() const { return photoChanged_; }
  const QImage& Photo() const { return photo_; }
  QLineEdit* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPhoto();
  void Fill();

  OnlineUi ui_;
  QImage photo_;
  QByteArray chosen_;
  bool photoChanged_ = false;
  std::array<QLineEdit*, 14> fields_{};
  QLabel* picture_;
  QPushButton *update_, *refreshPhoto_, *close_;
};

}  // namespace zendral
