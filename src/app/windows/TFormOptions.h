#pragma once
// The Options window. Every control writes its setting into the program's Settings the moment
// it changes; there is no cancel. The settings reach the file when the main window saves them.
// What the main window must do at once (re-caption itself, resize, redraw the club list, start
// or stop the music, ...) it is told through OptionsEnvironment::changed.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "app/windows/CardPreview.h"
#include "app/windows/WindowResources.h"
#include "present/geometry/TableScale.h"
#include "present/words/Words.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zendral {

struct Settings;
class LanguageChooser;
class WindowHeader;

// What changed; the main window reads the new value from the settings.
enum class OptionsChange {
  kLanguage,      // re-caption the main window (its ApplyLanguage)
  kWindowSize,    // size and scale of the main window
  kMultiplayer,   // the club list shows the other club file: redraw it
  kSound,         // SoundOn
  kMusic,         // MusicOn: start or stop the music
  kGifAnimation,  // the main menu's animations run or stand still
  kOwnCursor,     // the program's own cursors or the system's
  kNewButtons,    // the drawing style of the owner-drawn buttons
  kCardSpeed,
  kCardDeck,  // reload the card faces
  kBackDeck,  // reload the card backs (BackDeck, BackAlwaysOne)
  kFonts,
  kBackground,  // Background, BackgroundColour
  kMainMenuDesign,
  kTableDesign,
  kWindowLook,   // WindowLook, CustomDesign
  kRadioSource,  // reload the radio station list
  kOther,        // a setting read where it is used (FlyCards, HighlightMoves, GIF, salute)
};

struct OptionsEnvironment {
  // The screen's available size: the window sizes that do not fit are not offered. Empty: the
  // primary screen's.
  ClientSize screen;
  // Where the resource packs are looked for (the program folder and its parent).
  std::filesystem::path programFolder;
  // Whether a pack is installed; null: looked for beside the program folder.
  std::function<bool(std::string_view packFile)> packInstalled;
  // Pictures of the packs; null until the program reads packs.
  PackPictureLoader packPicture;
  DeckFaceLoader deckFace;
  BackLoader backPicture;
  // "Gif-animation" can be changed only while the main menu is shown.
  bool menuShown = true;
  std::function<void(OptionsChange)> changed;
  // "Passport" opens the passport window; without it the button is disabled.
  std::function<void()> openPassport;
  // Downloads a pack by its download code 1..9 (DownloadPack), with its sounds and progress;
  // true when it arrived. Null: the download buttons stay disabled.
  std::function<bool(int code)> downloadPack;
  // False on a machine without a sound device: the sound options say so.
  bool soundDeviceFound = true;
  // The computer's level: 0 classic, 1 expert. Without levelChanged the list is disabled.
  int computerLevel = 0;
  std::function<void(int level)> levelChanged;
  // Shows a message of the program's own ("Can`t find the file KovCGraph1.dll").
  std::function<void(const QString&)> message;
};

// The flag area beside the language chooser.
inline constexpr int kFlagWidth = 69;
inline constexpr int kFlagHeight = 101;

// A font name is stored as one line of Windows-1251 text and read back only when it has at
// least two characters: the Options window takes no name that could not come back.
bool IsStorableFontName(const QString& name);

