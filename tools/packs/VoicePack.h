#pragma once
// The voice pack "KovCVoice3.dll": the name of each of the 36 cards in each of the ten
// languages, spoken by espeak-ng with a voice of that language, trimmed of the silence around
// it and brought to one loudness, stored as 16-bit mono WAV under "wav/" by the voices' names
// ("Ch3QVoiceRus"), compiled with rcc --binary.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::packs {

// The espeak-ng voice that speaks a language of the word tables (by index); Chinese is read
// from its characters by the Mandarin voice that knows them.
std::string_view EspeakVoice(int language);

// 16-bit mono samples at a rate.
struct Speech {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;
};

// The samples of a PCM WAV of 16-bit mono (what espeak-ng writes); nothing for anything else.
std::optional<Speech> ReadSpeechWav(const std::vector<char>& bytes);
std::vector<char> WriteSpeechWav(const Speech& speech);

// Cuts the quiet before the first and after the last sound louder than 1/100 of full scale,
// keeping 30 ms either side, and scales the rest so its loudest sample is at 90 % of full
// scale. A recording with no sound at all comes back empty.
Speech TrimAndNormalise(const Speech& speech);

// Speaks every card in every language and writes the pack into outDir (through a work folder
// and a rename, so a failed run leaves no pack). `rcc` is the resource compiler, `espeak` the
// speech program. False, with the reason on stderr, on any failure.
bool BuildVoicePack(const QString& outDir, const QString& rcc,
                    const QString& espeak = QStringLiteral("espeak-ng"));

}  // namespace zendral::packs
