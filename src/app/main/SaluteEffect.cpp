#include "app/main/SaluteEffect.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>

#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"
#include "store/Settings.h"

namespace zendral {

// ---- The overlay.

SaluteOverlay::SaluteOverlay(const QImage& strip, QWidget* window)
    : QWidget(window), strip_(strip) {
  setObjectName("SaluteOverlay");
  // The table and the windows below show through; clicks and the pointer's moves pass on.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
  resize(kSaluteFrameSize, kSaluteFrameSize);
}

void SaluteOverlay::ShowFrame(int frame) {
  frame_ = frame;
  repaint();
}

void SaluteOverlay::paintEvent(QPaintEvent*) {
  if (frame_ < 1) return;
  // Frame i lies (i - 1) frame widths into the strip.
  const QRect source((frame_ - 1) * kSaluteFrameSize, 0, kSaluteFrameSize, kSaluteFrameSize);
  QPainter painter(this);
  painter.drawImage(rect(), strip_, source);
}

// ---- The effect.

SaluteEffect::SaluteEffect(const Settings& settings, const std::filesystem::path& programFolder,
                           int& busy, Hooks hooks)
    : settings_(settings), programFolder_(programFolder), busy_(busy), hooks_(std::move(hooks)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

SaluteEffect::~SaluteEffect() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool SaluteEffect::PlaySalute(QPoint globalCentre) {
  if (playing_) return false;
  QImage strip;
  if (!LoadPackPng(kSalutePicture, kPackGraphics, strip, programFolder_)) return false;
  // A strip shorter than one frame is not a salute; a shorter strip leaves its last frames empty.
  if (strip.width() < kSaluteFrameSize || strip.height() < kSaluteFrameSize) return false;
  QPointer<QWidget> window = QApplication::topLevelAt(globalCentre);
  if (window == nullptr) window = hooks_.mainWindow;
  if (window == nullptr) return false;

  playing_ = true;
  ++busy_;
  const QPoint half(kSaluteFrameSize / 2, kSaluteFrameSize / 2);
  QPointer<SaluteOverlay> overlay = new SaluteOverlay(strip, window);
  overlay->move(window->mapFromGlobal(globalCentre) - half);
  const QRect covered = overlay->geometry();
  overlay->show();
  overlay->raise();
  for (int frame = 1; frame <= kSaluteFrames && overlay != nullptr; ++frame) {
    overlay->ShowFrame(frame);
    if (onFrame) onFrame(*overlay);
    if (hooks_.hold) hooks_.hold(kSaluteFrameMs);
  }
  delete overlay.data();
  // What lay below comes back at once.
  if (window != nullptr) window->repaint(covered);
  --busy_;
  playing_ = false;
  ++played_;
  return true;
}

bool SaluteEffect::IsGreetedClick(QObject* watched, const QEvent& event) {
  if (event.type() != QEvent::MouseButtonRelease) return false;
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  if (mouse.button() != Qt::LeftButton) return false;
  const QPoint at = mouse.position().toPoint();
  if (auto* menu = qobject_cast<QMenu*>(watched)) {
    const QAction* action = menu->actionAt(at);
    return action != nullptr && action->isEnabled() && !action->isSeparator() &&
           action->menu() == nullptr;
  }
  auto* button = qobject_cast<QAbstractButton*>(watched);
  // Tick boxes and option buttons are settings, not buttons that act.
  if (button == nullptr || qobject_cast<QCheckBox*>(button) != nullptr ||
      qobject_cast<QRadioButton*>(button) != nullptr) {
    return false;
  }
  // A click: the press was on the button and the release is still over it.
  return button->isEnabled() && button->isVisible() && button->isDown() &&
         button->rect().contains(at);
}

bool SaluteEffect::eventFilter(QObject* watched, QEvent* event) {
  if (settings_.SaluteButtons && !playing_ && IsGreetedClick(watched, *event)) {
    PlaySalute(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
  }
  return false;
}

}  // namespace zendral
