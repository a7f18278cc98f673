#include "app/online/OnlineUi.h"

#include <QDate>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>

namespace zendral {

void OnlineUi::Message(const QString& text, bool error) const {
  if (message) {
    message(text, error);
  } else if (error) {
    QMessageBox::critical(nullptr, QString(), text);
  } else {
    QMessageBox::information(nullptr, QString(), text);
  }
}

bool OnlineUi::Ask(const QString& text) const {
  if (ask) return ask(text);
  return QMessageBox::question(nullptr, QString(), text) == QMessageBox::Yes;
}

bool OnlineUi::Open(const QUrl& url) const {
  return openUrl ? openUrl(url) : QDesktopServices::openUrl(url);
}

int OnlineUi::Run(QDialog& window) const {
  return modal ? modal(window) : window.exec();
}

QString TodayShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

}  // namespace zendral
