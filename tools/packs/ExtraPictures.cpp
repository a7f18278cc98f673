#include "ExtraPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>
#include <cmath>

#include "BackgroundPainter.h"
#include "extras/calendar/CalendarPages.h"
#include "extras/calendar/HolidayTable.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral::packs {

namespace {

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A text as a path fitted into a box (centred, proportions kept).
QPainterPath FittedText(const QString& text, const QString& family, bool bold, const QRectF& box) {
  QFont font(family);
  font.setBold(bold);
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF b = path.boundingRect();
  if (b.isEmpty()) return path;
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(path);
}

QImage Transparent(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The languages that have pictures of their own, with the code in their names.
struct PictureLanguage {
  int language;
  const char* code;
};
const PictureLanguage kPictureLanguages[] = {
    {kEnglish, "Eng"}, {kRussian, "Rus"}, {kGerman, "Deu"},  {kFrench, "Fra"},
    {kSpanish, "Spa"}, {kChinese, "Chi"}, {kItalian, "Ita"}, {kCzech, "Cze"}};

struct WindowTitle {
  const char* form;     // header picture prefix
  const char* caption;  // caption picture prefix
  const TWordRow* title;
};
const WindowTitle kWindowTitles[] = {
    {"GFormOpt", "Options", &kWordOptions},
    {"GFormSpeed", "Speed", &kWordChoiceOfSpeed},
    {"GFormPass", "Passport", &kWordPassport},
    {"GFormEndG", "EndGame", &kWordTotalOfGame},
    {"GFormHistory", "History", &kWordHistoryOfGames},
    {"GFormAdv", "OurGames", &kWordOurGames},
    {"GFormThank", "SupportUs", &kWordSupportUs},
    {"GFormAcc1", "MyAccount", &kWordMyAccount},
    {nullptr, "MyAccountR", &kWordMyAccount},
    {nullptr, "KovGamesChat", &kWordKovChat},
};

QString FontFor(int language) {
  return language == kChinese ? QStringLiteral("Noto Serif CJK SC")
                              : QStringLiteral("DejaVu Serif");
}

// Look 3: a red ribbon with folded ends and the title in white.
QImage PaintHeader(const QString& text, int language) {
  QImage image = Transparent(400, 50);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor red(176, 24, 36), dark(110, 12, 20);
  for (int side = 0; side < 2; ++side) {
    QPolygonF tail;
    const double x = side ? 400 - 40 : 40;
    const double out = side ? 400 - 2 : 2;
    tail << QPointF(x, 12) << QPointF(out, 12) << QPointF(side ? out - 14 : out + 14, 28)
         << QPointF(out, 44) << QPointF(x, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPolygon(tail);
  }
  QLinearGradient g(0, 4, 0, 40);
  g.setColorAt(0, red.lighter(130));
  g.setColorAt(1, red.darker(110));
  p.setBrush(g);
  p.setPen(QPen(QColor(230, 190, 80), 1.5));
  p.drawRoundedRect(QRectF(28, 4, 344, 36), 4, 4);
  const QPainterPath t =
      FittedText(text.toUpper(), FontFor(language), true, QRectF(44, 10, 312, 24));
  p.translate(1, 1);
  p.fillPath(t, QColor(60, 0, 0, 160));
  p.translate(-1, -1);
  p.fillPath(t, Qt::white);
  return image;
}

// Look 1: the title alone, in a grey engraved lettering.
QImage PaintCaption(const QString& text, int language) {
  QImage image = Transparent(300, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath t = FittedText(text, FontFor(language), true, QRectF(8, 6, 284, 28));
  p.translate(1.5, 1.5);
  p.fillPath(t, QColor(255, 255, 255, 200));
  p.translate(-1.5, -1.5);
  QLinearGradient g(0, 6, 0, 34);
  g.setColorAt(0, QColor(110, 110, 120));
  g.setColorAt(1, QColor(40, 40, 48));
  p.fillPath(t, g);
  return image;
}

QImage PaintDesignIcon() {
  QImage image = Transparent(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(20, 18), 30);
  g.setColorAt(0, QColor(200, 140, 255));
  g.setColorAt(1, QColor(92, 24, 140));
  p.setBrush(g);
  p.setPen(QPen(QColor(230, 190, 80), 2));
  p.drawRoundedRect(QRectF(3, 3, 42, 42), 9, 9);
  // A brush over a palette.
  p.setBrush(QColor(250, 240, 220));
  p.setPen(QPen(QColor(60, 20, 80), 1));
  p.drawEllipse(QRectF(9, 14, 30, 22));
  const QColor dots[] = {{220, 30, 40}, {30, 90, 210}, {30, 150, 60}, {240, 190, 30}};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(dots[i]);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(15 + i * 6, 21 + (i % 2) * 6), 3, 3);
  }
  return image;
}

// The salute: 30 frames of 100 x 100 side by side, a burst that grows and fades.
QImage PaintSalute() {
  QImage image = Transparent(3000, 100);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colours[] = {{255, 220, 60}, {255, 80, 60}, {120, 200, 255}, {180, 255, 120}};
  for (int f = 0; f < 30; ++f) {
    const double t = (f + 1) / 30.0;
    const QPointF c(f * 100 + 50, 50);
    const int alpha = static_cast<int>(255 * (1 - t * t));
    for (int ray = 0; ray < 16; ++ray) {
      const double a = ray * M_PI / 8 + f * 0.02;
      const double r = 8 + 38 * std::sqrt(t);
      QColor colour = colours[ray % 4];
      colour.setAlpha(alpha);
      p.setPen(QPen(colour, 2.2 - 1.5 * t, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 0.55,
                 c + QPointF(std::cos(a), std::sin(a)) * r);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r + 2), 1.8, 1.8);
    }
  }
  return image;
}

// ---- Calendar

QImage PaintCalendarBase() {
  QImage image(60, 100, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(252, 250, 244));
  p.setPen(QPen(QColor(120, 110, 100), 1));
  p.drawRect(QRectF(0.5, 0.5, 59, 99));
  p.fillRect(QRectF(1, 1, 58, 14), QColor(190, 30, 40));
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(230, 230, 230));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawEllipse(QPointF(12 + i * 18, 7), 3, 3);
  }
  p.setPen(QPen(QColor(220, 215, 205), 1));
  p.drawLine(QPointF(6, 58), QPointF(54, 58));
  return image;
}

