#pragma once
// The colours of one GIF frame. A frame of the table rarely needs more than 256 colours in
// the part that changed, and then keeps them exactly; where it does need more (the court
// cards' shading at the large sizes), the colours are reduced by a median cut weighted by how
// many pixels use each colour, refined by a few rounds of nearest-mean, and every pixel takes
// the nearest colour without dithering, so text and card edges stay clean.

#include <QRgb>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace zendral {

// Colour (0xRRGGBB, no alpha) → number of pixels using it.
using ColourCounts = std::unordered_map<std::uint32_t, std::uint32_t>;

struct FramePalette {
  std::vector<std::uint32_t> colours;  // 0xRRGGBB, at most the number asked for
  // Colour → its index in colours, for every colour of the counts it was made from.
  std::unordered_map<std::uint32_t, std::uint8_t> index;
  bool exact = false;  // every colour kept as it is
};

// A palette of at most maxColours (1..256) for the counted colours.
FramePalette MakePalette(const ColourCounts& counts, int maxColours);

}  // namespace zendral
