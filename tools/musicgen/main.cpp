// zendral-musicgen: writes the companion server's music as MIDI files, one per track.
//   zendral-musicgen OUTDIR     writes OUTDIR/<artist>~<title>.mid and prints each file name
// tools/musicgen/make-music.sh renders them with FluidSynth and encodes them as MP3.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Arrangement.h"
#include "Tunes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: zendral-musicgen OUTDIR\n", stderr);
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  for (const zendral::musicgen::Tune& tune : zendral::musicgen::Tunes()) {
    std::string error;
    const std::vector<std::uint8_t> midi = zendral::musicgen::ArrangeTune(tune, error);
    const std::string name = std::string(tune.file) + ".mid";
    if (midi.empty()) {
      std::fprintf(stderr, "zendral-musicgen: %s: %s\n", name.c_str(), error.c_str());
      return 1;
    }
    const std::filesystem::path partial = out / (name + ".part");
    {
      std::ofstream file(partial, std::ios::binary);
      file.write(reinterpret_cast<const char*>(midi.data()),
                 static_cast<std::streamsize>(midi.size()));
      if (!file) {
        std::fprintf(stderr, "zendral-musicgen: cannot write %s\n", partial.c_str());
        return 1;
      }
    }
    std::filesystem::rename(partial, out / name, ec);
    if (ec) {
      std::fprintf(stderr, "zendral-musicgen: cannot write %s\n", name.c_str());
      return 1;
    }
    std::printf("%s\n", name.c_str());
  }
  return 0;
}
