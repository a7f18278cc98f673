#pragma once
// The Options window from the main menu, with what it shows beyond the settings (the packs'
// pictures and downloads, the computer's level, whether a sound device was found). What a
// change does to the whole window is for the window to decide: it is told at once.

#include <filesystem>
#include <functional>

namespace zendral {

class ProgramPacks;
class TableCoach;
class WindowServices;
enum class OptionsChange;
struct Settings;

class ProgramOptions {
 public:
  struct Hooks {
    // The window opens only over the menu while nothing else runs.
    std::function<bool()> menuIdle;
    std::function<bool()> soundDeviceFound;
    // A control changed a setting; it takes effect behind the open window.
    std::function<void(OptionsChange)> changed;
  };
  ProgramOptions(Settings& settings, const std::filesystem::path& programFolder,
                 WindowServices& window, ProgramPacks& packs, TableCoach& coach, Hooks hooks);

  // "Options".
  void Open();

 private:
  Settings& settings_;
  const std::filesystem::path& programFolder_;
  WindowServices& window_;
  ProgramPacks& packs_;
  TableCoach& coach_;
  Hooks hooks_;
};

}  // namespace zendral
