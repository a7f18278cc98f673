// The recording side of play-session --gif (see GifRecording.h).

#include <QGuiApplication>
#include <cstdio>

#include "GifRecording.h"
#include "art/ArtLibrary.h"

namespace zendral::cli {

namespace {

// The drawing needs a GUI application; the offscreen platform asks for no screen.
void StartOffscreenGui() {
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zendral-cli";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
  InitArtLibrary();
}

}  // namespace

std::optional<std::string> ReadGifOptions(Args& args, std::optional<GifOptions>& options) {
  options.reset();
  const auto size = args.GetNumber("gif-size");
  const auto delay = args.GetNumber("gif-delay");
  if (!args.ok()) return args.error();
  const std::optional<std::string> folder = args.Get("gif");
  if (!folder) {
    if (size || delay) return std::string("--gif-size and --gif-delay need --gif");
    return std::nullopt;
  }
  if (folder->empty()) return std::string("--gif needs a folder");
  if (size && (*size < 1 || *size > 5)) return std::string("--gif-size must be 1 to 5");
  if (delay && (*delay < 0 || *delay > 3'600'000)) {
    return std::string("--gif-delay must be 0 to 3600000 milliseconds");
  }
  options = GifOptions{*folder, static_cast<int>(size.value_or(1)),
                       static_cast<int>(delay.value_or(1000))};
  return std::nullopt;
}

std::unique_ptr<OffscreenTable> MakeRecordedTable(GameState& state, const GifOptions& options) {
  StartOffscreenGui();
  state.GifSave = true;
  return std::make_unique<OffscreenTable>(state, options.windowSize, options.delayMs,
                                          options.folder);
}

bool ReportRecordings(const OffscreenTable* table, const char* command) {
  if (table == nullptr) return true;
  bool ok = true;
  for (const RecordingWrite& written : table->written()) {
    if (written.ok) {
      std::printf("gif: %s\n", written.path.toStdString().c_str());
    } else {
      std::fprintf(stderr, "zendral-cli %s: cannot write %s: %s\n", command,
                   written.path.toStdString().c_str(), written.error.toStdString().c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace zendral::cli
