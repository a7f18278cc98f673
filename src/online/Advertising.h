#pragma once
// The advertising directory of the club's other games and pages: a text of "key=value##" pairs.
// "SecAdv0000=" holds the three-digit number of entries; entry nnn (three digits, leading
// zeros) has "SecAdv" + nnn + "I=" (picture address), "N=" (name) and "L=" (link), each value
// running to the next "##". The window shows four distinct entries drawn at random.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/RequestFrame.h"

namespace zendral::online {

inline constexpr int kAdvertisingShown = 4;
inline constexpr std::string_view kNoConnect = "No Connect";

struct AdvertisingEntry {
  int number = 0;       // 1..count
  std::string picture;  // picture address; may be empty
  std::string name;
  std::string link;
};

// The value of a key: from after "key=" to the next "##" (or the end of the text). Nothing
// when the key does not occur.
std::optional<std::string> AdvertisingValue(std::string_view text, std::string_view key);

// The number of entries the directory announces; 0 when the count is missing or not three
// digits.
int AdvertisingCount(std::string_view text);

// Entry n of the directory (empty values for the keys it lacks).
AdvertisingEntry AdvertisingEntryOf(std::string_view text, int number);

// Draws a number in [low, high] inclusive; the window passes a real random source, the tests
// a scripted one.
using RandomInRange = std::function<int(int low, int high)>;

// Four distinct numbers between 1 and count, when count is more than three; empty otherwise.
// Draws that repeat a number already taken are drawn again; after a bounded number of tries
// the lowest numbers not yet taken fill the rest, so a poor random source cannot hang it.
std::vector<int> DrawAdvertisingNumbers(int count, const RandomInRange& random);

// What the advertising window shows: four entries, or nothing ("No Connect") when the
// directory could not be fetched or holds fewer than four entries.
std::optional<std::array<AdvertisingEntry, kAdvertisingShown>> ChooseAdvertising(
    const std::optional<std::string>& directory, const RandomInRange& random);

// Fetches the directory and chooses the four entries.
std::optional<std::array<AdvertisingEntry, kAdvertisingShown>> ReadAdvertising(
    RequestFrame& frame, const std::string& address, const RandomInRange& random);

}  // namespace zendral::online
