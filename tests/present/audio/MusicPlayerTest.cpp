#include "present/audio/MusicPlayer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "AudioTestData.h"
#include "present/audio/FluidSynthEngine.h"

namespace zendral::audio {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

class FakeEngine : public MidiEngine {
 public:
  bool Open(const fs::path& file) override {
    opened.push_back(file);
    open = opens;
    return opens;
  }
  bool Start() override {
    ++starts;
    playing = open;
    return open;
  }
  void Stop() override {
    ++stops;
    playing = false;
  }
  bool IsPlaying() const override { return playing; }
  void Close() override {
    ++closes;
    open = playing = false;
  }

  bool opens = true;  // what Open answers
  bool open = false;
  bool playing = false;
  int starts = 0, stops = 0, closes = 0;
  std::vector<fs::path> opened;
};

Bytes ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> chars{std::istreambuf_iterator<char>(in), {}};
  Bytes out(chars.size());
  std::memcpy(out.data(), chars.data(), chars.size());
  return out;
}

void WriteAll(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

class MusicPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = test::FreshTempFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { fs::remove_all(folder); }
  fs::path MusicFile() const { return folder / "temp44_25.mid"; }

  fs::path folder;
  Bytes song = test::MakeSmallSong();
  FakeEngine engine;
  MusicPlayer music{engine};
};

TEST_F(MusicPlayerTest, WritesTheSongWhenNoFileIsThere) {
  ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);
  EXPECT_EQ(music.FileState(), MusicFileState::kWritten);
  EXPECT_EQ(ReadAll(MusicFile()), song);
  EXPECT_EQ(engine.opened, std::vector<fs::path>{MusicFile()});
  // Nothing but the song is left in the folder (no temporary file of the write).
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(MusicPlayerTest, ReusesAFileLeftFromAnEarlierRun) {
  // The earlier run's file differs from this song, so a rewrite would show.
  Bytes earlier = song;
  earlier[26] = std::byte{0x0A};  // another tempo
  WriteAll(MusicFile(), earlier);
  const auto stamp = fs::last_write_time(MusicFile());

  ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);
  EXPECT_EQ(music.FileState(), MusicFileState::kReused);
  EXPECT_EQ(ReadAll(MusicFile()), earlier);
  EXPECT_EQ(fs::last_write_time(MusicFile()), stamp);
  EXPECT_EQ(engine.opened, std::vector<fs::path>{MusicFile()});  // and it is played
}

TEST_F(MusicPlayerTest, RewritesADamagedLeftOverFile) {
  const Bytes cut(song.begin(), song.begin() + 30);
  for (const Bytes& leftOver : {Bytes{}, cut, Bytes(100, std::byte{'x'})}) {
    WriteAll(MusicFile(), leftOver);
    ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);
    EXPECT_EQ(music.FileState(), MusicFileState::kWritten);
    EXPECT_EQ(ReadAll(MusicFile()), song);
  }
}

TEST_F(MusicPlayerTest, ReportsAFileThatCannotBeWrittenAndStaysSilent) {
  struct Case {
    const char* label;
    fs::path folder;
  };
  WriteAll(folder / "plain-file", song);
  fs::create_directories(folder / "dir" / "temp44_25.mid" / "inside");
  const Case cases[] = {
      {"folder is a file", folder / "plain-file"},
      {"folder is missing", folder / "missing"},
      {"a folder holds the file's name", folder / "dir"},
  };
  for (const Case& c : cases) {
    FakeEngine caseEngine;
    MusicPlayer player(caseEngine);
    EXPECT_EQ(player.PrepareMusic(song, c.folder), MusicError::kCantCreateMusicFile) << c.label;
    EXPECT_EQ(player.FileState(), MusicFileState::kFailed) << c.label;
    EXPECT_TRUE(caseEngine.opened.empty()) << c.label;
    player.PlayMusic(true);
    player.OnTimer2(true, true);
    EXPECT_EQ(caseEngine.starts, 0) << c.label;
    // At exit nothing of someone else's is removed.
    EXPECT_TRUE(player.DeleteMusicFile()) << c.label;
  }
  EXPECT_TRUE(fs::exists(folder / "dir" / "temp44_25.mid" / "inside"));
}

TEST_F(MusicPlayerTest, PlayMusicStartsAndStopsAtOnce) {
  ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);
  music.PlayMusic(true);
  EXPECT_TRUE(music.IsPlaying());
  music.PlayMusic(false);
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_EQ(engine.starts, 1);
  EXPECT_EQ(engine.stops, 1);
}

TEST_F(MusicPlayerTest, AnEngineThatCannotOpenTheFileKeepsTheMusicOff) {
  engine.opens = false;
  ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);  // no message for this
  music.PlayMusic(true);
  music.OnTimer2(true, true);
  EXPECT_EQ(engine.starts, 0);
  EXPECT_FALSE(music.IsPlaying());
}

