#pragma once
// The History window (TFHistory): the list of valid history files with their dates (ListBox1),
// the grid of the chosen file (SG), "Ok" (Button1). The list stops at the first missing or
// damaged file; with no file it says "No History Files" and is disabled.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "app/windows/WindowResources.h"
#include "store/HistoryFile.h"

class QListWidget;
class QPushButton;

namespace zendral {

struct Settings;
class THistoryGrid;
class WindowHeader;

class TFHistory : public QDialog {
  Q_OBJECT

 public:
  TFHistory(const Settings& settings, std::filesystem::path programFolder,
            PackPictureLoader packPicture = nullptr, QWidget* parent = nullptr);

  // Lists the files again and fills the grid; the last file is chosen at the first showing.
  void Reload();
  void ApplyLanguage();

  QListWidget* ListBox1() const { return list_; }
  THistoryGrid* SG() const { return grid_; }
  // The numbers of the files listed, in list order.
  const std::vector<HistoryListEntry>& files() const { return files_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowFile(int listRow);

  const Settings& settings_;
  std::filesystem::path programFolder_;
  WindowHeader* header_;
  QListWidget* list_;
  THistoryGrid* grid_;
  QPushButton* ok_;
  std::vector<HistoryListEntry> files_;
  bool shownBefore_ = false;
};

}  // namespace zendral
