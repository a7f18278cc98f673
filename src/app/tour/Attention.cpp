#include "app/tour/Attention.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"

namespace zendral::tour {

int Attention::ClientWidth(int widestLine) {
  const int w = widestLine + kAttentionMargin;
  return w >= 350 ? w + 50 : 400;
}

Attention::Attention(const QStringList& lines, QWidget* parent) : QDialog(parent) {
  setObjectName("Attention");
  setWindowTitle(WordText(kWordAttention));
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(20);
  font.setBold(true);
  const QFontMetrics metrics(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kAttentionMargin, 16, kAttentionMargin, 12);
  int widest = 0;
  for (int i = 0; i < lines.size() && i < 3; ++i) {
    if (lines[i].isEmpty()) continue;
    auto* label = new QLabel(lines[i], this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    QFont f = font;
    if (i == 2) {
      f.setUnderline(true);
      label->setCursor(Qt::PointingHandCursor);
      label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
      label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(lines[i].toHtmlEscaped()));
      connect(label, &QLabel::linkActivated, this,
              [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    }
    label->setFont(f);
    layout->addWidget(label);
    widest = std::max(widest, metrics.horizontalAdvance(lines[i]));
  }
  auto* ok = new QPushButton(WordText(kWordOk), this);
  ok->setObjectName("OkButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedWidth(ClientWidth(widest));
}

}  // namespace zendral::tour
