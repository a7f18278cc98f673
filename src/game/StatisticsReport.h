#pragma once
// The report of a finished session to the statistics service: the per-game counters
// R1 … R12. The online layer sends it; the result is not shown and a failure is lost.

#include <array>

namespace zendral {

struct GameCounters {
  std::array<int, 12> R{};  // R[0] is R1
  int& operator()(int n) { return R[static_cast<std::size_t>(n - 1)]; }
  int operator()(int n) const { return R[static_cast<std::size_t>(n - 1)]; }
  friend bool operator==(const GameCounters&, const GameCounters&) = default;
};

class StatisticsReport {
 public:
  virtual ~StatisticsReport() = default;
  virtual void ReportGame(const GameCounters& counters) = 0;
};

}  // namespace zendral
