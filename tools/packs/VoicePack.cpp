#include "VoicePack.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/Card.h"
#include "present/audio/VoiceNames.h"
#include "present/words/MediaWords.h"

namespace zendral::packs {

namespace {

constexpr std::array<std::string_view, kLanguageCount> kVoices = {
    "en-gb", "ru", "de", "fr-fr", "es", "cmn-latn-pinyin", "it", "cs", "ja", "ko"};

constexpr int kQuiet = 32768 / 100;
constexpr double kPeak = 0.9 * 32767.0;
constexpr int kMarginMs = 30;

std::uint32_t Le32(const char* p) {
  return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
         std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}
std::uint16_t Le16(const char* p) {
  return static_cast<std::uint16_t>(std::uint8_t(p[0]) | std::uint8_t(p[1]) << 8);
}
void Put(std::vector<char>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put(std::vector<char>& out, std::string_view text) {
  for (char c : text) out.push_back(c);
}

}  // namespace

std::string_view EspeakVoice(int language) {
  if (language < 0 || language >= kLanguageCount) return {};
  return kVoices[static_cast<std::size_t>(language)];
}

std::optional<Speech> ReadSpeechWav(const std::vector<char>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  Speech speech;
  bool format = false;
  // espeak-ng writing to a file leaves the RIFF and data lengths as they were when it began
  // (0x7FFFFFFF for a stream), so the data chunk runs to the end of what is there.
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const char* chunk = bytes.data() + at;
    const std::uint64_t size = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < 16 || at + 8 + 16 > bytes.size()) return std::nullopt;
      const char* f = chunk + 8;
      if (Le16(f) != 1 || Le16(f + 2) != 1 || Le16(f + 14) != 16) return std::nullopt;
      speech.sampleRate = static_cast<int>(Le32(f + 4));
      format = speech.sampleRate > 0;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!format) return std::nullopt;
      const std::size_t available = bytes.size() - at - 8;
      const std::size_t count =
          static_cast<std::size_t>(std::min<std::uint64_t>(size, available)) / 2;
      speech.samples.resize(count);
      for (std::size_t i = 0; i < count; ++i) {
        speech.samples[i] = static_cast<std::int16_t>(Le16(chunk + 8 + 2 * i));
      }
      return speech;
    }
    at += 8 + static_cast<std::size_t>(size) + (size & 1);
  }
  return std::nullopt;
}

std::vector<char> WriteSpeechWav(const Speech& speech) {
  const auto dataBytes = static_cast<std::uint32_t>(speech.samples.size() * 2);
  std::vector<char> out;
  Put(out, "RIFF");
  Put(out, 36 + dataBytes, 4);
  Put(out, "WAVEfmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, static_cast<std::uint32_t>(speech.sampleRate), 4);
  Put(out, static_cast<std::uint32_t>(speech.sampleRate) * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  Put(out, "data");
  Put(out, dataBytes, 4);
  for (std::int16_t s : speech.samples) Put(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

Speech TrimAndNormalise(const Speech& speech) {
  Speech out;
  out.sampleRate = speech.sampleRate;
  const auto loud = [](std::int16_t s) { return std::abs(int(s)) > kQuiet; };
  const auto first = std::find_if(speech.samples.begin(), speech.samples.end(), loud);
  if (first == speech.samples.end()) return out;
  const auto last = std::find_if(speech.samples.rbegin(), speech.samples.rend(), loud).base();
  const auto margin = static_cast<std::ptrdiff_t>(speech.sampleRate) * kMarginMs / 1000;
  const auto begin =
      speech.samples.begin() + std::max<std::ptrdiff_t>(0, first - speech.samples.begin() - margin);
  const auto end = speech.samples.begin() +
                   std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(speech.samples.size()),
                                            last - speech.samples.begin() + margin);
  int peak = 0;
  for (auto it = begin; it != end; ++it) peak = std::max(peak, std::abs(int(*it)));
  const double gain = kPeak / peak;
  out.samples.reserve(static_cast<std::size_t>(end - begin));
  for (auto it = begin; it != end; ++it) {
    const double v = std::round(*it * gain);
    out.samples.push_back(static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0)));
  }
  return out;
}

bool BuildVoicePack(const QString& outDir, const QString& rcc, const QString& espeak) {
  const QString target = QDir(outDir).filePath(QString::fromLatin1(audio::kVoicePackFile.data()));
  QTemporaryDir work(QDir(outDir).filePath(QStringLiteral(".voice-XXXXXX")));
  if (!work.isValid() || !QDir(work.path()).mkpath(QStringLiteral("wav"))) {
    std::fprintf(stderr, "zendral-packs: cannot make a work folder in %s\n", qPrintable(outDir));
    return false;
  }
  QString qrc = QStringLiteral("<RCC>\n<qresource prefix=\"/wav\">\n");
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      const QString name = QString::fromStdString(audio::VoiceResourceName(card, language));
      const std::string_view text = Word(*CardNameRow(card.suit, card.rank), language);
      const QString raw = work.filePath(QStringLiteral("raw.wav"));
      QProcess speak;
      speak.start(espeak, {QStringLiteral("-v"), QString::fromLatin1(EspeakVoice(language).data()),
                           QStringLiteral("-w"), raw, QStringLiteral("--"),
                           QString::fromUtf8(text.data(), qsizetype(text.size()))});
      if (!speak.waitForFinished(60000) || speak.exitStatus() != QProcess::NormalExit ||
          speak.exitCode() != 0) {
        std::fprintf(stderr, "zendral-packs: %s failed for %s: %s\n", qPrintable(espeak),
                     qPrintable(name), speak.readAllStandardError().constData());
        return false;
      }
      QFile in(raw);
      if (!in.open(QIODevice::ReadOnly)) return false;
      const QByteArray bytes = in.readAll();
      const auto speech = ReadSpeechWav(std::vector<char>(bytes.begin(), bytes.end()));
      const Speech trimmed = speech ? TrimAndNormalise(*speech) : Speech{};
      if (trimmed.samples.empty()) {
        std::fprintf(stderr, "zendral-packs: no speech for %s\n", qPrintable(name));
        return false;
      }
      const std::vector<char> wav = WriteSpeechWav(trimmed);
      QFile out(work.filePath(QStringLiteral("wav/") + name));
      if (!out.open(QIODevice::WriteOnly) ||
          out.write(wav.data(), qint64(wav.size())) != qint64(wav.size())) {
        return false;
      }
      qrc += QStringLiteral("  <file alias=\"%1\">wav/%1</file>\n").arg(name);
    }
  }
  qrc += QStringLiteral("</qresource>\n</RCC>\n");
  QFile qrcFile(work.filePath(QStringLiteral("voice.qrc")));
  if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0) return false;
  qrcFile.close();

  const QString partial = target + QStringLiteral(".part");
  QProcess compile;
  compile.setWorkingDirectory(work.path());
  compile.start(rcc, {QStringLiteral("--binary"), QStringLiteral("voice.qrc"), QStringLiteral("-o"),
                      partial});
  if (!compile.waitForFinished(600000) || compile.exitStatus() != QProcess::NormalExit ||
      compile.exitCode() != 0) {
    std::fprintf(stderr, "zendral-packs: rcc failed for the voice pack: %s\n",
                 compile.readAllStandardError().constData());
    QFile::remove(partial);
    return false;
  }
  if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) !=
      0) {
    QFile::remove(partial);
    return false;
  }
  return true;
}

}  // namespace zendral::packs
