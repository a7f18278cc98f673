// zendral-soundgen OUTPUT_FOLDER
// Synthesises the program's sixteen event sounds as WAV files (16-bit mono PCM, 44 100 Hz)
// and writes the menu song as MidiSong.mid, for the resource library to compile in.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "EventSoundDesigns.h"
#include "FileOut.h"
#include "MidiSong.h"
#include "present/audio/EventSoundNames.h"

int main(int argc, char** argv) {
  using namespace zendral;
  if (argc != 2) {
    std::cerr << "usage: zendral-soundgen OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << "zendral-soundgen: cannot create " << folder << ": " << ec.message() << "\n";
    return 1;
  }

  for (std::string_view name : audio::kEventSoundNames) {
    const soundgen::Samples samples = soundgen::DesignEventSound(name);
    if (samples.empty()) {
      std::cerr << "zendral-soundgen: no recipe for " << name << "\n";
      return 1;
    }
    const auto wav = soundgen::EncodeWav(soundgen::ToPcm16(samples), soundgen::kSampleRate);
    const auto path = folder / (std::string(name) + ".wav");
    if (!soundgen::WriteFileAtomically(path, wav)) {
      std::cerr << "zendral-soundgen: cannot write " << path << "\n";
      return 1;
    }
  }

  std::string error;
  const auto song = soundgen::ComposeMidiSong(error);
  if (song.empty()) {
    std::cerr << "zendral-soundgen: the song's score is wrong: " << error << "\n";
    return 1;
  }
  const auto songPath = folder / (std::string(audio::kMidiSongName) + ".mid");
  if (!soundgen::WriteFileAtomically(songPath, song)) {
    std::cerr << "zendral-soundgen: cannot write " << songPath << "\n";
    return 1;
  }
  return 0;
}
