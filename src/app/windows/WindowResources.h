#pragma once
// What the secondary windows draw with: their own pictures (":/windowart/"), the fonts of the
// settings, and the resource packs that some of their choices need.

#include <QFont>
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <string_view>

namespace zendral {

struct Settings;

// One of the program's own window pictures by name ("GCap300", "FlagORus", "ILEuro48"); a null
// image when there is none.
QImage WindowPicture(const QString& name);
// The resource path of one of the window animations ("GTopTen", "GClubF", "GClubG").
QString WindowAnimationPath(const QString& name);

// A picture of the graphics pack by name ("GFormOptRus", "OptionsEng"); a null image when the
// pack or the picture is missing. The resource packs are read by a later part of the program;
// until then the windows are given no loader and use their own pictures.
using PackPictureLoader = std::function<QImage(const QString& name)>;

// A font of the settings: the face of FontSmall (role "serif") at RoleFontSize(size), where
// size is the height in pixels the window is designed for.
QFont SerifFont(const Settings& settings, int size, bool bold = false);

// The resource packs by file name.
inline constexpr std::string_view kPackCardsA = "KovCards06A.dll";  // faces 1-31
inline constexpr std::string_view kPackCardsB = "KovCards06B.dll";  // faces 32-39, backs 1-12
inline constexpr std::string_view kPackCardsC = "KovCards06C.dll";  // faces 40-47
inline constexpr std::string_view kPackBackgrounds = "KovBackG03.dll";
inline constexpr std::string_view kPackGraphics = "KovCGraph1.dll";

// The pack a choice needs; empty for the program's own pictures (deck 0, back 0, the green
// felt background 2 with colour 0).
std::string_view PackForDeck(int deck);
std::string_view PackForBack(int back);
std::string_view PackForBackground(int background, int colour);

// Whether a pack stands in the program folder or in its parent folder, where packs shared by
// the family of games are kept.
bool PackFileInstalled(const std::filesystem::path& programFolder, std::string_view fileName);

}  // namespace zendral
