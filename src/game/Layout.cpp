#include "Layout.h"

#include <bit>

namespace zendral {

int Layout::CardsLaid() const {
  int n = 0;
  for (const RankSet row : rows) n += std::popcount(row);
  return n;
}

}  // namespace zendral
