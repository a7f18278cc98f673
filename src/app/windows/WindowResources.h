#pragma once
// What the secondary windows draw with: their own pictures (":/windowart/"), the fonts of the
// settings, and the resource packs that some of their choices need.

#include <QFont>
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <string_view>

#include "present/packs/PackNames.h"

namespace zendral {

struct Settings;

// One of the program's own window pictures by name ("GCap300", "FlagORus", "ILEuro48"); a null
// image when there is none.
QImage WindowPicture(const QString& name);
// The resource path of one of the window animations ("GTopTen", "GClubF", "GClubG").
QString WindowAnimationPath(const QString& name);

// A picture of the graphics pack by name ("GFormOptRus", "OptionsEng"); a null image when the
// pack or the picture is missing. Windows given no loader use their own pictures.
using PackPictureLoader = std::function<QImage(const QString& name)>;

// A font of the settings: the face of FontSmall (role "serif") at RoleFontSize(size), where
// size is the height in pixels the window is designed for.
QFont SerifFont(const Settings& settings, int size, bool bold = false);

// The resource packs by file name and the pack each choice needs (PackForDeck, PackForBack,
// PackForBackground; empty for the program's own pictures) are the packs layer's.
// Whether a pack stands in the program folder or in its parent folder, where packs shared by
// the family of games are kept.
bool PackFileInstalled(const std::filesystem::path& programFolder, std::string_view fileName);

}  // namespace zendral