QImage PaintMedallion(int w, int h, const QString& glyph, const QColor& colour,
                      const QString& family = QStringLiteral("DejaVu Sans")) {
  QImage image = Transparent(w, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double d = std::min(w, h) - 2;
  const QRectF r((w - d) / 2, (h - d) / 2, d, d);
  QRadialGradient g(r.center() - QPointF(d * 0.15, d * 0.15), d * 0.7);
  g.setColorAt(0, Mix(colour, Qt::white, 0.85));
  g.setColorAt(1, Mix(colour, Qt::white, 0.45));
  p.setBrush(g);
  p.setPen(QPen(colour.darker(130), 1.2));
  p.drawEllipse(r);
  p.fillPath(FittedText(glyph, family, true, r.adjusted(d * 0.2, d * 0.2, -d * 0.2, -d * 0.2)),
             colour.darker(140));
  return image;
}

// A flag of horizontal or vertical stripes, with a staff.
QImage PaintFlag(std::initializer_list<QColor> stripes, bool vertical, int w = 54, int h = 70) {
  QImage image = Transparent(w, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(3, 4, 2, h - 6), QColor(110, 80, 50));
  const QRectF flag(5, 8, w - 8, 34);
  const int n = static_cast<int>(stripes.size());
  int i = 0;
  for (const QColor& c : stripes) {
    const QRectF part = vertical ? QRectF(flag.left() + flag.width() * i / n, flag.top(),
                                          flag.width() / n + 0.5, flag.height())
                                 : QRectF(flag.left(), flag.top() + flag.height() * i / n,
                                          flag.width(), flag.height() / n + 0.5);
    p.fillRect(part, c);
    ++i;
  }
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(flag);
  return image;
}

QImage PaintUsaFlag() {
  QImage image = PaintFlag({QColor(178, 34, 52), Qt::white, QColor(178, 34, 52), Qt::white,
                            QColor(178, 34, 52), Qt::white, QColor(178, 34, 52)},
                           false);
  QPainter p(&image);
  p.fillRect(QRectF(5, 8, 20, 18), QColor(60, 59, 110));
  p.setPen(Qt::white);
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 4; ++i) p.drawPoint(QPointF(8 + i * 5, 11 + j * 5));
  }
  return image;
}

QImage PaintEnglandFlag() {
  QImage image = PaintFlag({Qt::white}, false);
  QPainter p(&image);
  p.fillRect(QRectF(5, 22, 46, 6), QColor(200, 16, 46));
  p.fillRect(QRectF(25, 8, 6, 34), QColor(200, 16, 46));
  return image;
}

// ---- Radio

