#pragma once
// play-session --gif: the session's kons recorded as the program records them, with the table
// drawn offscreen, so that recordings can be made on a machine without a screen.

#include <memory>
#include <optional>
#include <string>

#include "Args.h"
#include "game/GameState.h"
#include "present/record/OffscreenTable.h"

namespace zendral::cli {

struct GifOptions {
  std::string folder;  // the recordings go straight into it
  int windowSize = 1;  // --gif-size, the window sizes of the settings
  int delayMs = 1000;  // --gif-delay, as GifDelay
};

// The options the recording adds to a command.
inline const char* const kGifOptionNames[] = {"gif", "gif-size", "gif-delay"};

// Reads --gif DIR [--gif-size N] [--gif-delay MS]: none when --gif is not given, an error text
// when an option is wrong.
std::optional<std::string> ReadGifOptions(Args& args, std::optional<GifOptions>& options);

// The recorded table for the session (starting Qt's offscreen platform), with GifSave on.
std::unique_ptr<OffscreenTable> MakeRecordedTable(GameState& state, const GifOptions& options);

// Prints the files written ("gif: PATH") and the failures (on stderr); false on a failure.
bool ReportRecordings(const OffscreenTable* table, const char* command);

}  // namespace zendral::cli
