#pragma once
// Shared by the recording tests: a GUI application for fonts, pictures of a small table that
// change the way a kon does, and a reader that plays a GIF file back with giflib, frame by
// frame, as a browser shows it.

#include <gif_lib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace zendral::testing {

inline void EnsureGuiApp() {
  static int argc = 1;
  static char name[] = "record_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app =
      QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
  (void)app;
}

// A table of w × h: plain felt, a card in each of `cards` places with a rank written on it.
inline QImage TablePicture(int w, int h, int cards) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(18, 96, 52));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font;
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  for (int k = 0; k < cards; ++k) {
    const QRectF card(10 + (k % 8) * 30, 10 + (k / 8) * 50, 26, 40);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3, 3);
    p.setPen(k % 2 == 0 ? QColor(200, 0, 0) : QColor(0, 0, 0));
    p.drawText(card, Qt::AlignCenter, QString::number(6 + k % 9));
  }
  return image;
}

// A GIF as a browser plays it: each frame composed over the one before.
struct PlayedFrame {
  QImage picture;  // the whole screen after the frame, Format_RGB32
  QRect area;      // the rectangle the frame's image covers
  int delayUnits = -1;
  int transparent = -1;
  int disposal = -1;
  int colours = 0;  // entries of the colour table used
};

struct PlayedGif {
  bool ok = false;
  QString error;
  QByteArray version;  // "GIF89a"
  QSize screen;
  bool loops = false;
  std::vector<PlayedFrame> frames;
};

inline int ReadFromBytes(GifFileType* gif, GifByteType* out, int length) {
  auto* cursor = static_cast<std::pair<const QByteArray*, int>*>(gif->UserData);
  const int n = std::min(length, static_cast<int>(cursor->first->size()) - cursor->second);
  std::memcpy(out, cursor->first->constData() + cursor->second, static_cast<std::size_t>(n));
  cursor->second += n;
  return n;
}

inline PlayedGif PlayGif(const QByteArray& bytes) {
  PlayedGif played;
  played.version = bytes.left(6);
  std::pair<const QByteArray*, int> cursor{&bytes, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&cursor, ReadFromBytes, &error);
  if (gif == nullptr) {
    played.error = GifErrorString(error);
    return played;
  }
  if (DGifSlurp(gif) == GIF_ERROR) {
    played.error = GifErrorString(gif->Error);
    DGifCloseFile(gif, &error);
    return played;
  }
  played.screen = QSize(gif->SWidth, gif->SHeight);
  QImage screen(played.screen, QImage::Format_RGB32);
  screen.fill(Qt::black);
  for (int k = 0; k < gif->ImageCount; ++k) {
    const SavedImage& image = gif->SavedImages[k];
    for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
        played.loops = true;
      }
    }
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif, k, &control);
    const GifImageDesc& d = image.ImageDesc;
    const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
    PlayedFrame frame;
    frame.area = QRect(d.Left, d.Top, d.Width, d.Height);
    frame.delayUnits = control.DelayTime;
    frame.transparent = control.TransparentColor;
    frame.disposal = control.DisposalMode;
    for (int y = 0; y < d.Height; ++y) {
      for (int x = 0; x < d.Width; ++x) {
        const int index = image.RasterBits[y * d.Width + x];
        if (index == control.TransparentColor) continue;
        if (map == nullptr || index >= map->ColorCount) {
          played.error = "pixel outside the colour table";
          DGifCloseFile(gif, &error);
          return played;
        }
        frame.colours = std::max(frame.colours, index + 1);
        const GifColorType c = map->Colors[index];
        screen.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
      }
    }
    frame.picture = screen.copy();
    played.frames.push_back(std::move(frame));
  }
  DGifCloseFile(gif, &error);
  played.ok = true;
  return played;
}

}  // namespace zendral::testing