QImage PaintRadioMain(const QColor& lamp) {
  QImage image = Transparent(200, 110);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(0, 10, 0, 105);
  wood.setColorAt(0, QColor(150, 90, 40));
  wood.setColorAt(1, QColor(90, 50, 20));
  p.setBrush(wood);
  p.setPen(QPen(QColor(60, 30, 10), 2));
  p.drawRoundedRect(QRectF(4, 10, 192, 95), 14, 14);
  p.setBrush(QColor(230, 215, 170));
  p.setPen(QPen(QColor(60, 30, 10), 1));
  p.drawRoundedRect(QRectF(16, 20, 110, 46), 5, 5);
  for (int i = 0; i < 10; ++i) p.drawLine(QPointF(22 + i * 10, 46), QPointF(22 + i * 10, 58));
  p.setPen(QPen(QColor(200, 30, 30), 2));
  p.drawLine(QPointF(70, 24), QPointF(70, 62));
  p.setPen(QPen(QColor(60, 30, 10), 1));
  p.setBrush(QColor(60, 40, 30));
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(140 + i * 9, 28 + j * 10), 2.5, 2.5);
  }
  p.setBrush(QColor(200, 170, 100));
  p.drawEllipse(QPointF(40, 84), 9, 9);
  p.drawEllipse(QPointF(100, 84), 9, 9);
  QRadialGradient g(QPointF(160, 84), 8);
  g.setColorAt(0, lamp.lighter(160));
  g.setColorAt(1, lamp);
  p.setBrush(g);
  p.drawEllipse(QPointF(160, 84), 7, 7);
  return image;
}

QImage PaintRadioFrame() {
  QImage image = Transparent(120, 80);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(190, 150, 60), 4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(3, 3, 114, 74), 10, 10);
  p.setPen(QPen(QColor(120, 80, 20), 1));
  p.drawRoundedRect(QRectF(8, 8, 104, 64), 7, 7);
  return image;
}

QImage PaintVolume(int tens) {
  QImage image = Transparent(110, 24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 10; ++i) {
    const double h = 6 + i * 1.7;
    const QRectF bar(2 + i * 10.8, 22 - h, 8, h);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(i < tens ? QColor::fromHsv(120 - i * 12, 220, 220) : QColor(210, 210, 210));
    p.drawRect(bar);
  }
  return image;
}

struct Holiday {
  const char* name;
  const char16_t* glyph;
  QColor colour;
};

}  // namespace

std::vector<NamedPicture> GraphicsPictures() {
  std::vector<NamedPicture> out;
  for (const PictureLanguage& lang : kPictureLanguages) {
    for (const WindowTitle& w : kWindowTitles) {
      const QString text = QString::fromUtf8(Word(*w.title, lang.language).data(),
                                             static_cast<int>(Word(*w.title, lang.language).size()))
                               .trimmed();
      const int language = lang.language;
      if (w.form) {
        out.push_back({QString::fromLatin1(w.form) + lang.code, false,
                       [text, language] { return PaintHeader(text, language); }});
      }
      out.push_back({QString::fromLatin1(w.caption) + lang.code, false,
                     [text, language] { return PaintCaption(text, language); }});
    }
  }
  out.push_back({"GIcon48Opt", false, PaintDesignIcon});
  out.push_back({"GTouch", false, PaintSalute});
  out.push_back({"BGLilu", true, PaintPurpleBackground});
  return out;
}

