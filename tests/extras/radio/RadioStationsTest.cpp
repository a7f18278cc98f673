#include "extras/radio/RadioStations.h"

#include <gtest/gtest.h>

#include <set>

namespace zendral::radio {
namespace {

// A list as a club writes it: comments, blank lines, CR LF and LF ends, stations of several
// countries, a line without a logo, lines too short to be stations, and one whose fourth
// character is not the usual blank (only the first three name the country).
constexpr std::string_view kList =
    "# Kov radio stations\r\n"
    "RUS 0000001#x#Zendral Radio#Russian Federation#http://127.0.0.1:8044/radio/zendral#"
    "RRADIO_LOGO_ZENDRAL\r\n"
    "#USA 0000009#x#Commented Out#USA#http://example.org/dead#RRADIO_LOGO_DEAD\r\n"
    "USA 0000002#x#Jazz Hall#USA#http://radio.example.org/jazz#RRADIO_LOGO_JAZZ\r\n"
    "\r\n"
    "USA 0000003##  Blues Porch  #USA# http://radio.example.org/blues \n"
    "USA 0000004#x#No Address#USA##RRADIO_LOGO_X\r\n"
    "USA\r\n"
    "USA-0000005#x#Any Separator#USA#http://radio.example.org/x#L\r\n"
    "UK0 0000006#x#Tea Time#United Kingdom#http://radio.example.org/tea#RRADIO_LOGO_TEA";

TEST(RadioStations, FilterByCountrySkipsCommentsAndBrokenLines) {
  struct Case {
    std::string_view country;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"USA", {"Jazz Hall", "Blues Porch", "Any Separator"}},
      {"RUS", {"Zendral Radio"}},
      {"UK0", {"Tea Time"}},
      {"FRA", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (const Station& s : StationsOfCountry(kList, c.country)) {
      EXPECT_EQ(s.countryCode, c.country);
      names.push_back(s.name);
    }
    EXPECT_EQ(names, c.names) << c.country;
  }
}

TEST(RadioStations, LineFieldsAndTheUnknownLogo) {
  const auto blues = StationOfKey(kList, "0000003");
  ASSERT_TRUE(blues);
  EXPECT_EQ(*blues, (Station{"USA", "0000003", "Blues Porch", "USA",
                             "http://radio.example.org/blues", std::string(kUnknownLogo)}));
  const auto tea = StationOfKey(kList, "0000006");  // the last line has no line end
  ASSERT_TRUE(tea);
  EXPECT_EQ(tea->address, "http://radio.example.org/tea");
  EXPECT_EQ(tea->logo, "RRADIO_LOGO_TEA");
  EXPECT_FALSE(StationOfKey(kList, "0000009"));  // only in a comment
  EXPECT_FALSE(StationOfKey(kList, "0000004"));  // no address
  EXPECT_FALSE(StationOfKey(kList, ""));
}

TEST(RadioStations, AnyInputIsSurvived) {
  for (std::string_view line :
       {std::string_view{}, std::string_view{"#"}, std::string_view{"RUS 1"},
        std::string_view{"RUS 1234567"}, std::string_view{"RUS 1234567#"},
        std::string_view{"RUS 1234567####"}, std::string_view{"\r\r\n\n"},
        std::string_view{"RUS 1234567#a#b#c#d#e#f#g#h"}}) {
    EXPECT_NO_THROW(ParseStationLine(line));
  }
  const auto many = ParseStationLine("RUS 1234567#a#Name#Country#http://a/b#Logo#extra#more");
  ASSERT_TRUE(many);
  EXPECT_EQ(many->logo, "Logo");
  std::string noise(4096, '#');
  noise[100] = '\n';
  EXPECT_TRUE(StationsOfCountry(noise, "RUS").empty());
}

TEST(RadioStations, TheTwentyEightCountriesInListOrder) {
  const auto countries = RadioCountries();
  ASSERT_EQ(countries.size(), 28u);
  EXPECT_EQ(countries.front().code, "RUS");
  EXPECT_EQ(countries.front().name, "Russian Federation");
  EXPECT_EQ(countries[12].code, "USA");
  EXPECT_EQ(countries[16].name, "Deutschland");
  EXPECT_EQ(countries.back().code, "SK0");
  std::set<std::string_view> codes, names;
  for (const RadioCountry& c : countries) {
    EXPECT_EQ(c.code.size(), 3u) << c.code;
    codes.insert(c.code);
    names.insert(c.name);
  }
  EXPECT_EQ(codes.size(), 28u);
  EXPECT_EQ(names.size(), 28u);
  EXPECT_EQ(CountryPositionOfCode("CZ0"), 21);
  EXPECT_EQ(CountryPositionOfName("South Korea"), 27);
  EXPECT_FALSE(CountryPositionOfCode("XXX"));
}

}  // namespace
}  // namespace zendral::radio
