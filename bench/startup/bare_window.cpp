// The floor the desktop program is measured against: a bare Qt Widgets program that shows
// one window of the main window's size, paints it once (a fill and a line of text) and ends
// after that first paint. measure.py runs it beside zendral and reports both.

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(14, 100, 50));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Zendral"));
    if (!painted_) {
      painted_ = true;
      // Ends once this paint is done, as the measured program does after its menu's paint.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window;
  window.setFixedSize(760, 500);
  window.show();
  return QApplication::exec();
}