class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  TFormOptions(Settings& settings, OptionsEnvironment environment, QWidget* parent = nullptr);
  ~TFormOptions() override;

  // Every caption, tab and group title, list and label from the word tables in the current
  // language, the selection of every list from the settings, and the flag.
  void ApplyLanguage();

  const WindowHeader* header() const { return header_; }
  // The window size values (1..5) the size list offers on this screen.
  std::vector<int> OfferedWindowSizes() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildMultimediaPage();
  QWidget* BuildCardsPage();
  QWidget* BuildDecksPage();
  QWidget* BuildFontsPage();
  QWidget* BuildBackgroundPage();
  QWidget* BuildDesignPage();
  QWidget* BuildSaveGamesPage();
  QWidget* BuildGamePage();
  QWidget* BuildPacksPage();
  void AddPackButtonCopies();
  QPushButton* MakePackButton(QWidget* parent, const char* name, int code);
  void Connect();

  // Puts the settings into the controls without writing anything back.
  void LoadControls();
  void FitToContent();
  void LoadFontRole();
  void UpdateEnablement();
  void DrawFlag();
  void ShowDeckPreview();
  void ShowBackPreview();
  void CaptionSpeedButton();
  void OpenSpeedWindow();
  bool PackInstalled(std::string_view pack) const;
  QString MissingPackText(std::string_view pack) const;
  QString PreviewMissingText(std::string_view pack, std::span<const TWordRow* const> entries,
                             int choice) const;
  void Notify(OptionsChange change);
  // Enables each download button only while its pack is missing; clears the salute without
  // the graphics pack.
  void RefreshPackButtons();
  void DownloadPack(int code);
  // The line below the tabs in the language shown: the last download's state.
  void ShowPackStatus();
  // A purple design needs the graphics pack's design icon; without it the three design lists
  // go back to their first entries and the missing pack is named.
  bool DesignPackReady();

  Settings& settings_;
  OptionsEnvironment env_;
  bool loading_ = false;  // controls are being set from the settings: write nothing back

  WindowHeader* header_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QPushButton* ok_ = nullptr;
  // General
  LanguageChooser* language_ = nullptr;
  QLabel* flag_ = nullptr;
  QComboBox* windowSize_ = nullptr;
  QCheckBox* net_ = nullptr;
  QCheckBox* cursor_ = nullptr;
  QCheckBox* buttons_ = nullptr;
  QCheckBox* fly_ = nullptr;
  QPushButton* speed_ = nullptr;
  QPushButton* passport_ = nullptr;
  // Multimedia
  QCheckBox* sound_ = nullptr;
  QCheckBox* music_ = nullptr;
  QLabel* noSoundDevice_ = nullptr;  // shown on a machine without a sound device
  QCheckBox* gifAnimation_ = nullptr;
  QGroupBox* radioGroup_ = nullptr;
  QRadioButton* radioServer_ = nullptr;
  QRadioButton* radioDisk_ = nullptr;
  // Cards and decks
  QComboBox* deck_ = nullptr;
  CardPreview* deckPreview_ = nullptr;
  QComboBox* back_ = nullptr;
  CardPreview* backPreview_ = nullptr;
  QGroupBox* modification_ = nullptr;
  QButtonGroup* modificationButtons_ = nullptr;
  QRadioButton* changeDecks_ = nullptr;
  QRadioButton* alwaysOne_ = nullptr;
  QRadioButton* random_ = nullptr;
  // Fonts
  QComboBox* fontRole_ = nullptr;
  QComboBox* fontName_ = nullptr;
  QLabel* scaleLabel_ = nullptr;
  QSpinBox* fontScale_ = nullptr;
  QPushButton* fontDefault_ = nullptr;
  QLabel* fontWarning_ = nullptr;
  // Background
  QGroupBox* backgroundGroup_ = nullptr;
  QComboBox* background_ = nullptr;
  QComboBox* backgroundColour_ = nullptr;
  // Design
  QLabel* mainMenuDesignLabel_ = nullptr;
  QLabel* tableDesignLabel_ = nullptr;
  QLabel* windowDesignLabel_ = nullptr;
  QComboBox* mainMenuDesign_ = nullptr;
  QComboBox* tableDesign_ = nullptr;
  QComboBox* windowDesign_ = nullptr;
  QGroupBox* saluteGroup_ = nullptr;
  QCheckBox* saluteButtons_ = nullptr;
  QCheckBox* saluteCards_ = nullptr;
  // Save games
  QCheckBox* gifSave_ = nullptr;
  QComboBox* gifSource_ = nullptr;
  QLabel* gifDelayLabel_ = nullptr;
  QSpinBox* gifDelay_ = nullptr;
  // Game
  QGroupBox* minorGroup_ = nullptr;
  QCheckBox* highlight_ = nullptr;
  QLabel* levelLabel_ = nullptr;
  QComboBox* level_ = nullptr;
  // The download buttons of the "DLL" tab and their copies, with their download codes.
  std::vector<std::pair<QPushButton*, int>> packButtons_;
  enum class PackStatus { kNone, kDownloading, kInstalled, kFailed };
  PackStatus packState_ = PackStatus::kNone;
  int packStatusCode_ = 0;  // the download code the line speaks of
  QLabel* packStatus_ = nullptr;
  QProgressBar* packProgress_ = nullptr;
};

}  // namespace zendral
