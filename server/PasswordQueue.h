#pragma once
// Password hashes (argon2id) are slow by design, so they never run on the server's thread: a
// request that needs one waits in this queue and is answered when its hash is done, while the
// server answers everybody else meanwhile.
//
// The queue is fair per caller: each caller (an IPv4 address, or an IPv6 /64, which one
// household or host typically holds whole) may have a few checks waiting, and the workers take
// the callers in turn, so a flood from some callers delays the others by a turn each, never by
// the flood. Past a caller's share or the queue's size the request is refused as "busy".
//
// Repeated wrong passwords for one nick from one caller make that caller's next checks of the
// nick wait longer and longer (the wait counts against the caller's share); they never slow or
// refuse the nick's checks from any other caller, so nobody can lock a member out.

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <deque>
#include <functional>

namespace zendral::server {

inline constexpr int kPasswordChecksPerCaller = 8;
inline constexpr int kPasswordChecksWaiting = 512;

// The part of an address that counts as one caller.
QString CallerKey(const QString& address);

struct PasswordJob {
  QString caller;                               // CallerKey of the request's address
  std::function<QByteArray()> work;             // on a worker; touches no database
  std::function<void(const QByteArray&)> done;  // on the server's thread, with work's result
};

class PasswordQueue : public QObject {
 public:
  explicit PasswordQueue(int workers);
  ~PasswordQueue() override;  // waits for the hashes that run

  // Queues the job to start after delayMs; false when its caller or the queue is full.
  bool Submit(PasswordJob job, int delayMs = 0);
  int Waiting() const { return total_; }

 private:
  void Enqueue(PasswordJob job);
  void Dispatch();

  int workers_;
  int running_ = 0;
  int total_ = 0;                  // delayed, waiting and running
  QHash<QString, int> perCaller_;  // the same per caller
  QHash<QString, std::deque<PasswordJob>> waiting_;
  std::deque<QString> turns_;  // callers with waiting jobs, in turn
  QThreadPool pool_;
};

// How long a caller's next check of a nick waits after its wrong passwords for that nick.
class PasswordBackoff {
 public:
  int DelayMs(const QString& nick, const QString& caller);
  void Record(const QString& nick, const QString& caller, bool right);

 private:
  struct Failures {
    int count = 0;
    qint64 lastMs = 0;
  };
  QHash<QString, Failures> failures_;
};

}  // namespace zendral::server
