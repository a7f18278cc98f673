#pragma once
// The account window TFAcc1: six tabs on the club account. "My account" creates, logs in and
// out and keeps the user file; "My results" and "Top 10" show the results of this game;
// "Kovs" the balance (read as the tab opens) and the transfer; "About me" the own profile and photo
// with the profile editor; "President" the profile of the club's first player. Created anew each
// time it opens; it reads the server's data as it is created.

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>
#include <vector>

#include "app/online/OnlineUi.h"
#include "online/Results.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zendral {

class TFAcc1 : public QDialog {
 public:
  static constexpr int kClientWidth = 720;
  static constexpr int kClientHeight = 560;

  // ratedChoice: opened as the first step of a rated game ("Play global rating" enabled).
  // ratedGameRunning: a rated game is on; every field and account button is disabled.
  TFAcc1(const OnlineUi& ui, bool ratedChoice, bool ratedGameRunning = false,
         QWidget* parent = nullptr);

  QTabWidget* Pages() const { return pages_; }
  // The texts of the profile lines of "About me" (own) or "President", in the record's order.
  QStringList ProfileLines(bool president) const;
  // A click on a line of the president's profile (0..13 in the record's order).
  void ClickPresidentLine(int index);
  void Redraw();

 private:
  QWidget* BuildAccountPage();
  QWidget* BuildResultsPage();
  QWidget* BuildTopPage();
  QWidget* BuildKovsPage();
  QWidget* BuildProfilePage(bool president);
  void ReadAtOpening();
  void ReadPresident();
  void LoadOwnPhoto();
  void FieldsChanged();
  // Puts the account the program holds into the fields of "My account".
  void ShowAccountFields();
  void SignOutClicked();
  void PageOpened(int index);
  void ChooseContinent(int continent);
  void ChooseCountry(int index);
  void CreateClicked();
  void LoginClicked();
  void SaveClicked();
  void DeleteClicked();
  void RatedToggled(bool on);
  void TransferClicked();
  void ProfileRefreshClicked();
  void FillResults();
  void FillTop();
  void FillProfile(bool president);
  std::filesystem::path UserFile() const;

  OnlineUi ui_;
  bool ratedChoice_;
  bool ratedGameRunning_;
  int countryContinent_ = 1;
  bool built_ = false;    // every control exists: the fields' changes may redraw
  bool filling_ = false;  // the fields are being set from the account, not typed

  std::optional<int> members_;
  std::optional<std::vector<online::TKovTop10>> top_;
  online::TInfo14 presidentInfo_;
  QImage ownPhoto_, presidentPhoto_;

  QTabWidget* pages_;
  // My account.
  QLineEdit *nick_, *pw_, *city_, *email_, *country_, *date_;
  QComboBox *continent_, *countries_, *sex_;
  QLabel *lampNick_, *lampPw_, *lampCity_, *lampEMail_, *lampState_, *star_, *membersLabel_;
  QCheckBox *hide_, *rated_;
  QPushButton *create_, *login_, *signOut_, *save_, *delete_;
  QLabel* accountStatus_;
  std::vector<QLabel*> captions_;
  // My results, Top 10.
  std::vector<QLabel*> resultValues_;
  QLabel* resultsNoConnect_;
  QTableWidget* topGrid_;
  QLabel* topNoConnect_;
  // Kovs.
  QWidget* kovsPage_ = nullptr;
  QLabel* balance_;
  QLineEdit *amount_, *recipient_;
  QPushButton *kovRefresh_, *transfer_;
  // About me, President.
  std::array<std::vector<QLabel*>, 2> profileLines_;
  std::array<QLabel*, 2> photos_{};
  QLabel* presidentNick_;
  QPushButton* infoRefresh_;
};

}  // namespace zendral
