#include "present/audio/EventSoundPlayer.h"

#include <utility>

#include "present/audio/WavInfo.h"

namespace zendral::audio {

EventSoundPlayer::EventSoundPlayer(SoundOutput& output, WaitClock& clock, SoundLoader loader)
    : output_(output), clock_(clock), loader_(std::move(loader)) {}

const EventSoundPlayer::Entry& EventSoundPlayer::Lookup(std::string_view name) {
  if (auto found = entries_.find(name); found != entries_.end()) return found->second;
  Entry entry;
  const std::vector<std::byte> bytes = loader_ ? loader_(name) : std::vector<std::byte>{};
  entry.known = !bytes.empty();
  if (entry.known) {
    if (auto info = ReadWavInfo(bytes)) entry.length = info->Length();
  }
  return entries_.emplace(std::string(name), entry).first->second;
}

std::optional<std::chrono::microseconds> EventSoundPlayer::SoundLength(std::string_view name) {
  return Lookup(name).length;
}

SoundResult EventSoundPlayer::PlayEventSound(std::string_view name, bool wait, bool soundOn) {
  if (!soundOn) return SoundResult::kSwitchedOff;
  const Entry& entry = Lookup(name);
  if (!entry.known) return SoundResult::kUnknownSound;
  if (!entry.length) return SoundResult::kDamagedSound;

  // The hold is measured from before the start, so a slow device start does not lengthen it.
  const WaitClock::TimePoint started = clock_.Now();
  output_.Start(name);
  if (wait) clock_.HoldUntil(started + *entry.length);
  return SoundResult::kPlayed;
}

}  // namespace zendral::audio
