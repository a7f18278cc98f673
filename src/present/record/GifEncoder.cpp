#include "present/record/GifEncoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

#include "present/record/GifPalette.h"

namespace zendral {

namespace {

int WriteBytes(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

int MapSize(int colours) {
  int size = 2;
  while (size < colours) size *= 2;
  return size;
}

}  // namespace

int GifDelayUnits(int delayMs) {
  return std::clamp((std::max(delayMs, 0) + 5) / 10, 0, 65535);
}

GifEncoder::GifEncoder(QSize size) {
  int error = 0;
  gif_ = EGifOpen(&bytes_, WriteBytes, &error);
  if (gif_ == nullptr) {
    error_ = QString::fromUtf8(GifErrorString(error));
    return;
  }
  EGifSetGifVersion(gif_, true);
  screen_ = QRect(QPoint(0, 0), size.expandedTo(QSize(1, 1)));
  if (EGifPutScreenDesc(gif_, screen_.width(), screen_.height(), 8, 0, nullptr) == GIF_ERROR) {
    Fail("screen");
    return;
  }
  // Browsers play it again and again.
  static const char kNetscape[] = "NETSCAPE2.0";
  static const GifByteType kLoopForever[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, 11, kNetscape) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, 3, kLoopForever) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_) == GIF_ERROR) {
    Fail("loop");
  }
}

GifEncoder::~GifEncoder() {
  if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
}

bool GifEncoder::Fail(const char* what) {
  if (error_.isEmpty()) {
    error_ = QStringLiteral("GIF %1: %2")
                 .arg(QString::fromLatin1(what),
                      QString::fromUtf8(GifErrorString(gif_ != nullptr ? gif_->Error : 0)));
  }
  return false;
}

bool GifEncoder::Add(const RecordedFrame& frame) {
  if (gif_ == nullptr || !error_.isEmpty()) return false;
  const QRect area = first_ ? screen_ : frame.area.intersected(screen_);
  if (area.isEmpty()) return true;
  // Kept pixels are marked by alpha 0 in a frame of Format_ARGB32; any other frame is shown
  // as it is.
  const bool marked = frame.pixels.format() == QImage::Format_ARGB32 && !first_;
  const QImage pixels = frame.pixels.format() == QImage::Format_RGB32 || marked
                            ? frame.pixels
                            : frame.pixels.convertToFormat(QImage::Format_RGB32);
  const QPoint origin = first_ ? QPoint(0, 0) : frame.area.topLeft();
  constexpr std::uint32_t kKept = 0xFF000000;  // no colour of a picture
  const auto source = [&](int x, int y) -> std::uint32_t {
    const int sx = x - origin.x(), sy = y - origin.y();
    if (sx < 0 || sy < 0 || sx >= pixels.width() || sy >= pixels.height()) return 0;
    const quint32 pixel = reinterpret_cast<const quint32*>(pixels.constScanLine(sy))[sx];
    if (marked && qAlpha(pixel) == 0) return kKept;
    return pixel & 0xFFFFFF;
  };

  // The colours of the pixels that changed; a run of one colour is counted at once.
  ColourCounts counts;
  bool anyKept = false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    std::uint32_t runColour = 0;
    std::uint32_t run = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
      const std::uint32_t c = source(x, y);
      if (c == kKept) {
        anyKept = true;
        continue;
      }
      if (run > 0 && c == runColour) {
        ++run;
        continue;
      }
      if (run > 0) counts[runColour] += run;
      runColour = c;
      run = 1;
    }
    if (run > 0) counts[runColour] += run;
  }

  const FramePalette palette = MakePalette(counts, anyKept ? 255 : 256);
  const int transparent = anyKept ? static_cast<int>(palette.colours.size()) : NO_TRANSPARENT_COLOR;
  const int used = static_cast<int>(palette.colours.size()) + (anyKept ? 1 : 0);
  ColorMapObject* map = GifMakeMapObject(MapSize(used), nullptr);
  if (map == nullptr) return Fail("colours");
  for (int k = 0; k < map->ColorCount; ++k) map->Colors[k] = {0, 0, 0};
  for (std::size_t k = 0; k < palette.colours.size(); ++k) {
    const std::uint32_t c = palette.colours[k];
    map->Colors[k] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                      static_cast<GifByteType>(c)};
  }

  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = GifDelayUnits(frame.delayMs);
  control.TransparentColor = transparent;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  const bool described = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                                          extension) != GIF_ERROR &&
                         EGifPutImageDesc(gif_, area.left(), area.top(), area.width(),
                                          area.height(), false, map) != GIF_ERROR;
  GifFreeMapObject(map);
  if (!described) return Fail("frame");

  std::vector<GifPixelType> row(static_cast<std::size_t>(area.width()));
  for (int y = area.top(); y <= area.bottom(); ++y) {
    std::uint32_t lastColour = 0xFFFFFFFF;
    GifPixelType lastIndex = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
      const std::uint32_t c = source(x, y);
      GifPixelType& out = row[static_cast<std::size_t>(x - area.left())];
      if (c == kKept) {
        out = static_cast<GifPixelType>(transparent);
        continue;
      }
      if (c != lastColour) {
        lastColour = c;
        lastIndex = palette.index.at(c);
      }
      out = lastIndex;
    }
    if (EGifPutLine(gif_, row.data(), area.width()) == GIF_ERROR) return Fail("rows");
  }
  first_ = false;
  return true;
}

QByteArray GifEncoder::Finish() {
  if (gif_ == nullptr) return {};
  int error = 0;
  const int closed = EGifCloseFile(gif_, &error);
  gif_ = nullptr;
  if (closed == GIF_ERROR && error_.isEmpty()) {
    error_ = QStringLiteral("GIF: %1").arg(QString::fromUtf8(GifErrorString(error)));
  }
  if (!error_.isEmpty()) return {};
  return bytes_;
}

QByteArray EncodeGif(const KonRecording& recording, QString* error) {
  const auto failed = [&](const QString& why) {
    if (error != nullptr) *error = why;
    return QByteArray();
  };
  if (recording.empty()) return failed(QStringLiteral("no frames"));
  GifEncoder encoder(recording.size);
  for (const RecordedFrame& frame : recording.frames) {
    if (!encoder.Add(frame)) break;
  }
  QByteArray bytes = encoder.Finish();
  if (bytes.isEmpty()) return failed(encoder.error());
  return bytes;
}

}  // namespace zendral
