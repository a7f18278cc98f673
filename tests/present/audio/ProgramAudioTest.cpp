// The audio module is opened on a worker thread: what the program asks before the engines are
// there is carried out once they are (the last sound once, the song if it should play), a
// module that never comes leaves everything silent, and the program may end while the module
// is still being opened.

#include "present/audio/ProgramAudio.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "QtTestApp.h"
#include "present/audio/AudioEngines.h"
#include "present/audio/DeferredEngines.h"

namespace zendral::audio {
namespace {

// Everything the fake engines were asked, in order, across threads.
struct Log {
  std::mutex mutex;
  std::vector<std::string> entries;
  std::atomic<int> liveEngines{0};

  void Add(std::string entry) {
    std::lock_guard lock(mutex);
    entries.push_back(std::move(entry));
  }
  std::vector<std::string> Entries() {
    std::lock_guard lock(mutex);
    return entries;
  }
};

class RecordingOutput final : public EventSoundOutput {
 public:
  explicit RecordingOutput(Log& log) : log_(log) { ++log_.liveEngines; }
  ~RecordingOutput() override { --log_.liveEngines; }
  void Start(std::string_view name) override { log_.Add("start " + std::string(name)); }
  void StopAll() override { log_.Add("stop"); }
  void StartVoice(std::string_view name, const std::vector<std::byte>& wav) override {
    log_.Add("voice " + std::string(name) + " " + std::to_string(wav.size()));
  }

 private:
  Log& log_;
};

class RecordingSong final : public SongEngine {
 public:
  explicit RecordingSong(Log& log) : log_(log) { ++log_.liveEngines; }
  ~RecordingSong() override { --log_.liveEngines; }
  bool Open(const std::filesystem::path& file) override {
    log_.Add("open " + file.filename().string());
    return true;
  }
  bool Start() override {
    log_.Add("song start");
    playing_ = true;
    return true;
  }
  void Stop() override {
    log_.Add("song stop");
    playing_ = false;
  }
  bool IsPlaying() const override { return playing_; }
  void Close() override { log_.Add("close"); }
  bool IsSilent() const override { return false; }

 private:
  Log& log_;
  bool playing_ = false;
};

class FakeEngines final : public AudioEngines {
 public:
  explicit FakeEngines(Log& log) : log_(log) {}
  std::unique_ptr<EventSoundOutput> MakeSoundOutput() const override {
    return std::make_unique<RecordingOutput>(log_);
  }
  std::unique_ptr<SongEngine> MakeSongEngine(bool) const override {
    return std::make_unique<RecordingSong>(log_);
  }
  std::unique_ptr<StreamDecoder> MakeStreamDecoder(StreamReports) const override { return nullptr; }

