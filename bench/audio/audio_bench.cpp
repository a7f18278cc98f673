// bench_audio [--runs N] [--plays N]
//
// 1. Start-up: the time the audio layer adds to the main thread at the program's start,
//    measured in fresh processes (the first use of Qt Multimedia and FluidSynth in a process
//    is the real cost): making the sound output and the MIDI synthesiser, PrepareMusic
//    (writing the song file, or reusing one left from an earlier run) and PlayMusic. Each
//    child process gets a temporary folder of its own. Run once as the machine is (without
//    a sound device FluidSynth stops at the driver) and once with FluidSynth's file driver
//    standing in for a sound device (the soundfont then loads, on the engine's own thread).
// 2. Hold: PlayEventSound with wait on the real output and clock, against the sound's length
//    from its header; once quiet, once with the window asking for a 3 ms repaint whenever
//    the last one is done (as a widget's update() does), every 5 ms.

#include <stdio.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "present/audio/FluidSynthEngine.h"
#include "present/audio/ProgramAudio.h"
#include "present/audio/QtSoundOutput.h"

namespace {

using namespace zendral::audio;
using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int kParts = 6;
const char* const kPartNames[kParts] = {"sound output", "MIDI synthesiser",
                                        "PrepareMusic", "PlayMusic",
                                        "total",        "(synthesiser set up on its thread after)"};

// One cold start in this process, made of the same parts as ProgramAudio; prints the part
// times in milliseconds and whether the song file was reused.
int RunChild(bool fileDriver) {
  int argc = 1;
  char name[] = "bench_audio";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);  // the program has its application before the audio
  double part[kParts] = {};
  const auto start = Clock::now();
  QtSoundOutput output;
  part[0] = MillisSince(start);

  auto at = Clock::now();
  FluidSynthOptions options;
  if (fileDriver) {
    options.audioDriver = "file";
    options.audioFile = "/dev/null";
  }
  FluidSynthEngine engine(options);
  MusicPlayer music(engine);
  part[1] = MillisSince(at);

  at = Clock::now();
  if (music.PrepareMusic(LoadMidiSongResource(), SystemTempFolder()) != MusicError::kNone) {
    return 1;
  }
  part[2] = MillisSince(at);
  at = Clock::now();
  music.PlayMusic(true);
  part[3] = MillisSince(at);
  part[4] = MillisSince(start);
  engine.WaitUntilReady();  // not on the main thread's account: for information
  part[5] = MillisSince(start);
  printf("%.3f %.3f %.3f %.3f %.3f %.3f %d %d\n", part[0], part[1], part[2], part[3], part[4],
         part[5], music.FileState() == MusicFileState::kReused ? 1 : 0, engine.IsSilent() ? 1 : 0);
  fflush(stdout);
  music.CloseMusic();
  return 0;
}

struct ChildResult {
  double part[kParts] = {};
  bool reused = false;
  bool silent = false;
};

bool RunChildProcess(const std::string& self, const std::string& tempDir, bool fileDriver,
                     ChildResult& out) {
  const std::string command = "TMPDIR='" + tempDir + "' '" + self + "' --child" +
                              (fileDriver ? " --file-driver" : "") + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  int reused = 0, silent = 0;
  const int fields =
      fscanf(pipe, "%lf %lf %lf %lf %lf %lf %d %d", &out.part[0], &out.part[1], &out.part[2],
             &out.part[3], &out.part[4], &out.part[5], &reused, &silent);
  const int status = pclose(pipe);
  out.reused = reused != 0;
  out.silent = silent != 0;
  return fields == 8 && status == 0;
}

void PrintSpread(const char* label, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  printf("    %-40s median %7.2f ms   min %7.2f   max %7.2f\n", label, values[values.size() / 2],
         values.front(), values.back());
}

int MeasureStartUp(const std::string& self, int runs) {
  QTemporaryDir temp;
  if (!temp.isValid()) return 1;
  const std::string tempDir = temp.path().toStdString();
  printf(
      "Start-up time the audio layer adds to the main thread (a fresh process each, %d runs"
      " per case):\n",
      runs);
  for (bool fileDriver : {false, true}) {
    for (bool reuse : {false, true}) {
      std::vector<double> parts[kParts];
      bool silent = false;
      for (int i = 0; i < runs; ++i) {
        if (!reuse) std::filesystem::remove(std::filesystem::path(tempDir) / kMusicFileName);
        ChildResult r;
        if (!RunChildProcess(self, tempDir, fileDriver, r) || r.reused != reuse) {
          fprintf(stderr, "bench_audio: a child run failed\n");
          return 1;
        }
        for (int p = 0; p < kParts; ++p) parts[p].push_back(r.part[p]);
        silent = r.silent;
      }
      printf("  %s, song file %s%s:\n",
             fileDriver ? "with an audio driver (FluidSynth's file driver)" : "as the machine is",
             reuse ? "left from an earlier run" : "written afresh",
             silent ? " (the music is silent)" : "");
      for (int p = 0; p < kParts; ++p) PrintSpread(kPartNames[p], parts[p]);
    }
  }
  return 0;
}

// Receives the window's repaint requests during a hold and spends 3 ms on each.
class BusyWindow : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::UpdateRequest) return QObject::event(e);
    const auto until = Clock::now() + std::chrono::milliseconds(3);
    while (Clock::now() < until) {
    }
    ++paints;
    pending = false;
    return true;
  }
  int paints = 0;
  std::atomic<bool> pending{false};
};

int MeasureHold(int plays) {
  int argc = 1;
  char name[] = "bench_audio";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ProgramAudio audio;
  printf(
      "\nHold of a waited sound (%d plays each; the game should be held for the sound's"
      " length):\n",
      plays);
  BusyWindow window;
  for (bool painting : {false, true}) {
    std::atomic<bool> stop{false};
    std::thread asker;
    if (painting) {
      asker = std::thread([&] {
        while (!stop) {
          // One request at a time, as a widget's update() posts them.
          if (!window.pending.exchange(true)) {
            QCoreApplication::postEvent(&window, new QEvent(QEvent::UpdateRequest));
          }
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
      });
    }
    for (const char* sound : {"WHodsDo", "WHodBer"}) {
      const double length = audio.Sounds().SoundLength(sound)->count() / 1000.0;
      std::vector<double> errors;
      for (int i = 0; i < plays; ++i) {
        const auto start = Clock::now();
        audio.PlayEventSound(sound, true, true);
        errors.push_back(MillisSince(start) - length);
      }
      std::sort(errors.begin(), errors.end());
      printf("  %s %6.1f ms, %-18s held longer by: median %+6.2f ms, max %+6.2f, min %+6.2f\n",
             sound, length, painting ? "window repainting:" : "quiet:", errors[errors.size() / 2],
             errors.back(), errors.front());
    }
    stop = true;
    if (asker.joinable()) asker.join();
  }
  QCoreApplication::sendPostedEvents(&window);
  printf("  (repaints delivered during the holds: %d)\n", window.paints);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10, plays = 20;
  bool child = false, fileDriver = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--child") == 0) child = true;
    if (std::strcmp(argv[i], "--file-driver") == 0) fileDriver = true;
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::max(1, atoi(argv[++i]));
    if (std::strcmp(argv[i], "--plays") == 0 && i + 1 < argc) plays = std::max(1, atoi(argv[++i]));
  }
  if (child) return RunChild(fileDriver);
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  if (const int status = MeasureStartUp(self, runs); status != 0) return status;
  return MeasureHold(plays);
}
