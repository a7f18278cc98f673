#pragma once
// What the main window hears: the event sounds by name (a waited one holds the game for its
// length), the menu music, and the hold itself, which the card flight and the pause after a
// network settlement use too. The program uses the audio library when the build has it and a
// silent stand-in otherwise; tests give one that never waits.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "game/Card.h"

namespace zendral {

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Plays the named event sound unless soundOn is off; with wait it returns once the sound
  // has had its length (nothing plays and nothing waits with sound off).
  virtual void PlayEventSound(std::string_view name, bool wait, bool soundOn) = 0;
  // Writes and opens the song; false when its file cannot be made ("Can`t create music file!").
  virtual bool PrepareMusic() = 0;
  virtual void PlayMusic(bool on) = 0;
  // Timer2, every second: the song starts again in the intro and the menu once it has ended.
  virtual void OnTimer2(bool introOrMenuShown, bool musicOn) = 0;
  // At the end of the program: the song stops and its file goes.
  virtual void CloseMusic() = 0;
  // Says a card's name in the language from the voice pack beside the program folder, without
  // waiting; false, and silence, without the pack. Ports without voices stay silent.
  virtual bool SayCard(TCardCode /*card*/, int /*language*/,
                       const std::filesystem::path& /*programFolder*/) {
    return false;
  }
  // False when the machine has no sound device: the sound options say so, and nothing plays.
  virtual bool DeviceFound() const { return true; }
  // Holds the game for a while: nothing but the window's repaints is handled meanwhile.
  virtual void Hold(std::chrono::milliseconds duration) = 0;
};

// The program's sounds: the audio library when the build has it, else a stand-in that plays
// nothing but still holds the game for a waited sound's usual length. The audio engines are
// opened at their first use, not before: the window comes up without waiting for them.
std::unique_ptr<SoundPort> MakeProgramSound();

// Holds the game until the time has passed, delivering only the windows' repaints.
void HoldGame(std::chrono::milliseconds duration);

}  // namespace zendral
