#include "present/record/GifPalette.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zendral {

namespace {

// A colour is kept exactly when at least one pixel in this many has it.
constexpr std::uint64_t kKeptShare = 200;

struct Entry {
  std::array<int, 3> c;  // r, g, b
  std::uint32_t colour;
  std::uint32_t count;
};

// A box of the median cut: a range of entries with the sums that give its mean and spread.
struct Box {
  std::size_t begin, end;
  double error = 0;  // sum over its pixels of the squared distance to its mean
  int axis = 0;      // the channel of the largest spread
};

void Measure(const std::vector<Entry>& entries, Box& box) {
  std::array<double, 3> sum{}, squares{};
  double n = 0;
  for (std::size_t k = box.begin; k < box.end; ++k) {
    const Entry& e = entries[k];
    n += e.count;
    for (int a = 0; a < 3; ++a) {
      sum[a] += static_cast<double>(e.c[a]) * e.count;
      squares[a] += static_cast<double>(e.c[a]) * e.c[a] * e.count;
    }
  }
  box.error = 0;
  double widest = -1;
  for (int a = 0; a < 3; ++a) {
    const double spread = n > 0 ? squares[a] - sum[a] * sum[a] / n : 0;
    box.error += spread;
    if (spread > widest) {
      widest = spread;
      box.axis = a;
    }
  }
  if (box.end - box.begin < 2) box.error = 0;
}

std::array<double, 3> Mean(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
  std::array<double, 3> sum{};
  double n = 0;
  for (std::size_t k = begin; k < end; ++k) {
    n += entries[k].count;
    for (int a = 0; a < 3; ++a) sum[a] += static_cast<double>(entries[k].c[a]) * entries[k].count;
  }
  for (double& s : sum) s = n > 0 ? s / n : 0;
  return sum;
}

// Green weighs most and blue least, roughly as the eye sees differences.
int Distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
  const int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::uint32_t Pack(const std::array<int, 3>& c) {
  return static_cast<std::uint32_t>(c[0] << 16 | c[1] << 8 | c[2]);
}

std::array<int, 3> Rounded(const std::array<double, 3>& m) {
  std::array<int, 3> c{};
  for (int a = 0; a < 3; ++a) c[a] = std::clamp(static_cast<int>(m[a] + 0.5), 0, 255);
  return c;
}

}  // namespace

FramePalette MakePalette(const ColourCounts& counts, int maxColours) {
  maxColours = std::clamp(maxColours, 1, 256);
  FramePalette palette;
  std::vector<Entry> entries;
  entries.reserve(counts.size());
  for (const auto& [colour, count] : counts) {
    entries.push_back({{static_cast<int>(colour >> 16 & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                        static_cast<int>(colour & 0xFF)},
                       colour,
                       count});
  }
  // A fixed order, so that a recording comes out the same every time.
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

  if (static_cast<int>(entries.size()) <= maxColours) {
    palette.exact = true;
    for (const Entry& e : entries) {
      palette.index[e.colour] = static_cast<std::uint8_t>(palette.colours.size());
      palette.colours.push_back(e.colour);
    }
    return palette;
  }

  // The colours that cover much of the frame (the felt, the white of the cards, the black of
  // their text) are kept exactly; the median cut shares the rest of the table among the others.
  std::uint64_t pixels = 0;
  for (const Entry& e : entries) pixels += e.count;
  std::vector<Entry> byCount = entries;
  std::stable_sort(byCount.begin(), byCount.end(),
                   [](const Entry& a, const Entry& b) { return a.count > b.count; });
  std::vector<std::array<int, 3>> means;
  const std::size_t mostKept = static_cast<std::size_t>(maxColours) / 4;
  for (const Entry& e : byCount) {
    if (means.size() >= mostKept || e.count * kKeptShare < pixels) break;
    means.push_back(e.c);
  }
  const std::size_t kept = means.size();
  std::erase_if(entries, [&](const Entry& e) {
    return std::find(means.begin(), means.end(), e.c) != means.end();
  });

  // The median cut: the box with the largest error is split at the pixel median of its
  // widest channel, until there are as many boxes as colours.
  std::vector<Box> boxes{{0, entries.size()}};
  Measure(entries, boxes[0]);
  while (static_cast<int>(boxes.size() + kept) < maxColours) {
    const auto worst = std::max_element(
        boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.error < b.error; });
    if (worst->error <= 0) break;
    Box box = *worst;
    const int axis = box.axis;
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.begin),
              entries.begin() + static_cast<std::ptrdiff_t>(box.end),
              [axis](const Entry& a, const Entry& b) {
                return a.c[axis] != b.c[axis] ? a.c[axis] < b.c[axis] : a.colour < b.colour;
              });
    double total = 0;
    for (std::size_t k = box.begin; k < box.end; ++k) total += entries[k].count;
    double running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t k = box.begin; k < box.end - 1; ++k) {
      running += entries[k].count;
      split = k + 1;
      if (running >= total / 2) break;
    }
    Box low{box.begin, split}, high{split, box.end};
    Measure(entries, low);
    Measure(entries, high);
    *worst = low;
    boxes.push_back(high);
  }
  for (const Box& box : boxes) {
    if (box.end > box.begin) means.push_back(Rounded(Mean(entries, box.begin, box.end)));
  }

  // A few rounds of nearest-mean move each colour to the middle of the pixels it stands for;
  // the colours kept exactly stay where they are.
  std::vector<std::uint8_t> nearest(entries.size());
  const auto assign = [&] {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      int best = std::numeric_limits<int>::max();
      for (std::size_t m = 0; m < means.size(); ++m) {
        const int d = Distance(entries[k].c, means[m]);
        if (d < best) {
          best = d;
          nearest[k] = static_cast<std::uint8_t>(m);
        }
      }
    }
  };
  for (int round = 0; round < 2; ++round) {
    assign();
    std::vector<std::array<double, 4>> sums(means.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
      auto& s = sums[nearest[k]];
      for (int a = 0; a < 3; ++a) s[a] += static_cast<double>(entries[k].c[a]) * entries[k].count;
      s[3] += entries[k].count;
    }
    for (std::size_t m = kept; m < means.size(); ++m) {
      if (sums[m][3] > 0) {
        means[m] =
            Rounded({sums[m][0] / sums[m][3], sums[m][1] / sums[m][3], sums[m][2] / sums[m][3]});
      }
    }
  }
  assign();

  for (std::size_t k = 0; k < kept; ++k)
    palette.index[Pack(means[k])] = static_cast<std::uint8_t>(k);
  for (const auto& m : means) palette.colours.push_back(Pack(m));
  for (std::size_t k = 0; k < entries.size(); ++k) palette.index[entries[k].colour] = nearest[k];
  return palette;
}

}  // namespace zendral
