#pragma once
// What the online windows are given by the main window: the club, the settings, the program
// folder (the user file lies in its parent), and the ways to show a message, ask a question,
// open an address and run a modal window. Tests answer all of these themselves.

#include <QDialog>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>

#include "online/OnlineClub.h"
#include "store/Settings.h"

namespace zendral {

struct OnlineUi {
  online::OnlineClub& club;
  Settings& settings;
  std::filesystem::path programFolder;
  std::function<void(const QString& text, bool error)> message;
  std::function<bool(const QString& text)> ask;
  std::function<bool(const QUrl& url)> openUrl;
  std::function<int(QDialog& window)> modal;
  // Chooses a picture file for the profile editor; empty when none was chosen.
  std::function<QString(QWidget* parent)> choosePicture;
  // Whether the graphics pack is installed (the World Top Ten window's seven buttons).
  bool graphicsPack = false;

  void Message(const QString& text, bool error = false) const;
  bool Ask(const QString& text) const;
  bool Open(const QUrl& url) const;
  int Run(QDialog& window) const;
};

// The date of today in the user's short date format.
QString TodayShortDate();

}  // namespace zendral
