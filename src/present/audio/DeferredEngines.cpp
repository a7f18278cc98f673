#include "present/audio/DeferredEngines.h"

#include <utility>

namespace zendral::audio {

void DeferredSoundOutput::Start(std::string_view name) {
  std::lock_guard lock(mutex_);
  if (output_) {
    output_->Start(name);
  } else if (!attached_) {
    pending_ = Pending{std::string(name), std::nullopt};
  }
}

void DeferredSoundOutput::StopAll() {
  std::lock_guard lock(mutex_);
  if (output_) output_->StopAll();
  pending_.reset();
}

void DeferredSoundOutput::StartVoice(std::string_view name, const std::vector<std::byte>& wav) {
  std::lock_guard lock(mutex_);
  if (output_) {
    output_->StartVoice(name, wav);
  } else if (!attached_) {
    pending_ = Pending{std::string(name), wav};
  }
}

void DeferredSoundOutput::Attach(std::unique_ptr<EventSoundOutput> output) {
  std::lock_guard lock(mutex_);
  attached_ = true;
  output_ = std::move(output);
  if (output_ && pending_) {
    if (pending_->voice) {
      output_->StartVoice(pending_->name, *pending_->voice);
    } else {
      output_->Start(pending_->name);
    }
  }
  pending_.reset();
}

bool DeferredSoundOutput::IsSilentForGood() const {
  std::lock_guard lock(mutex_);
  return attached_ && !output_;
}

bool DeferredSong::Open(const std::filesystem::path& file) {
  std::lock_guard lock(mutex_);
  if (engine_) return engine_->Open(file);
  file_ = file;
  playing_ = false;
  return true;  // the player hands over only files it has checked
}

bool DeferredSong::Start() {
  std::lock_guard lock(mutex_);
  if (engine_) return engine_->Start();
  if (file_.empty()) return false;
  playing_ = true;
  return true;
}

void DeferredSong::Stop() {
  std::lock_guard lock(mutex_);
  if (engine_) {
    engine_->Stop();
  } else {
    playing_ = false;
  }
}

bool DeferredSong::IsPlaying() const {
  std::lock_guard lock(mutex_);
  return engine_ ? engine_->IsPlaying() : playing_;
}

void DeferredSong::Close() {
  std::lock_guard lock(mutex_);
  if (engine_) {
    engine_->Close();
  } else {
    file_.clear();
    playing_ = false;
  }
}

bool DeferredSong::IsSilent() const {
  std::lock_guard lock(mutex_);
  return engine_ ? engine_->IsSilent() : attached_;
}

void DeferredSong::Attach(std::unique_ptr<SongEngine> engine) {
  std::lock_guard lock(mutex_);
  attached_ = true;
  engine_ = std::move(engine);
  // Without a synthesiser the song goes on "playing" here, in silence.
  if (!engine_ || file_.empty()) return;
  if (engine_->Open(file_) && playing_) engine_->Start();
  file_.clear();
  playing_ = false;
}

}  // namespace zendral::audio
