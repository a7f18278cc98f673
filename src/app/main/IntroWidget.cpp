#include "app/main/IntroWidget.h"

#include <QKeyEvent>
#include <QPainter>

#include "app/main/ProgramVersion.h"
#include "app/main/TitlePicture.h"
#include "appart/AppArtLibrary.h"
#include "art/ArtLibrary.h"
#include "present/draw/TableDrawing.h"
#include "present/words/IntroWords.h"
#include "present/words/Words.h"

namespace zendral {

namespace {

constexpr int kTicksPerCard = 4;      // a card every 80 ms at the intro's 20 ms ticks
constexpr int kTicksFullLayout = 75;  // the full layout stands 1.5 s before it starts again

// The order the layout grows in: the four nines, then outward one step at a time in each
// suit, the lower card before the higher.
TCardCode IntroCard(int n) {
  if (n < kSuits) return TCardCode(kNineRank, n + 1);
  const int k = n - kSuits;
  const int step = k / (2 * kSuits) + 1;
  const int suit = (k % (2 * kSuits)) / 2 + 1;
  const bool lower = k % 2 == 0;
  const int rank = lower ? kNineRank - step : kNineRank + step;
  // The ace stands alone at step 5; its lower partner would be off the deck.
  return rank >= 1 && rank <= kRanks ? TCardCode(rank, suit) : kEmptyCard;
}

Layout IntroLayout(int shown) {
  Layout layout;
  for (int n = 0, placed = 0; placed < shown && n < 2 * kDeckSize; ++n) {
    const TCardCode card = IntroCard(n);
    if (card.IsEmpty()) continue;
    layout.Put(card);
    ++placed;
  }
  return layout;
}

}  // namespace

IntroWidget::IntroWidget(std::function<void()> ended, QWidget* parent)
    : QWidget(parent), ended_(std::move(ended)) {
  InitArtLibrary();
  InitAppArtLibrary();
  setObjectName("Intro");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

IntroWidget::~IntroWidget() = default;

void IntroWidget::Tick() {
  ++tick_;
  const int cycle = kDeckSize * kTicksPerCard + kTicksFullLayout;
  const int t = tick_ % cycle;
  const int shown = std::min(kDeckSize, t / kTicksPerCard);
  if (shown != shown_ || (shown == kDeckSize && !hinted_)) {
    hinted_ = hinted_ || shown == kDeckSize;
    shown_ = shown;
    update();
  }
}

void IntroWidget::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (!art_ || art_->dpr() != dpr) {
    art_ = std::make_unique<TableArt>(1, ClientSize{width(), height()}, dpr);
  }
  QPainter p(this);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  DrawBackground(p, *art_, {0, 0, width(), height()});
  // The title in the language of the settings, as the menu shows it.
  const QRect title(180, 30, 400, 70);
  if (caption_.isNull() || caption_.devicePixelRatio() != dpr) {
    const std::string_view code = PictureCode(Language());
    const QImage image = TitlePictureAt(
        "Cap" + QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())),
        title.size() * dpr);
    if (!image.isNull()) {
      caption_ = QPixmap::fromImage(image);
      caption_.setDevicePixelRatio(dpr);
    }
  }
  if (!caption_.isNull()) p.drawPixmap(title.topLeft(), caption_);
  ::zendral::DrawLayout(p, *art_, IntroLayout(shown_));

  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(22);
  p.setFont(font);
  const QRect version(width() - 160, height() - 48, 140, 32);
  p.setPen(QColor(0, 0, 0, 140));
  p.drawText(version.translated(2, 2), Qt::AlignRight | Qt::AlignVCenter, kVersionText);
  p.setPen(QColor(250, 215, 110));
  p.drawText(version, Qt::AlignRight | Qt::AlignVCenter, kVersionText);

  if (hinted_) {
    QFont small("DejaVu Sans");
    small.setPixelSize(16);
    p.setFont(small);
    const QRect hint(0, height() - 90, width(), 24);  // centred under the layout
    const QString text = QString::fromUtf8(Word(kWordIntroHint).data(),
                                           static_cast<qsizetype>(Word(kWordIntroHint).size()));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(hint.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(QColor(255, 250, 230));
    p.drawText(hint, Qt::AlignCenter, text);
  }
}

// The intro's felt, cards and title are not kept for the rest of the run; a window that shows
// the intro again draws them again.
void IntroWidget::hideEvent(QHideEvent*) {
  art_.reset();
  caption_ = QPixmap();
}

void IntroWidget::mousePressEvent(QMouseEvent*) {
  ended_();
}

void IntroWidget::keyPressEvent(QKeyEvent*) {
  ended_();
}

}  // namespace zendral
