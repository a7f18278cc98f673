#include "app/windows/OrderPicture.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/geometry/TableScale.h"
#include "present/words/WordRows.h"
#include "store/ClubFile.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr std::size_t kClubFileMaxBytes = 4096;  // a club file holds 583 bytes and line ends
const QColor kMaroon(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kNavy(0, 0, 128);

// Draws a text whose cell's top is at y.
void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QPointF(x, y + QFontMetrics(p.font()).ascent()), text);
}

void Centred(QPainter& p, int a, int b, int y, const QString& text) {
  TextAt(p, CentredLeft(a, b, QFontMetrics(p.font()).horizontalAdvance(text)), y, text);
}

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

std::filesystem::path ClubFilePath(const std::filesystem::path& programFolder, bool net) {
  return programFolder / std::string(net ? kNetworkClubFileName : kLocalClubFileName);
}

ClubOrder ReadClubOrder(const std::filesystem::path& programFolder, bool net) {
  ClubOrder order;
  order.net = net;
  const FileBytes file = ReadFileBytes(ClubFilePath(programFolder, net), kClubFileMaxBytes);
  if (file.status != ReadStatus::kOk) return order;
  // The Order of a file that fails the start-up test (layout, checksums) is not shown.
  if (!CheckClubBytes(file.bytes).ok()) return order;
  const ClubParse parse = ParseClubFile(file.bytes);
  if (parse.fault != ClubFault::kNone) return order;
  for (int place = 1; place <= kOrderPlaces; ++place) {
    const std::string& line = parse.file.Line(kFirstOrderLine + place - 1);
    const auto k = static_cast<std::size_t>(place - 1);
    order.names[k] = Cp1251ToUtf8(std::string_view(line).substr(0, 20));
    order.scores[k] = Trimmed(Cp1251ToUtf8(std::string_view(line).substr(20, 6)));
  }
  order.read = true;
  return order;
}

int CentredLeft(int a, int b, int textWidth) {
  return a + RoundHalfEven((b - a - textWidth) / 2.0);
}

QImage PaintOrderPicture(const Settings& settings, const ClubOrder& order,
                         const QColor& buttonFace) {
  QImage image(kOrderPictureWidth, kOrderPictureHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(buttonFace);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawImage(0, 0, WindowPicture(QStringLiteral("GSvitok")));

  p.setFont(SerifFont(settings, kOrderTextSize, true));
  p.setPen(kMaroon);
  Centred(p, 0, kOrderPictureWidth, 85,
          WordText(order.net ? kWordWindowsNetGames : kWordWindowsLocalGames));
  p.setFont(SerifFont(settings, kOrderTextSize));
  Centred(p, 70, 230, 120, WordText(kWordTopTen));
  Centred(p, 250, 400, 120, WordText(kWordScoreTopTen));
  if (!order.read) return image;
  const QFontMetrics metrics(p.font());
  for (int place = 1; place <= kOrderPlaces; ++place) {
    const auto k = static_cast<std::size_t>(place - 1);
    const int y = OrderLineTop(place);
    p.setPen(place <= 3 ? kRed : kNavy);
    TextAt(p, 70, y, QString::number(place) + QLatin1Char('.'));
    TextAt(p, 95, y, QtText(order.names[k]));
    const QString score = QtText(order.scores[k]);
    TextAt(p, 380 - metrics.horizontalAdvance(score), y, score);
  }
  return image;
}

}  // namespace zendral