TEST_F(MusicPlayerTest, Timer2RestartsAnEndedSongOnlyInTheIntroAndMenuWithMusicOn) {
  struct Case {
    bool introOrMenu, musicOn, stillPlaying;
    bool restarts;
  };
  const Case cases[] = {
      {true, true, false, true},    {true, true, true, false}, {true, false, false, false},
      {false, true, false, false},  // at the table an ended song stays ended
      {false, false, false, false},
  };
  for (const Case& c : cases) {
    FakeEngine caseEngine;
    MusicPlayer player(caseEngine);
    ASSERT_EQ(player.PrepareMusic(song, folder), MusicError::kNone);
    player.PlayMusic(true);
    caseEngine.playing = c.stillPlaying;  // false: the song has played to its end
    player.OnTimer2(c.introOrMenu, c.musicOn);
    EXPECT_EQ(caseEngine.starts, c.restarts ? 2 : 1)
        << c.introOrMenu << c.musicOn << c.stillPlaying;
  }
}

TEST_F(MusicPlayerTest, AtExitTheEngineClosesAndTheFileIsRemoved) {
  ASSERT_EQ(music.PrepareMusic(song, folder), MusicError::kNone);
  music.PlayMusic(true);
  music.CloseMusic();
  EXPECT_EQ(engine.closes, 1);
  EXPECT_FALSE(engine.playing);
  music.OnTimer2(true, true);  // a late tick does not bring it back
  EXPECT_EQ(engine.starts, 1);
  EXPECT_TRUE(music.DeleteMusicFile());
  EXPECT_FALSE(fs::exists(MusicFile()));
  EXPECT_TRUE(music.DeleteMusicFile());  // gone already: still fine
}

TEST(GeneralMidiSoundfont, PrefersTheKnownFontsThenTheFirstByName) {
  const fs::path base = test::FreshTempFolder("sf2");
  struct Case {
    const char* label;
    std::vector<const char*> files;
    const char* expected;  // "" for none
  };
  const Case cases[] = {
      {"TimGM6mb first", {"b.sf2", "default-GM.sf2", "TimGM6mb.sf2"}, "TimGM6mb.sf2"},
      {"then default-GM", {"a.sf2", "default-GM.sf2"}, "default-GM.sf2"},
      {"then by name", {"zz.sf2", "mm.sf2", "notes.txt"}, "mm.sf2"},
      {"none", {"notes.txt"}, ""},
  };
  for (const Case& c : cases) {
    fs::remove_all(base);
    fs::create_directories(base);
    for (const char* name : c.files) WriteAll(base / name, Bytes(4));
    const fs::path found = FindGeneralMidiSoundfont(base);
    EXPECT_EQ(found.filename().string(), c.expected) << c.label;
  }
  fs::remove_all(base);
  EXPECT_TRUE(FindGeneralMidiSoundfont(base).empty());  // a missing folder
}

TEST(FluidSynthEngine, RunsSilentlyWithoutASoundfontAndRefusesWhatIsNoSong) {
  const fs::path folder = test::FreshTempFolder("fluid");
  WriteAll(folder / "song.mid", test::MakeSmallSong());
  WriteAll(folder / "noise.mid", Bytes(64, std::byte{'x'}));
  FluidSynthOptions options;
  options.soundfontFolder = folder;  // no soundfont there
  FluidSynthEngine engine(options);

  EXPECT_FALSE(engine.Open(folder / "noise.mid"));
  EXPECT_FALSE(engine.Start());
  ASSERT_TRUE(engine.Open(folder / "song.mid"));
  EXPECT_TRUE(engine.Start());  // perhaps before the set-up is done
  engine.WaitUntilReady();
  EXPECT_TRUE(engine.IsSilent());
  EXPECT_TRUE(engine.IsPlaying());  // silently, and it never ends
  engine.Stop();
  EXPECT_FALSE(engine.IsPlaying());
  EXPECT_TRUE(engine.Start());
  EXPECT_TRUE(engine.IsPlaying());
  fs::remove_all(folder);
}

TEST(FluidSynthEngine, WithADriverTheSongPlaysToItsEndAndStartsAgain) {
  // FluidSynth's file driver stands in for a sound device: it renders in real time.
  const fs::path folder = test::FreshTempFolder("fluid-file");
  WriteAll(folder / "blip.mid", test::MakeBlipSong());
  FluidSynthOptions options;
  options.audioDriver = "file";
  options.audioFile = (folder / "out.raw").string();
  FluidSynthEngine engine(options);

  ASSERT_TRUE(engine.Open(folder / "blip.mid"));
  ASSERT_TRUE(engine.Start());  // most likely while the synthesiser is still being set up
  EXPECT_TRUE(engine.IsPlaying());
  for (int i = 0; i < 400 && engine.IsPlaying() && !engine.IsSilent(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  engine.WaitUntilReady();
  if (engine.IsSilent()) GTEST_SKIP() << "no soundfont or no file driver here";
  EXPECT_FALSE(engine.IsPlaying()) << "the song never ended";

  EXPECT_TRUE(engine.Start());  // as Timer2 does in the menu
  EXPECT_TRUE(engine.IsPlaying());
  engine.Stop();
  EXPECT_FALSE(engine.IsPlaying());

  // The Options box switched quickly to and fro while the driver renders (deleting players
  // under a rendering driver crashed), and the program closing with the song playing.
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(engine.Start());
    std::this_thread::sleep_for(std::chrono::milliseconds(i % 7));
    engine.Stop();
  }
  EXPECT_FALSE(engine.IsPlaying());
  EXPECT_TRUE(engine.Start());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace zendral::audio
