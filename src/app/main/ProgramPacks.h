#pragma once
// The resource packs as the program uses them: the table's pictures of the packs the settings
// choose, the window headers' pictures, the Options window's previews, and downloads that take
// effect at once.

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "app/windows/WindowResources.h"
#include "present/draw/CardImages.h"
#include "present/packs/PackPictures.h"

namespace zendral {

struct OptionsEnvironment;
struct Settings;
class WindowServices;

// The table's pictures: those of the packs the settings chose, the program's own for the rest.
// Null packs: the program's own only.
PictureLoader PackLoader(const std::shared_ptr<PackPictures>& packs);

// The back of a kon's cards (BackPicture), chosen at every deal: today's weekday, 7 with
// "Always one", a random one of ten for the collections.
int BackPictureOfKon(const Settings& settings);

class ProgramPacks {
 public:
  // What a new set of pictures or a new pack changes in the window around.
  struct Hooks {
    std::function<void()> picturesChanged;  // the table's pictures are made again
    std::function<void()> radioPackArrived;
    std::function<void()> menuAgain;  // the menu laid out again, when it is shown
  };
  // The folder is the program folder, read at each use (it is known after the start-up).
  // ownPictures reads the program's own pictures (LoadArtPicture when null).
  ProgramPacks(WindowServices& window, Settings& settings, const std::filesystem::path& folder,
               Hooks hooks, PictureLoader ownPictures = {});

  // The table's pictures for the settings (LoadCardFaces, LoadCardBacks, LoadBackground); a
  // missing pack sets its choice back and is named in a message.
  void Load();
  // Downloads a pack by its download code 1..9 into the parent folder, with a progress window,
  // "WToMenK" or "WWrongs"; true when it arrived.
  bool Download(int code);
  // A pack that has just arrived takes effect at once.
  void TakeDownloaded(std::string_view file);
  // The graphics pack's pictures for a window header. A header look that needs the pack
  // without it falls back to look 2 (and the purple windows go off), with a message.
  PackPictureLoader HeaderPictures();
  // The Options window's pictures of the packs, downloads and messages.
  void FillEnvironment(OptionsEnvironment& environment);
  // The pictures of the packs last loaded; null before the first load.
  const std::shared_ptr<PackPictures>& Pictures() const { return packs_; }

 private:
  WindowServices& window_;
  Settings& settings_;
  const std::filesystem::path& folder_;
  Hooks hooks_;
  PictureLoader ownPictures_;
  std::shared_ptr<PackPictures> packs_;
};

}  // namespace zendral
