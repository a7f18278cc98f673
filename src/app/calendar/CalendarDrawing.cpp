#include "app/calendar/CalendarDrawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"

namespace zendral {
namespace {

constexpr int kDefaultDaySize = 12;
constexpr int kDefaultMonthSize = 8;
constexpr int kDayTop = 22;
constexpr int kMonthTop = 42;

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Text centred across the page with its top at y.
void DrawCentred(QPainter& painter, const QString& text, const QFont& font, const QColor& colour,
                 int top) {
  painter.setFont(font);
  painter.setPen(colour);
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text);
  painter.drawText((kCalendarPageWidth - width) / 2, top + metrics.ascent(), text);
}

QImage DrawPage(const TCalendarPage& page, const OpenPack& pack, const TCalendarFonts& fonts,
                QSize size) {
  QImage image(size.expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  // Drawn in design units; the painter scales pictures and text to the page's pixels.
  painter.scale(static_cast<double>(image.width()) / kCalendarPageWidth,
                static_cast<double>(image.height()) / kCalendarPageHeight);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QImage base =
      pack.Picture(PackKind::kPng,
                   QString::fromLatin1(kCalendarBasePicture.data(), kCalendarBasePicture.size()));
  if (!base.isNull()) painter.drawImage(0, 0, base);
  const QImage picture = pack.Picture(PackKind::kPng, ToQString(page.picture));
  if (!picture.isNull()) painter.drawImage(page.pictureX, page.pictureY, picture);

  if (page.kind == TCalendarPageKind::kDate) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont day(fonts.family);
    day.setPixelSize(PointsToPixels(fonts.daySize > 0 ? fonts.daySize : kDefaultDaySize));
    DrawCentred(painter, QString::number(page.day), day,
                page.sunday ? QColor(255, 0, 0) : QColor(0, 0, 0), kDayTop);
    const int monthPoints =
        (fonts.monthSize > 0 ? fonts.monthSize : kDefaultMonthSize) - (page.longMonth ? 1 : 0);
    QFont month(fonts.family);
    month.setPixelSize(PointsToPixels(std::max(1, monthPoints)));
    DrawCentred(painter, ToQString(page.month), month, QColor(0, 0, 0), kMonthTop);
  }
  return image;
}

}  // namespace

int PointsToPixels(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

std::optional<std::vector<TDrawnCalendarPage>> BuildCalendar(
    const std::filesystem::path& programFolder, const TCalendarDate& date, int language,
    const TCalendarFonts& fonts, QSize size) {
  const std::filesystem::path file = FindPack(programFolder, kPackCalendar);
  if (file.empty()) return std::nullopt;
  const OpenPack pack(file);  // released when the pages are drawn
  if (!pack.ok()) return std::nullopt;
  std::vector<TDrawnCalendarPage> drawn;
  for (const TCalendarPage& page : CalendarPagesFor(date, language)) {
    drawn.push_back({DrawPage(page, pack, fonts, size), ToQString(page.hint)});
  }
  return drawn;
}

}  // namespace zendral
