#include "PasswordQueue.h"

#include <QDateTime>
#include <QHostAddress>
#include <QTimer>

#include <algorithm>

namespace zendral::server {
namespace {

// Wrong passwords that cost nothing more; then the wait doubles from a quarter second up to
// sixteen. A caller that stays away this long starts afresh.
constexpr int kFreeFailures = 3;
constexpr int kFirstDelayMs = 250;
constexpr int kLongestDelayMs = 16000;
constexpr qint64 kForgetFailuresMs = 15 * 60 * 1000;

}  // namespace

QString CallerKey(const QString& address) {
  QHostAddress a(address);
  if (a.protocol() != QAbstractSocket::IPv6Protocol) return address;
  bool v4 = false;
  const quint32 mapped = a.toIPv4Address(&v4);
  if (v4) return QHostAddress(mapped).toString();
  Q_IPV6ADDR bytes = a.toIPv6Address();
  for (int i = 8; i < 16; ++i) bytes[i] = 0;
  return QHostAddress(bytes).toString() + QStringLiteral("/64");
}

PasswordQueue::PasswordQueue(int workers) : workers_(std::max(1, workers)) {
  pool_.setMaxThreadCount(workers_);
}

PasswordQueue::~PasswordQueue() {
  pool_.waitForDone();
}

bool PasswordQueue::Submit(PasswordJob job, int delayMs) {
  int& mine = perCaller_[job.caller];
  if (mine >= kPasswordChecksPerCaller || total_ >= kPasswordChecksWaiting) {
    if (mine == 0) perCaller_.remove(job.caller);
    return false;
  }
  ++mine;
  ++total_;
  if (delayMs <= 0) {
    Enqueue(std::move(job));
  } else {
    QTimer::singleShot(delayMs, this,
                       [this, job = std::move(job)]() mutable { Enqueue(std::move(job)); });
  }
  return true;
}

void PasswordQueue::Enqueue(PasswordJob job) {
  auto& line = waiting_[job.caller];
  if (line.empty()) turns_.push_back(job.caller);
  line.push_back(std::move(job));
  Dispatch();
}

void PasswordQueue::Dispatch() {
  while (running_ < workers_ && !turns_.empty()) {
    const QString caller = turns_.front();
    turns_.pop_front();
    auto& line = waiting_[caller];
    PasswordJob job = std::move(line.front());
    line.pop_front();
    if (line.empty()) {
      waiting_.remove(caller);
    } else {
      turns_.push_back(caller);  // its next check waits for everybody else's turn
    }
    ++running_;
    pool_.start([this, job = std::move(job)] {
      const QByteArray result = job.work();
      QMetaObject::invokeMethod(
          this,
          [this, job, result] {
            --running_;
            --total_;
            if (--perCaller_[job.caller] <= 0) perCaller_.remove(job.caller);
            job.done(result);
            Dispatch();
          },
          Qt::QueuedConnection);
    });
  }
}

int PasswordBackoff::DelayMs(const QString& nick, const QString& caller) {
  const auto it = failures_.constFind(nick + QLatin1Char('|') + caller);
  if (it == failures_.constEnd()) return 0;
  if (QDateTime::currentMSecsSinceEpoch() - it->lastMs > kForgetFailuresMs) return 0;
  const int over = it->count - kFreeFailures;
  if (over < 0) return 0;
  return std::min(kLongestDelayMs, kFirstDelayMs << std::min(over, 10));
}

void PasswordBackoff::Record(const QString& nick, const QString& caller, bool right) {
  const QString key = nick + QLatin1Char('|') + caller;
  if (right) {
    failures_.remove(key);
    return;
  }
  if (failures_.size() > 100000) failures_.clear();  // a flood of names: start afresh
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  Failures& f = failures_[key];
  if (now - f.lastMs > kForgetFailuresMs) f.count = 0;
  ++f.count;
  f.lastMs = now;
}

}  // namespace zendral::server
