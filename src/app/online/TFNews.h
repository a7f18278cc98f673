#pragma once
// The club's news inside the program ("News"): the news page the club serves, drawn by the
// program itself, so the news reaches a player on a machine where no browser opens it. Nothing
// the page names is fetched or run: pictures, style sheets and frames are not loaded (from the
// network or from the disk), scripts are not run, links open only when clicked, in the system's
// handler. "Open in browser" offers the page as the club serves it.

#include <QDialog>
#include <QString>
#include <QTextDocument>
#include <QUrl>

#include "app/online/OnlineUi.h"

class QPushButton;
class QTextBrowser;

namespace zendral {

// A text document that loads no resource its HTML names.
class SealedTextDocument : public QTextDocument {
 public:
  using QTextDocument::QTextDocument;

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
};

class TFNews : public QDialog {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 520;

  // page: the news page as read from `address` (UTF-8 HTML or plain text).
  TFNews(const OnlineUi& ui, const QString& page, const QUrl& address, QWidget* parent = nullptr);

  QTextBrowser* View() const { return view_; }
  // The page as the window shows it: without the page's item-number mark, which is for the
  // program, not for the player.
  static QString ShownPage(const QString& page);

 private:
  OnlineUi ui_;
  QUrl address_;
  QTextBrowser* view_;
  QPushButton *browser_, *close_;
};

}  // namespace zendral