std::vector<NamedPicture> CalendarPictures() {
  std::vector<NamedPicture> out;
  out.push_back({QString::fromLatin1(kCalendarBasePicture.data(), kCalendarBasePicture.size()),
                 false, PaintCalendarBase});
  const char16_t* const zodiac[] = {u"♈", u"♉", u"♊", u"♋", u"♌", u"♍",
                                    u"♎", u"♏", u"♐", u"♑", u"♒", u"♓"};
  for (int k = 0; k < 12; ++k) {
    const QString glyph = QString::fromUtf16(zodiac[k]);
    out.push_back({QString::fromStdString(ZodiacPicture(k + 1)), false,
                   [glyph] { return PaintMedallion(26, 26, glyph, QColor(60, 70, 160)); }});
  }
  // The year animals, each with its character.
  const std::pair<const char*, const char16_t*> animals[] = {
      {"R_VOSMONK", u"猴"}, {"R_VOSPETU", u"鸡"}, {"R_VOSDOG0", u"狗"}, {"R_VOSPIG0", u"猪"},
      {"R_VOSKRIS", u"鼠"}, {"R_VOSBULL", u"牛"}, {"R_VOSTIGR", u"虎"}, {"R_VOSRABB", u"兔"},
      {"R_VOSDRAG", u"龙"}, {"R_VOSSNAK", u"蛇"}, {"R_VOSHORS", u"马"}, {"R_VOSKOZA", u"羊"}};
  for (const auto& [name, glyph] : animals) {
    const QString text = QString::fromUtf16(glyph);
    out.push_back({name, false, [text] {
                     return PaintMedallion(54, 70, text, QColor(180, 40, 30),
                                           QStringLiteral("Noto Serif CJK SC"));
                   }});
  }
  const Holiday holidays[] = {
      {"R_NEWYEAR", u"❄", {30, 110, 60}},  {"R_LOVE000", u"♥", {210, 30, 70}},
      {"R_8MARCH0", u"8", {200, 60, 140}}, {"R_1April0", u"☺", {230, 150, 20}},
      {"R_1May000", u"✿", {200, 40, 40}},  {"R_BABY000", u"☼", {90, 160, 220}},
      {"R_HALLO00", u"☾", {230, 110, 10}}, {"R_PASHA00", u"✠", {190, 60, 120}},
      {"R_ROGDEST", u"★", {200, 160, 30}}, {"R_KATKRES", u"✝", {120, 80, 160}},
      {"R_PRAKRES", u"☦", {170, 120, 40}}, {"R_TEACHER", u"✎", {40, 100, 160}},
      {"R_WAR0000", u"✪", {150, 30, 30}},  {"R_OLD0000", u"❦", {120, 90, 60}},
      {"R_ALLPROG", u"⌘", {40, 120, 120}}, {"R_FRAMUS0", u"♫", {30, 60, 150}},
      {"R_RUSORDN", u"✪", {190, 30, 30}},  {"R_RUSZNAN", u"✍", {40, 90, 170}},
      {"R_USA4JUL", u"✸", {30, 50, 140}},  {"R_USABLAG", u"❧", {170, 100, 30}},
      {"R_USAELVI", u"♪", {60, 60, 60}},   {"R_USAPATR", u"★", {30, 50, 140}},
  };
  // Every picture the holiday table names: a medallion with the holiday's sign, or a flag.
  QSet<QString> done;
  for (const THolidayEntry& entry : HolidayTable()) {
    const QString name = QString::fromLatin1(entry.picture.data(), entry.picture.size());
    if (done.contains(name) || name.endsWith("FLAG") || name == "R_RUSGEOR") continue;
    done.insert(name);
    QString glyph = QStringLiteral("✦");
    QColor colour(150, 60, 60);
    for (const Holiday& h : holidays) {
      if (name == QLatin1String(h.name)) {
        glyph = QString::fromUtf16(h.glyph);
        colour = h.colour;
      }
    }
    out.push_back({name, false, [glyph, colour] { return PaintMedallion(54, 70, glyph, colour); }});
  }
  const QColor white(255, 255, 255), red(210, 30, 40), blue(0, 57, 166), black(20, 20, 20),
      gold(255, 204, 0), orange(240, 120, 0);
  out.push_back({"R_RUSFLAG", false, [=] { return PaintFlag({white, blue, red}, false); }});
  out.push_back({"R_DEUFLAG", false, [=] { return PaintFlag({black, red, gold}, false); }});
  out.push_back({"R_FRAFLAG", false, [=] { return PaintFlag({blue, white, red}, true); }});
  out.push_back({"R_ISPFLAG", false, [=] { return PaintFlag({red, gold, gold, red}, false); }});
  out.push_back({"R_USAFLAG", false, PaintUsaFlag});
  out.push_back({"R_ENGFLAG", false, PaintEnglandFlag});
  out.push_back({"R_RUSGEOR", false, [=] {
                   return PaintFlag({orange, black, orange, black, orange}, false);
                 }});
  return out;
}

std::vector<NamedPicture> RadioPictures() {
  std::vector<NamedPicture> out;
  out.push_back({"RRADIO_MAING", false, [] { return PaintRadioMain(QColor(30, 170, 60)); }});
  out.push_back({"RRADIO_MAINR", false, [] { return PaintRadioMain(QColor(210, 30, 30)); }});
  out.push_back({"RRADIO_RAMKA", false, PaintRadioFrame});
  for (int tens = 0; tens <= 10; ++tens) {
    out.push_back({QStringLiteral("RRADIO_VOLUME%1").arg(tens, 2, 10, QChar('0')), false,
                   [tens] { return PaintVolume(tens); }});
  }
  out.push_back({"RRADIO_LOGO_RADIOUN", false,
                 [] { return PaintMedallion(100, 60, QStringLiteral("♫"), QColor(60, 90, 160)); }});
  return out;
}

}  // namespace zendral::packs
