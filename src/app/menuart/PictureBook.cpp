#include "app/menuart/PictureBook.h"

#include <QFile>
#include <QImageReader>

#include "app/main/MenuGeometry.h"
#include "app/main/MenuPictures.h"
#include "app/menuart/RawPicture.h"
#include "app/online/MenuArt.h"
#include "app/online/OnlineArt.h"
#include "app/radio/RadioArt.h"

namespace zendral {

const std::vector<BookPage>& PictureBookPages() {
  static const std::vector<BookPage> book = [] {
    std::vector<BookPage> pages = {
        // The left column's icons.
        {"Android", [] { return PaintMenuIcon("Android"); }},
        {"ImHp", [] { return PaintMenuIcon("ImHp"); }},
        {"ImTR", [] { return PaintMenuIcon("ImTR"); }},
        {"GooglePlay", [] { return PaintMenuIcon("GooglePlay"); }},
        // The ornaments at the sides (their lamps below).
        {"DecorationLeft", [] { return PaintDecorationPicture(false); }},
        {"DecorationRight", [] { return PaintDecorationPicture(true); }},
        // The club's icons, the sirens and the account's lamps.
        {"Account48", [] { return PaintAccountPicture(48); }},
        {"Earth48", [] { return PaintWorldPicture(48); }},
        {"Stats48", [] { return PaintStatsPicture(48); }},
        {"Daily48", [] { return PaintDailyPicture(48); }},
        {"Chat48", [] { return PaintChatPicture(48); }},
        {"News48", [] { return PaintNewsPicture(48); }},
        {"AdvGiftR48", [] { return PaintGiftPicture('R', 48); }},
        {"AdvGiftG48", [] { return PaintGiftPicture('G', 48); }},
        {"GSirenaR48", [] { return PaintSiren('R', 48); }},
        {"GSirenaB48", [] { return PaintSiren('B', 48); }},
    };
    for (const char colour : {'R', 'Y', 'G'}) {
      pages.push_back({AccountLampPage(colour), [colour] { return PaintLamp(colour, 24); }});
    }
    for (int k = 0; k < kLampPictures; ++k) {
      pages.push_back({LampPage(k), [k] { return PaintLampPicture(k); }});
    }
    // The animations' frames are compact but those the menu shows when it comes up: the
    // first, and the still one when the animation is off.
    for (const int which : {1, 2}) {
      for (int frame = 0; frame < kMenuGifFrames; ++frame) {
        const bool atStart = frame == 0 || frame == StillGifFrame(which);
        pages.push_back({GifPage(which, frame),
                         [which, frame] { return PaintMenuGifFrame(which, frame); }, !atStart});
      }
    }
    // The music player and the radio.
    for (const char* name : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume", "GPolkaNw", "GRadioA",
                             "GRadioB", "GRadioR", "GRadioG"}) {
      pages.push_back({name, [name] { return radioui::PaintMediaPicture(name); }});
    }
    return pages;
  }();
  return book;
}

QImage BookPicture(const QString& name) {
  if (QImage raw = RawPictureResource(":/menuart/" + name + ".raw"); !raw.isNull()) return raw;
  QFile compact(":/appart/" + name + ".png");
  if (compact.exists()) {
    QImageReader reader(&compact, "PNG");
    reader.setAutoDetectImageFormat(false);  // no asking every image plugin
    const QImage image = reader.read();
    if (!image.isNull()) return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  for (const BookPage& page : PictureBookPages()) {
    if (page.name == name) return page.paint();
  }
  return {};
}

QString LampPage(int index) {
  return "Lamp" + QString::number(((index % kLampPictures) + kLampPictures) % kLampPictures);
}

QString GifPage(int which, int frame) {
  return QString("Gif%1-%2").arg(which).arg(frame);
}

QString AccountLampPage(char colour) {
  return QString("Lamp%1%2").arg(QLatin1Char(colour)).arg(24);
}

}  // namespace zendral