 private:
  Log& log_;
};

// Holds the opener until the test lets it go, as a slow module would.
class Gate {
 public:
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  void WaitOpen() {
    std::unique_lock lock(mutex_);
    entered_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  void WaitEntered() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return entered_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
  bool entered_ = false;
};

// What the output is asked before it arrives, and what it is told once it does.
TEST(DeferredSoundOutputTest, CarriesOutOnlyTheLastSoundAskedBeforeTheOutputArrives) {
  using Step = void (*)(DeferredSoundOutput&);
  struct Case {
    const char* what;
    std::vector<Step> before;
    std::vector<std::string> told;
  };
  const Step startA = [](DeferredSoundOutput& o) { o.Start("WHodsDo"); };
  const Step startB = [](DeferredSoundOutput& o) { o.Start("WHodBer"); };
  const Step voice = [](DeferredSoundOutput& o) {
    o.StartVoice("voice", std::vector<std::byte>(44));
  };
  const Step stop = [](DeferredSoundOutput& o) { o.StopAll(); };
  const std::vector<Case> cases = {
      {"nothing asked", {}, {}},
      {"one sound", {startA}, {"start WHodsDo"}},
      {"the later sound replaces the earlier", {startA, startB}, {"start WHodBer"}},
      {"a voice keeps its bytes", {startA, voice}, {"voice voice 44"}},
      {"a sound after a voice", {voice, startB}, {"start WHodBer"}},
      {"stopped meanwhile", {startA, stop}, {}},
      {"a sound after a stop", {startA, stop, startB}, {"start WHodBer"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Log log;
    DeferredSoundOutput output;
    for (Step step : c.before) step(output);
    output.Attach(std::make_unique<RecordingOutput>(log));
    EXPECT_EQ(log.Entries(), c.told);
    // From now on every call goes straight through, and nothing asked earlier comes again.
    output.Start("WTasoKo");
    output.StopAll();
    std::vector<std::string> expected = c.told;
    expected.insert(expected.end(), {"start WTasoKo", "stop"});
    EXPECT_EQ(log.Entries(), expected);
    EXPECT_FALSE(output.IsSilentForGood());
  }
}

TEST(DeferredSoundOutputTest, StaysSilentWhenNoOutputArrives) {
  DeferredSoundOutput output;
  output.Start("WHodsDo");
  output.Attach(nullptr);
  output.Start("WHodBer");
  output.StartVoice("voice", std::vector<std::byte>(44));
  output.StopAll();
  EXPECT_TRUE(output.IsSilentForGood());
}

TEST(DeferredSongTest, StartsTheSongOnTheSynthesiserOnlyIfItShouldStillPlay) {
  struct Case {
    const char* what;
    bool open, start, stop;
    std::vector<std::string> told;
    bool playingBefore;
  };
  const std::vector<Case> cases = {
      {"opened and started", true, true, false, {"open temp44_25.mid", "song start"}, true},
      {"opened, not started", true, false, false, {"open temp44_25.mid"}, false},
      {"started, then stopped", true, true, true, {"open temp44_25.mid"}, false},
      {"never opened", false, true, false, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Log log;
    DeferredSong song;
    if (c.open) {
      EXPECT_TRUE(song.Open("/tmp/temp44_25.mid"));
    }
    if (c.start) {
      EXPECT_EQ(song.Start(), c.open);
    }
    if (c.stop) song.Stop();
    EXPECT_EQ(song.IsPlaying(), c.playingBefore);
    EXPECT_FALSE(song.IsSilent());
    song.Attach(std::make_unique<RecordingSong>(log));
    EXPECT_EQ(log.Entries(), c.told);
    EXPECT_EQ(song.IsPlaying(), c.playingBefore);
  }
}

TEST(DeferredSongTest, WithoutASynthesiserTheSongIsSilentAndKeepsItsState) {
  DeferredSong song;
  ASSERT_TRUE(song.Open("/tmp/temp44_25.mid"));
  ASSERT_TRUE(song.Start());
  song.Attach(nullptr);
  EXPECT_TRUE(song.IsSilent());
  EXPECT_TRUE(song.IsPlaying());  // so that the timer does not start it over and over
  song.Stop();
  EXPECT_FALSE(song.IsPlaying());
}

class ProgramAudioTest : public testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    ASSERT_TRUE(temp_.isValid());
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
  }
  void TearDown() override { qunsetenv("TMPDIR"); }

  // An opener that waits at the gate, then answers the fake engines (or none).
  AudioEnginesOpener GatedOpener(bool withEngines) {
    return [this, withEngines]() -> const AudioEngines* {
      gate_.WaitOpen();
      return withEngines ? &engines_ : nullptr;
    };
  }

  QTemporaryDir temp_;
  Log log_;
  FakeEngines engines_{log_};
  Gate gate_;
};

TEST_F(ProgramAudioTest, WhatIsAskedWhileTheModuleOpensHappensOnceItIsOpen) {
  ProgramAudio audio(true, GatedOpener(true));
  gate_.WaitEntered();
  // The calling thread goes on while the module is still being opened.
  EXPECT_EQ(audio.PlayEventSound("WTasoKo", false, true), SoundResult::kPlayed);
  ASSERT_EQ(audio.PrepareMusic(), MusicError::kNone);
  audio.PlayMusic(true);
  EXPECT_TRUE(audio.Music().IsPlaying());
  EXPECT_TRUE(log_.Entries().empty());

  gate_.Open();
  audio.WaitUntilEnginesReady();
  EXPECT_EQ(log_.Entries(),
            (std::vector<std::string>{"start WTasoKo", "open temp44_25.mid", "song start"}));

  // Afterwards everything goes straight to the engines.
  EXPECT_EQ(audio.PlayEventSound("WHodOtb", false, true), SoundResult::kPlayed);
  audio.PlayMusic(false);
  EXPECT_EQ(log_.Entries(), (std::vector<std::string>{"start WTasoKo", "open temp44_25.mid",
                                                      "song start", "start WHodOtb", "song stop"}));
}

TEST_F(ProgramAudioTest, AWaitedSoundAskedWhileTheModuleOpensStillHoldsAndPlaysOnce) {
  ProgramAudio audio(true, GatedOpener(true));
  gate_.WaitEntered();
  std::thread opener([this] { gate_.Open(); });  // the module arrives during the hold
  EXPECT_EQ(audio.PlayEventSound("WHodsDo", true, true), SoundResult::kPlayed);
  opener.join();
  audio.WaitUntilEnginesReady();
  EXPECT_EQ(log_.Entries(), std::vector<std::string>{"start WHodsDo"});
}

TEST_F(ProgramAudioTest, WithoutTheModuleEverythingRunsInSilence) {
  ProgramAudio audio(true, GatedOpener(false));
  ASSERT_EQ(audio.PrepareMusic(), MusicError::kNone);
  audio.PlayMusic(true);
  gate_.Open();
  audio.WaitUntilEnginesReady();
  EXPECT_TRUE(audio.MusicIsSilent());
  EXPECT_TRUE(audio.Music().IsPlaying());
  EXPECT_EQ(audio.PlayEventSound("WHodsDo", false, true), SoundResult::kPlayed);
  EXPECT_TRUE(log_.Entries().empty());
}

TEST_F(ProgramAudioTest, WithoutASoundDeviceTheModuleIsNeverOpened) {
  std::atomic<bool> asked{false};
  {
    ProgramAudio audio(false, [&]() -> const AudioEngines* {
      asked = true;
      return &engines_;
    });
    EXPECT_EQ(audio.PlayEventSound("WHodsDo", false, true), SoundResult::kPlayed);
    ASSERT_EQ(audio.PrepareMusic(), MusicError::kNone);
    audio.PlayMusic(true);
    EXPECT_TRUE(audio.MusicIsSilent());
  }
  EXPECT_FALSE(asked);
}

TEST_F(ProgramAudioTest, EndingWhileTheModuleOpensWaitsForItAndLetsTheEnginesGo) {
  std::thread late;
  {
    ProgramAudio audio(true, GatedOpener(true));
    audio.PlayEventSound("WTasoKo", false, true);
    gate_.WaitEntered();
    // The module is still being opened when the program ends; it comes a moment later.
    late = std::thread([this] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      gate_.Open();
    });
  }
  late.join();
  EXPECT_EQ(log_.liveEngines, 0);
  const std::vector<std::string> told = log_.Entries();
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.front(), "start WTasoKo");
  EXPECT_EQ(told.back(), "stop");
}

}  // namespace
}  // namespace zendral::audio
