#include "app/online/TFNews.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/online/OnlineText.h"
#include "present/words/MenuServicesWords.h"
#include "present/words/OnlineEdgeWords.h"
#include "present/words/WordRows.h"

namespace zendral {

QVariant SealedTextDocument::loadResource(int, const QUrl&) {
  return {};
}

QString TFNews::ShownPage(const QString& page) {
  // The item-number mark: "KovNews" and the five characters of the number.
  static const QRegularExpression mark(QStringLiteral("KovNews.{0,5}"));
  return QString(page).remove(mark);
}

TFNews::TFNews(const OnlineUi& ui, const QString& page, const QUrl& address, QWidget* parent)
    : QDialog(parent), ui_(ui), address_(address) {
  setObjectName(QStringLiteral("TFNews"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 13));
  setWindowTitle(WordText(kWordNews));

  view_ = new QTextBrowser(this);
  view_->setObjectName(QStringLiteral("NewsView"));
  view_->setGeometry(10, 10, kClientWidth - 20, kClientHeight - 80);
  view_->setOpenLinks(false);
  view_->setOpenExternalLinks(false);
  auto* document = new SealedTextDocument(view_);
  document->setDefaultFont(view_->font());
  view_->setDocument(document);
  if (Qt::mightBeRichText(page)) {
    document->setHtml(ShownPage(page));
  } else {
    document->setPlainText(ShownPage(page));
  }

  browser_ = new QPushButton(WordText(kWordOpenInBrowser), this);
  browser_->setObjectName(QStringLiteral("ButtonBrowser"));
  browser_->setGeometry(10, kClientHeight - 56, 260, 40);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(kClientWidth - 170, kClientHeight - 56, 160, 40);
  close_->setDefault(true);

  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl target = address_.resolved(link);
    if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https")) {
      ui_.Open(target);
    }
  });
  connect(browser_, &QPushButton::clicked, this, [this] { ui_.Open(address_); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zendral
