// bench_first_sound [--runs N]
//
// How long the program's main thread is held by its first sound and song when the machine has
// a sound device (or says it has): making the audio layer, an event sound, PrepareMusic and
// PlayMusic, in a fresh process each (the first opening of the audio module in a process is
// the real cost). Two cases take turns, so that both see the same load:
//   - as the program does it: the module is opened on a worker thread;
//   - the module opened first on the main thread (as the program did before), for comparison.
// Also printed: the time until the engines are in use, whichever thread opened them.

#include <stdio.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "present/audio/AudioModule.h"
#include "present/audio/ProgramAudio.h"

namespace {

using namespace zendral::audio;
using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One first use in this process; prints the main thread's time and the time to the engines.
int RunChild(bool openOnMainThread) {
  int argc = 1;
  char name[] = "bench_first_sound";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  const auto start = Clock::now();
  if (openOnMainThread && LoadAudioEngines() == nullptr) return 1;
  ProgramAudio audio(true);
  audio.PlayEventSound("WTasoKo", false, true);
  if (audio.PrepareMusic() != MusicError::kNone) return 1;
  audio.PlayMusic(true);
  const double held = MillisSince(start);
  audio.WaitUntilEnginesReady();
  const double ready = MillisSince(start);
  printf("%.3f %.3f %d\n", held, ready, AudioModuleProblem().empty() ? 1 : 0);
  fflush(stdout);
  return 0;
}

bool RunChildProcess(const std::string& self, const std::string& tempDir, bool mainThread,
                     double& held, double& ready) {
  const std::string command = "TMPDIR='" + tempDir + "' '" + self + "' --child" +
                              (mainThread ? " --main-thread" : "") + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  int opened = 0;
  const int fields = fscanf(pipe, "%lf %lf %d", &held, &ready, &opened);
  const int status = pclose(pipe);
  return fields == 3 && status == 0 && opened == 1;
}

void PrintSpread(const char* label, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  printf("    %-34s median %7.2f ms   min %7.2f   max %7.2f\n", label, values[values.size() / 2],
         values.front(), values.back());
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10;
  bool child = false, mainThread = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--child") == 0) child = true;
    if (std::strcmp(argv[i], "--main-thread") == 0) mainThread = true;
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::max(1, atoi(argv[++i]));
  }
  if (child) return RunChild(mainThread);

  QTemporaryDir temp;
  if (!temp.isValid()) return 1;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::vector<double> held[2], ready[2];
  for (int i = 0; i < runs; ++i) {
    for (int mode = 0; mode < 2; ++mode) {
      double h = 0, r = 0;
      if (!RunChildProcess(self, temp.path().toStdString(), mode == 1, h, r)) {
        fprintf(stderr, "bench_first_sound: a child run failed (is zendral-audio.so built?)\n");
        return 1;
      }
      held[mode].push_back(h);
      ready[mode].push_back(r);
    }
  }
  printf("The first sound and song with a sound device (a fresh process each, %d runs):\n", runs);
  const char* const modes[2] = {"module opened on a worker thread",
                                "module opened on the main thread"};
  for (int mode = 0; mode < 2; ++mode) {
    printf("  %s:\n", modes[mode]);
    PrintSpread("main thread held", held[mode]);
    PrintSpread("engines in use after", ready[mode]);
  }
  return 0;
}
