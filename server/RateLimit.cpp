#include "RateLimit.h"

#include <QDateTime>

#include <algorithm>

namespace zendral::server {
namespace {

struct Allowance {
  double burst;
  double windowSeconds;
};

Allowance AllowanceOf(LimitKind kind) {
  switch (kind) {
    case LimitKind::kLogIn:
      return {20, 60};
    case LimitKind::kCreate:
      return {5, 3600};
    case LimitKind::kChat:
      return {10, 60};
    case LimitKind::kStats:
      return {60, 60};
    // A cycle is 30 kons against the computer: more than half an hour of play. A household
    // may have a few players; one name files a cycle or two an hour at most.
    case LimitKind::kCycleFromAddress:
      return {4, 3600};
    case LimitKind::kCycleOfName:
      return {2, 3600};
  }
  return {1, 60};
}

}  // namespace

bool RateLimit::Allow(LimitKind kind, const QString& address) {
  const Allowance a = AllowanceOf(kind);
  const double burst = a.burst * scale_;
  const double perMs = burst / (a.windowSeconds * 1000.0);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (buckets_.size() > 100000) buckets_.clear();  // a flood of addresses: start afresh
  const QString key = QString::number(static_cast<int>(kind)) + '|' + address;
  auto it = buckets_.find(key);
  if (it == buckets_.end()) it = buckets_.insert(key, Bucket{burst, now});
  Bucket& b = *it;
  b.tokens = std::min(burst, b.tokens + static_cast<double>(now - b.lastMs) * perMs);
  b.lastMs = now;
  if (b.tokens < 1.0) return false;
  b.tokens -= 1.0;
  return true;
}

}  // namespace zendral::server
