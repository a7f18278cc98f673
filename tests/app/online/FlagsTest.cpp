// The small flags of the countries: the flags that were drawn like another country's now show
// what tells them apart.

#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <string>

#include "app/online/OnlineArt.h"
#include "online/Countries.h"

namespace zendral {
namespace {

std::optional<std::string> CodeOf(std::string_view english) {
  for (int continent = 1; continent <= online::kContinents; ++continent) {
    const auto table = online::ContinentCountries(continent);
    for (std::size_t index = 1; index < table.size(); ++index) {
      if (table[index].english == english) {
        return online::CountryCode(continent, static_cast<int>(index));
      }
    }
  }
  return std::nullopt;
}

TEST(Flags, TheFlagsOnceDrawnAsOthersShowTheirOwnMarks) {
  const QRgb red = 0xFFD52B1E, blue = 0xFF0039A6, yellow = 0xFFFCD116, white = 0xFFFFFFFF;
  const struct {
    const char* country;
    int x, y;
    QRgb colour;
    const char* what;
  } cases[] = {
      {"Faroe Islands", 4, 5, red, "the red line of the cross"},
      {"Faroe Islands", 5, 6, blue, "the blue edge of the cross (not the English cross)"},
      {"Guernsey", 6, 5, yellow, "the gold cross inside the red one"},
      {"Guernsey", 7, 6, red, "the red cross"},
      {"Gibraltar", 5, 4, red, "the castle"},
      {"Gibraltar", 7, 10, red, "the red lower stripe (not Japan's disc alone)"},
      {"Gibraltar", 1, 1, white, "the white upper stripe"},
      {"Japan", 1, 10, white, "Japan keeps its white field"},
  };
  for (const auto& c : cases) {
    const auto code = CodeOf(c.country);
    ASSERT_TRUE(code) << c.country;
    const QImage flag = PaintFlag(*code).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(flag.pixel(c.x, c.y), c.colour) << c.country << ": " << c.what;
  }
}

}  // namespace
}  // namespace zendral
