#pragma once
// The five member lines of the main menu, built from lines 1-5 of a club file, in the two
// modes of the list: by score (1) and by rating (2).

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "store/ClubFile.h"

namespace zendral {

inline constexpr int kClubListMaxWidth = 360;  // pixels of a member button's text

// The width in pixels of a UTF-8 text in the list's font; the window supplies it.
using TextWidthFn = std::function<int(std::string_view)>;

// Mode 1: name, four spaces, kons of the current cycle (total mod 30; "###" for an empty
// slot), four spaces, the cycle score. Mode 2: name, two spaces, total kons, two spaces, the
// rating with two decimals (an empty slot shows columns 21-26). Texts in UTF-8; without a
// width function they are not fitted.
std::array<std::string, kClubMembers> ClubListTexts(const ClubFile& file, int mode,
                                                    const TextWidthFn& width = nullptr);

// Fits one text (Windows-1251) into maxWidth: characters go from position 20 downwards until
// it fits; when one of them was neither a space nor "#", the three characters before the cut
// become "...". Returns UTF-8.
std::string FitClubListText(std::string_view bytes, const TextWidthFn& width,
                            int maxWidth = kClubListMaxWidth);

// The list of the file at path; nullopt when the file is missing or damaged.
std::optional<std::array<std::string, kClubMembers>> ReadClubList(
    const std::filesystem::path& path, int mode, const TextWidthFn& width = nullptr);

}  // namespace zendral
