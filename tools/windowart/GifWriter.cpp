#include "GifWriter.h"

#include <gif_lib.h>

#include <QByteArray>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace zendral::windowart {

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kMaxColours = 255;  // besides the transparent index

// Colours are counted in bins of 5 bits per channel; a bin's colour is the mean of its pixels.
int Bin(QRgb c) {
  return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3);
}

struct BinTotal {
  std::uint64_t count = 0, red = 0, green = 0, blue = 0;
};

std::vector<QRgb> ChoosePalette(const std::vector<QImage>& frames) {
  std::vector<BinTotal> bins(1 << 15);
  for (const QImage& frame : frames) {
    for (int y = 0; y < frame.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < frame.width(); ++x) {
        if (qAlpha(line[x]) < 128) continue;
        BinTotal& b = bins[static_cast<std::size_t>(Bin(line[x]))];
        ++b.count;
        b.red += static_cast<std::uint64_t>(qRed(line[x]));
        b.green += static_cast<std::uint64_t>(qGreen(line[x]));
        b.blue += static_cast<std::uint64_t>(qBlue(line[x]));
      }
    }
  }
  std::vector<int> used;
  for (int i = 0; i < static_cast<int>(bins.size()); ++i) {
    if (bins[static_cast<std::size_t>(i)].count != 0) used.push_back(i);
  }
  std::stable_sort(used.begin(), used.end(), [&](int a, int b) {
    return bins[static_cast<std::size_t>(a)].count > bins[static_cast<std::size_t>(b)].count;
  });
  if (used.size() > kMaxColours) used.resize(kMaxColours);
  std::vector<QRgb> palette;
  for (int i : used) {
    const BinTotal& b = bins[static_cast<std::size_t>(i)];
    palette.push_back(qRgb(static_cast<int>(b.red / b.count), static_cast<int>(b.green / b.count),
                           static_cast<int>(b.blue / b.count)));
  }
  return palette;
}

class Quantiser {
 public:
  explicit Quantiser(std::vector<QRgb> palette)
      : palette_(std::move(palette)), byBin_(1 << 15, -1) {}

  // Palette index + 1 (0 is transparent).
  GifByteType Index(QRgb c) {
    if (qAlpha(c) < 128) return kTransparentIndex;
    int& cached = byBin_[static_cast<std::size_t>(Bin(c))];
    if (cached < 0) {
      int best = 0;
      int bestDistance = std::numeric_limits<int>::max();
      for (int i = 0; i < static_cast<int>(palette_.size()); ++i) {
        const QRgb p = palette_[static_cast<std::size_t>(i)];
        const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = i;
        }
      }
      cached = best;
    }
    return static_cast<GifByteType>(cached + 1);
  }

 private:
  std::vector<QRgb> palette_;
  std::vector<int> byBin_;
};

int AppendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

}  // namespace

bool WriteAnimatedGif(const QString& path, const std::vector<QImage>& source, int delayMs,
                      QString* error) {
  auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (source.empty()) return fail("no frames");
  const int width = source.front().width(), height = source.front().height();
  std::vector<QImage> frames;
  for (const QImage& frame : source) {
    if (frame.size() != source.front().size()) return fail("frames of different sizes");
    frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
  }

  const std::vector<QRgb> palette = ChoosePalette(frames);
  std::array<GifColorType, 256> colours{};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    colours[i + 1] = {static_cast<GifByteType>(qRed(palette[i])),
                      static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
  }
  Quantiser quantiser(palette);

  QByteArray bytes;
  int gifError = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendToBuffer, &gifError);
  if (!gif) return fail(QString("giflib: %1").arg(GifErrorString(gifError)));
  EGifSetGifVersion(gif, true);
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  bool ok = map && EGifPutScreenDesc(gif, width, height, 8, kTransparentIndex, map) == GIF_OK;
  GifFreeMapObject(map);

  // Loop for ever (the application extension that every browser and QMovie understand).
  if (ok) {
    static const GifByteType kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kLoop[] = {1, 0, 0};
    ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, kLoop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
  }
  std::vector<GifByteType> line(static_cast<std::size_t>(width));
  for (const QImage& frame : frames) {
    if (!ok) break;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;  // each frame is whole: clear before the next
    control.UserInputFlag = false;
    control.DelayTime = std::max(1, delayMs / 10);
    control.TransparentColor = kTransparentIndex;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
             GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y) {
      const QRgb* pixels = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < width; ++x)
        line[static_cast<std::size_t>(x)] = quantiser.Index(pixels[x]);
      ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
    }
  }
  const int lastError = gif->Error;
  if (EGifCloseFile(gif, &gifError) != GIF_OK) ok = false;
  if (!ok) return fail(QString("giflib: %1").arg(GifErrorString(lastError ? lastError : gifError)));

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return fail("cannot write " + path);
  }
  return true;
}

}  // namespace zendral::windowart
