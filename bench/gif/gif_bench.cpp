// bench_gif: what recording a kon costs. Each window size plays the same kon (seed 7) through
// the kon driver on the offscreen table, capturing as the program does; then:
//   BM_EncodeDealFrame/N  one whole captured frame (the dealt table) encoded, at size N;
//   BM_EncodeMoveFrame/N  one frame of a move (the changed rectangle) encoded;
//   BM_EncodeKon/N        the whole kon: frames, bytes per frame, file bytes;
//   BM_CaptureStill/N     a capture tick over a table that did not change (the comparison
//                         the window thread makes every 100 ms; the grab itself not counted).
// Run: bench_gif (QT_QPA_PLATFORM=offscreen is set by the program itself).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <map>

#include "art/ArtLibrary.h"
#include "game/ComputerPlayer.h"
#include "game/KonDriver.h"
#include "game/Simulation.h"
#include "present/record/GifEncoder.h"
#include "present/record/OffscreenTable.h"

namespace zendral {
namespace {

// The recording of one whole kon at a window size, made once.
const KonRecording& Kon(int windowSize) {
  static std::map<int, KonRecording> kons;
  auto it = kons.find(windowSize);
  if (it != kons.end()) return it->second;
  QTemporaryDir folder;
  GameState state;
  state.FlyCards = false;
  state.GifSave = true;
  OffscreenTable table(state, windowSize, 1000, folder.path().toStdString());
  Random random(7);
  KonDriver driver(state, DriverLinks{table, random});
  state.PlayerSlot = kNewPlayerSlot;
  state.DialogName = "Bench";
  // The recording is taken before the settlement writes it.
  driver.DealKon(false);
  const GameState& s = driver.state();
  driver.MainButtonClick();
  for (int turn = 0; turn < 400 && (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
       ++turn) {
    if (s.TurnState == ksSeat1ToMove) {
      driver.TimerTick();
    } else {
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot != 0) {
        driver.CardClick(slot);
      } else {
        driver.MainButtonClick();
      }
    }
  }
  table.CaptureFrame();
  // A copy of the frames as they stand, the last one held as the writer holds it.
  KonFrames copy = table.frames();
  return kons.emplace(windowSize, copy.Take()).first->second;
}

void BM_EncodeDealFrame(benchmark::State& state) {
  const KonRecording& kon = Kon(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    GifEncoder encoder(kon.size);
    encoder.Add(kon.frames.front());
    bytes = static_cast<std::size_t>(encoder.Finish().size());
  }
  state.counters["width"] = kon.size.width();
  state.counters["height"] = kon.size.height();
  state.counters["bytes"] = static_cast<double>(bytes);
}

// A move in the middle of the kon: the encoder has the table of the frame before it.
void BM_EncodeMoveFrame(benchmark::State& state) {
  const KonRecording& kon = Kon(static_cast<int>(state.range(0)));
  const std::size_t middle = kon.frames.size() / 2;
  for (auto _ : state) {
    state.PauseTiming();
    GifEncoder encoder(kon.size);
    for (std::size_t k = 0; k < middle; ++k) encoder.Add(kon.frames[k]);
    state.ResumeTiming();
    encoder.Add(kon.frames[middle]);
  }
  state.counters["area"] =
      kon.frames[middle].area.width() * static_cast<double>(kon.frames[middle].area.height());
}

void BM_EncodeKon(benchmark::State& state) {
  const KonRecording& kon = Kon(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) bytes = static_cast<std::size_t>(EncodeGif(kon).size());
  const double frames = static_cast<double>(kon.frames.size());
  state.counters["frames"] = frames;
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.counters["bytes_per_frame"] = static_cast<double>(bytes) / frames;
  // CPU seconds per frame ("4.2m" is 4.2 ms).
  state.counters["s_per_frame"] = benchmark::Counter(
      frames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CaptureStill(benchmark::State& state) {
  const KonRecording& kon = Kon(static_cast<int>(state.range(0)));
  const QImage& table = kon.frames.front().pixels;
  KonFrames frames;
  frames.Start();
  frames.Capture(table, 1000);
  for (auto _ : state) benchmark::DoNotOptimize(frames.Capture(table, 1000));
}

BENCHMARK(BM_EncodeDealFrame)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeMoveFrame)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeKon)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptureStill)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zendral

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  zendral::InitArtLibrary();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
