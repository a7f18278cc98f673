// zendral-iconrender SVG OUT SIZE...: draws the program's icon from its SVG at each size and
// writes OUT/SIZExSIZE/apps/<name>.png, the layout of the hicolor icon theme. Build time only.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  // No window is shown; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: zendral-iconrender SVG OUT SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(args[1]);
  if (!svg.isValid()) {
    std::fprintf(stderr, "zendral-iconrender: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  const QString name = QFileInfo(args[1]).completeBaseName();
  for (qsizetype i = 3; i < args.size(); ++i) {
    bool ok = false;
    const int size = args[i].toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
      std::fprintf(stderr, "zendral-iconrender: bad size %s\n", qPrintable(args[i]));
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      svg.render(&painter, QRectF(0, 0, size, size));
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
    const QString file = folder + "/" + name + ".png";
    // Written under a temporary name and renamed, so a broken build leaves no half picture.
    const QString temporary = file + ".part";
    if (!QDir().mkpath(folder) || !image.save(temporary, "PNG") ||
        (QFile::exists(file) && !QFile::remove(file)) || !QFile::rename(temporary, file)) {
      std::fprintf(stderr, "zendral-iconrender: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
