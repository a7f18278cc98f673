#include "app/online/TFormThank.h"

#include <QLabel>
#include <QPushButton>

#include "app/online/OnlineText.h"
#include "app/windows/WindowHeader.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

TFormThank::TFormThank(const Settings& settings, PackPictureLoader packPicture, QWidget* parent)
    : QDialog(parent) {
  setObjectName("FormThank");
  setWindowTitle(WordText(kWordSupport));
  setFixedSize(kClientWidth, kClientHeight);
  setStyleSheet("QDialog#FormThank { background: rgb(250, 246, 232); }");
  header_ = new WindowHeader(settings, HeaderNames{"SupportUs", "GFormThank", &kWordSupportUs},
                             std::move(packPicture), this);
  header_->setGeometry(0, 0, kClientWidth, WindowHeader::kHeight);

  const auto line = [&](const char* name, const QString& text, int y, int height, int size,
                        bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(OnlineFont(settings, size, bold));
    label->setGeometry(12, y, kClientWidth - 24, height);
    return label;
  };
  const int top = WindowHeader::kHeight + 16;
  line1_ = line("Label1", WordText(kWordWorkingLongTime), top, 24, 10, false);
  line2_ = line("Label2", WordText(kWordGladOfSupport), top + 26, 24, 10, false);
  support_ = line("Label3", WordText(kWordSupportUs), top + 62, 34, 16, true);
  support_->setStyleSheet("color: rgb(0, 130, 40);");

  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName("BClose");
  close_->setGeometry((kClientWidth - 110) / 2, kClientHeight - 42, 110, 28);
  close_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zendral
