#pragma once
// Per-address allowances for the requests that cost the server or that people could flood:
// log-ins, account creation, chat messages, statistics reports and filings of local cycles. Each
// kind allows a burst and refills evenly over its window. Kept in the process: a club with several
// servers gets each server's allowance, which is enough to stop a flood.

#include <QHash>
#include <QString>

namespace zendral::server {

enum class LimitKind {
  kLogIn,
  kCreate,
  kChat,
  kStats,
  kCycleFromAddress,  // local cycles filed in the world table, per address
  kCycleOfName,       // the same per passport name (the address is the name then)
};

class RateLimit {
 public:
  // scale multiplies every allowance (tests and benchmarks lift the limits with a large one).
  explicit RateLimit(double scale = 1.0) : scale_(scale) {}
  // True when the address may go on; takes one unit of its allowance.
  bool Allow(LimitKind kind, const QString& address);

 private:
  struct Bucket {
    double tokens = 0;
    qint64 lastMs = 0;
  };
  double scale_;
  QHash<QString, Bucket> buckets_;
};

}  // namespace zendral::server
