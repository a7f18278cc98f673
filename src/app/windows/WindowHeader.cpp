#include "app/windows/WindowHeader.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/windows/WindowTexts.h"
#include "store/Settings.h"

namespace zendral {

namespace {

// The ribbon's ends are its folded tails; the columns between are alike and stretch.
constexpr int kRibbonEnd = 40;
constexpr int kRibbonTextMargin = 30;  // free room between the title and each tail
constexpr int kTitleSize = 20;
constexpr int kSmallestTitleSize = 10;

}  // namespace

WindowHeader::WindowHeader(const Settings& settings, HeaderNames names,
                           PackPictureLoader packPicture, QWidget* parent)
    : QWidget(parent), settings_(settings), names_(names), packPicture_(std::move(packPicture)) {
  setObjectName(QStringLiteral("WindowHeader"));
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Refresh();
}

QString WindowHeader::RibbonText() const {
  return UpperTitle(*names_.title);
}

void WindowHeader::Refresh() {
  const int chosen = settings_.WindowLook;
  packImage_ = QImage();
  lookShown_ = kHeaderLookRibbon;
  if ((chosen == kHeaderLookConcise || chosen == kHeaderLookRedRibbons) && packPicture_) {
    const QString code = QString::fromUtf8(PictureCode(Language()).data());
    const QString prefix = chosen == kHeaderLookConcise ? names_.caption : names_.form;
    packImage_ = packPicture_(prefix + code);
    if (!packImage_.isNull()) lookShown_ = chosen;
  }
  update();
}

QSize WindowHeader::sizeHint() const {
  return {300, kHeight};
}

void WindowHeader::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!packImage_.isNull()) {
    const QSize size = packImage_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    p.drawImage(target, packImage_);
    return;
  }
  PaintRibbon(p);
}

void WindowHeader::PaintRibbon(QPainter& p) {
  const QImage ribbon = WindowPicture(QStringLiteral("GCap300"));
  const QString text = RibbonText();
  // The title's font shrinks until the title fits the widest ribbon the window allows.
  const int widest = width() - 2 * kRibbonEnd - 2 * kRibbonTextMargin;
  QFont font = SerifFont(settings_, kTitleSize, true);
  for (int size = kTitleSize; size > kSmallestTitleSize; --size) {
    font = SerifFont(settings_, size, true);
    if (QFontMetrics(font).horizontalAdvance(text) <= widest) break;
  }
  const int textWidth = QFontMetrics(font).horizontalAdvance(text);
  const int ribbonWidth =
      std::clamp(textWidth + 2 * kRibbonEnd + 2 * kRibbonTextMargin,
                 ribbon.isNull() ? 0 : ribbon.width(), std::max(width(), ribbon.width()));
  const int left = (width() - ribbonWidth) / 2;
  const int top = ribbon.isNull() ? 0 : (height() - ribbon.height()) / 2;
  QRect band(left, top, ribbonWidth, ribbon.isNull() ? height() : ribbon.height());
  if (!ribbon.isNull()) {
    const int h = ribbon.height();
    const int middle = ribbon.width() - 2 * kRibbonEnd;
    p.drawImage(QRect(left, top, kRibbonEnd, h), ribbon, QRect(0, 0, kRibbonEnd, h));
    p.drawImage(QRect(left + kRibbonEnd, top, ribbonWidth - 2 * kRibbonEnd, h), ribbon,
                QRect(kRibbonEnd, 0, middle, h));
    p.drawImage(QRect(left + ribbonWidth - kRibbonEnd, top, kRibbonEnd, h), ribbon,
                QRect(ribbon.width() - kRibbonEnd, 0, kRibbonEnd, h));
    // The band of the ribbon stands above its tails: the text goes on the band.
    band = QRect(left, top + 2, ribbonWidth, 34);
  }
  p.setFont(font);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(255, 255, 255, 160));
  p.drawText(band.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(QColor(40, 42, 58));
  p.drawText(band, Qt::AlignCenter, text);
}

}  // namespace zendral
