#include "app/windows/TFormOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/windows/LanguageChooser.h"
#include "app/windows/OptionsLists.h"
#include "app/windows/TFormSpeed.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowTexts.h"
#include "present/words/SolverWords.h"
#include "present/words/SoundDeviceWords.h"
#include "present/words/WordRows.h"
#include "store/Cp1251.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr int kTextSize = 15;

// Fills a list with entries of the word tables and selects one, without signals.
void Fill(QComboBox* box, std::span<const TWordRow* const> rows, int selected) {
  const QSignalBlocker block(box);
  const bool sameCount = box->count() == static_cast<int>(rows.size());
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const QString text = WordText(*rows[k]);
    if (sameCount) {
      box->setItemText(static_cast<int>(k), text);
    } else {
      if (k == 0) box->clear();
      box->addItem(text);
    }
  }
  box->setCurrentIndex(selected >= 0 && selected < box->count() ? selected : -1);
}

// An entry that cannot be chosen now, with the reason as its hint; or one that can.
void Allow(QComboBox* box, int entry, bool allowed, const QString& hint = {}) {
  auto* model = qobject_cast<QStandardItemModel*>(box->model());
  if (!model || !model->item(entry)) return;
  model->item(entry)->setEnabled(allowed);
  box->setItemData(entry, allowed ? QVariant() : QVariant(hint), Qt::ToolTipRole);
}

void Check(QAbstractButton* button, bool on) {
  const QSignalBlocker block(button);
  button->setChecked(on);
}

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

// A font name is stored as one line of Windows-1251 text and read back only when it has at
// least two characters: a name that could not come back is not taken.
bool IsStorableFontName(const QString& name) {
  if (name.trimmed().size() < 2) return false;
  for (const QChar c : name) {
    if (c.unicode() < 0x20) return false;
  }
  const std::string utf8 = name.toStdString();
  return Cp1251ToUtf8(Utf8ToCp1251(utf8)) == utf8;
}

TFormOptions::TFormOptions(Settings& settings, OptionsEnvironment environment, QWidget* parent)
    : QDialog(parent), settings_(settings), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormOptions"));
  setFont(SerifFont(settings_, kTextSize));
  if (env_.screen.width <= 0 || env_.screen.height <= 0) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableSize() : QSize(kDesignWidth, kDesignHeight);
    env_.screen = {available.width(), available.height()};
  }

  header_ =
      new WindowHeader(settings_, {"Options", "GFormOpt", &kWordOptions}, env_.packPicture, this);
  pages_ = Named(new QTabWidget(this), "PageControl1");
  pages_->addTab(BuildGeneralPage(), QString());
  pages_->addTab(BuildMultimediaPage(), QString());
  pages_->addTab(BuildCardsPage(), QString());
  pages_->addTab(BuildDecksPage(), QString());
  pages_->addTab(BuildFontsPage(), QString());
  pages_->addTab(BuildBackgroundPage(), QString());
  pages_->addTab(BuildDesignPage(), QString());
  pages_->addTab(BuildSaveGamesPage(), QString());
  pages_->addTab(BuildGamePage(), QString());
  pages_->addTab(BuildPacksPage(), QStringLiteral("DLL"));
  AddPackButtonCopies();
  ok_ = Named(new QPushButton(this), "Button1");
  ok_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header_);
  layout->addWidget(pages_, 1);
  // Below the tabs: the line about a pack download (whichever tab its button was on) and OK.
  packStatus_ = Named(new QLabel(this), "LabelPackStatus");
  packStatus_->setWordWrap(true);
  packProgress_ = Named(new QProgressBar(this), "ProgressPack");
  packProgress_->setRange(0, 0);  // a download's size is known only to the downloader
  packProgress_->setTextVisible(false);
  packProgress_->setMaximumWidth(160);
  packProgress_->hide();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(packStatus_, 1);
  bottom->addWidget(packProgress_);
  bottom->addWidget(ok_, 0, Qt::AlignRight);
  layout->addLayout(bottom);
  setMinimumSize(600, 460);

  Connect();
  ApplyLanguage();
}

TFormOptions::~TFormOptions() = default;

void TFormOptions::Connect() {
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    SetLanguage(settings_, index);
    ApplyLanguage();
    Notify(OptionsChange::kLanguage);
  });
  connect(windowSize_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.WindowSize = index + 1;
    Notify(OptionsChange::kWindowSize);
  });

  auto toggle = [this](QCheckBox* box, bool Settings::*field, OptionsChange change) {
    connect(box, &QCheckBox::toggled, this, [this, field, change](bool on) {
      if (loading_) return;
      settings_.*field = on;
      UpdateEnablement();
      Notify(change);
    });
  };
  toggle(net_, &Settings::NetGame, OptionsChange::kMultiplayer);
  toggle(cursor_, &Settings::OwnCursor, OptionsChange::kOwnCursor);
  toggle(buttons_, &Settings::NewButtons, OptionsChange::kNewButtons);
  toggle(fly_, &Settings::FlyCards, OptionsChange::kOther);
  toggle(sound_, &Settings::SoundOn, OptionsChange::kSound);
  toggle(music_, &Settings::MusicOn, OptionsChange::kMusic);
  toggle(gifAnimation_, &Settings::GifAnimation, OptionsChange::kGifAnimation);
  toggle(saluteButtons_, &Settings::SaluteButtons, OptionsChange::kOther);
  toggle(saluteCards_, &Settings::SaluteCards, OptionsChange::kOther);
  toggle(gifSave_, &Settings::GifSave, OptionsChange::kOther);
  toggle(highlight_, &Settings::HighlightMoves, OptionsChange::kOther);
  // The computer's level is kept in a file of its own: the window hands it on.
  connect(level_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0 || !env_.levelChanged) return;
    env_.computerLevel = index;
    env_.levelChanged(index);
  });

  connect(radioServer_, &QRadioButton::toggled, this, [this](bool on) {
    if (loading_ || on == settings_.RadioListFromServer) return;
    settings_.RadioListFromServer = on;
    Notify(OptionsChange::kRadioSource);
  });
  connect(speed_, &QPushButton::clicked, this, &TFormOptions::OpenSpeedWindow);
  connect(passport_, &QPushButton::clicked, this, [this] {
    if (env_.openPassport) env_.openPassport();
  });

  connect(deck_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.CardDeck = index;
    ShowDeckPreview();
    Notify(OptionsChange::kCardDeck);
  });
  connect(back_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.BackDeck = index;
    // A collection always draws its backs at random; "Always one" belongs to the others.
    if (IsBackCollection(index)) settings_.BackAlwaysOne = false;
    LoadControls();
    Notify(OptionsChange::kBackDeck);
  });
  connect(modificationButtons_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (loading_ || !on) return;
    settings_.BackAlwaysOne = id == kAlwaysOne;
    Notify(OptionsChange::kBackDeck);
  });

  connect(fontRole_, &QComboBox::currentIndexChanged, this, [this](int) { LoadFontRole(); });
  auto takeFontName = [this](const QString& name) {
    if (loading_) return;
    std::string* names[] = {&settings_.FontLarge, &settings_.FontSmall, &settings_.FontSpecial1,
                            &settings_.FontSpecial2};
    const int role = fontRole_->currentIndex();
    if (role < 0 || role > 3) return;
    if (!IsStorableFontName(name)) {
      LoadFontRole();  // show again the name that stays
      return;
    }
    *names[role] = name.toStdString();
    Notify(OptionsChange::kFonts);
  };
  // A name is taken when it is chosen from the list, or typed and confirmed with Enter.
  connect(fontName_, &QComboBox::currentIndexChanged, this, [this, takeFontName](int index) {
    if (index >= 0) takeFontName(fontName_->itemText(index));
  });
  connect(fontName_->lineEdit(), &QLineEdit::returnPressed, this,
          [this, takeFontName] { takeFontName(fontName_->lineEdit()->text()); });
  connect(fontScale_, &QSpinBox::valueChanged, this, [this](int value) {
    if (loading_) return;
    int* scales[] = {&settings_.ScaleLarge, &settings_.ScaleSmall, &settings_.ScaleSpecial1,
                     &settings_.ScaleSpecial2};
    const int role = fontRole_->currentIndex();
    if (role < 0 || role > 3) return;
    *scales[role] = value;
    Notify(OptionsChange::kFonts);
  });
  connect(fontDefault_, &QPushButton::clicked, this, [this] {
    const Settings defaults;
    settings_.FontLarge = defaults.FontLarge;
    settings_.FontSmall = defaults.FontSmall;
    settings_.FontSpecial1 = defaults.FontSpecial1;
    settings_.FontSpecial2 = defaults.FontSpecial2;
    settings_.ScaleLarge = settings_.ScaleSmall = settings_.ScaleSpecial1 =
        settings_.ScaleSpecial2 = 100;
    LoadFontRole();
    Notify(OptionsChange::kFonts);
  });

  connect(background_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.Background = index + 1;
    Notify(OptionsChange::kBackground);
  });
  connect(backgroundColour_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.BackgroundColour = index;
    Notify(OptionsChange::kBackground);
  });
  connect(mainMenuDesign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    if (index == 1 && !DesignPackReady()) return Notify(OptionsChange::kMainMenuDesign);
    settings_.MainMenuDesign = index;
    UpdateEnablement();
    Notify(OptionsChange::kMainMenuDesign);
  });
  connect(tableDesign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    if (index == 1 && !DesignPackReady()) return Notify(OptionsChange::kTableDesign);
    settings_.TableDesign = index;
    UpdateEnablement();
    Notify(OptionsChange::kTableDesign);
  });
  connect(windowDesign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    if (index > 0 && !DesignPackReady()) return Notify(OptionsChange::kWindowLook);
    ApplyWindowDesignEntry(settings_, index);
    header_->Refresh();
    Notify(OptionsChange::kWindowLook);
  });

  connect(gifSource_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.GifSource = index + 1;
    Notify(OptionsChange::kOther);
  });
  connect(gifDelay_, &QSpinBox::valueChanged, this, [this](int value) {
    if (loading_) return;
    settings_.GifDelay = value;
    Notify(OptionsChange::kOther);
  });
}

void TFormOptions::showEvent(QShowEvent* event) {
  // On each showing: the settings into the controls, then the language.
  ApplyLanguage();
  QDialog::showEvent(event);
}

std::vector<int> TFormOptions::OfferedWindowSizes() const {
  std::vector<int> sizes;
  for (int size = kSmallWindow; size <= kLargeWindow; ++size) {
    if (WindowSizeOffered(size, env_.screen)) sizes.push_back(size);
  }
  return sizes;
}

void TFormOptions::ApplyLanguage() {
  loading_ = true;
  setWindowTitle(WordText(kWordOptions));
  header_->Refresh();
  ok_->setText(WordText(kWordOk));
  ShowPackStatus();
  const TWordRow* tabs[] = {&kWordGeneral, &kWordMultimedia, &kWordCards,
                            &kWordDecks,   &kWordFonts,      &kWordBg,
                            &kWordDesign,  &kWordSaveGames,  &kWordGame};
  for (int k = 0; k < static_cast<int>(std::size(tabs)); ++k) {
    pages_->setTabText(k, WordText(*tabs[k]));
  }
  // Every tab title stays in view: the window is at least as wide as its row of tabs.
  pages_->setMinimumWidth(pages_->tabBar()->sizeHint().width());

  net_->setText(WordText(kWordMultiplayer));
  cursor_->setText(WordText(kWordRedMouseCursor));
  buttons_->setText(WordText(kWordNewButtons));
  fly_->setText(WordText(kWordFlyingCards));
  passport_->setText(WordText(kWordPassport));
  sound_->setText(WordText(kWordSound));
  music_->setText(WordText(kWordMusic));
  noSoundDevice_->setText(WordText(kWordNoSoundDevice));
  gifAnimation_->setText(WordText(kWordGifAnimation));
  radioGroup_->setTitle(WordText(kWordReadingRadioList));
  radioServer_->setText(WordText(kWordFromServer));
  radioDisk_->setText(WordText(kWordFromDisk));
  modification_->setTitle(WordText(kWordModification));
  changeDecks_->setText(WordText(kWordChangeDecks));
  alwaysOne_->setText(WordText(kWordAlwaysOne));
  random_->setText(WordText(kWordRandom));
  scaleLabel_->setText(WordText(kWordScalePercent));
  fontDefault_->setText(WordText(kWordDefault));
  fontWarning_->setText(WordText(kWordFontWarning));
  backgroundGroup_->setTitle(WordText(kWordBackground));
  mainMenuDesignLabel_->setText(WordText(kWordMainMenuDesign));
  tableDesignLabel_->setText(WordText(kWordGameTableDesign));
  windowDesignLabel_->setText(WordText(kWordAuxWindowDesign));
  saluteGroup_->setTitle(WordText(kWordSalute));
  saluteButtons_->setText(WordText(kWordButtons));
  saluteCards_->setText(WordText(kWordCards));
  gifSave_->setText(WordText(kWordSaveGamesAsGif));
  gifDelayLabel_->setText(WordText(kWordFrameDelay));
  minorGroup_->setTitle(WordText(kWordMinor));
  highlight_->setText(WordText(kWordHighlightMoves));
  levelLabel_->setText(WordText(kWordComputerLevel));
  {
    const QSignalBlocker block(level_);
    level_->clear();
    level_->addItems({WordText(kWordLevelClassic), WordText(kWordLevelExpert)});
    level_->setCurrentIndex(env_.computerLevel == 1 ? 1 : 0);
    level_->setEnabled(static_cast<bool>(env_.levelChanged));
  }

  // The lists in the new language; their selections come from the settings.
  {
    const QSignalBlocker block(fontRole_);
    const int role = std::max(0, fontRole_->currentIndex());
    const QString special = WordText(kWordSpecialFont);
    const QStringList roles = {WordText(kWordLargeFont), WordText(kWordSmallFont),
                               special + QStringLiteral(" 1"), special + QStringLiteral(" 2")};
    if (fontRole_->count() != roles.size()) {
      fontRole_->clear();
      fontRole_->addItems(roles);
    } else {
      for (int k = 0; k < roles.size(); ++k) fontRole_->setItemText(k, roles[k]);
    }
    fontRole_->setCurrentIndex(role);
  }
  {
    const QSignalBlocker block(gifSource_);
    const QStringList sources = {WordText(kWordSaveMainWindowOnly), WordText(kWordSaveScreen)};
    if (gifSource_->count() != sources.size()) {
      gifSource_->clear();
      gifSource_->addItems(sources);
    } else {
      for (int k = 0; k < sources.size(); ++k) gifSource_->setItemText(k, sources[k]);
    }
  }
  Fill(deck_, DeckEntries(), -1);
  Fill(back_, BackEntries(), -1);
  Fill(background_, BackgroundEntries(), -1);
  Fill(backgroundColour_, BackgroundColourEntries(), -1);
  Fill(mainMenuDesign_, DesignEntries(), -1);
  Fill(tableDesign_, DesignEntries(), -1);
  Fill(windowDesign_, WindowDesignEntries(), -1);
  {
    // Every size the screen allows, and any size up to the chosen one, so that entry k stays
    // size k + 1; a size the screen does not allow cannot be chosen.
    const QSignalBlocker block(windowSize_);
    windowSize_->clear();
    const auto rows = WindowSizeEntries();
    for (int size = kSmallWindow; size <= kLargeWindow; ++size) {
      const bool offered = WindowSizeOffered(size, env_.screen);
      if (!offered && size > settings_.WindowSize) break;
      const ClientSize area = ClientAreaFor(size, env_.screen);
      windowSize_->addItem(WordText(*rows[static_cast<std::size_t>(size - 1)]));
      windowSize_->setItemData(size - 1, QString("%1 x %2").arg(area.width).arg(area.height),
                               Qt::ToolTipRole);
      if (!offered)
        Allow(windowSize_, size - 1, false,
              windowSize_->itemData(size - 1, Qt::ToolTipRole).toString());
    }
  }
  loading_ = false;
  LoadControls();
  FitToContent();
}

void TFormOptions::FitToContent() {
  // The window takes the size its texts need in the language shown, so a long language widens
  // it and a short one narrows it again (growing only would keep the widest language's size).
  layout()->invalidate();
  layout()->activate();
  resize(sizeHint().expandedTo(minimumSizeHint()).expandedTo(minimumSize()));
}

void TFormOptions::LoadControls() {
  loading_ = true;
  language_->Fill(LanguageInUse(settings_));
  {
    const QSignalBlocker block(windowSize_);
    windowSize_->setCurrentIndex(settings_.WindowSize >= 1 &&
                                         settings_.WindowSize <= windowSize_->count()
                                     ? settings_.WindowSize - 1
                                     : -1);
  }
  Check(net_, settings_.NetGame);
  Check(cursor_, settings_.OwnCursor);
  Check(buttons_, settings_.NewButtons);
  Check(fly_, settings_.FlyCards);
  Check(sound_, settings_.SoundOn);
  Check(music_, settings_.MusicOn);
  Check(gifAnimation_, settings_.GifAnimation);
  Check(radioServer_, settings_.RadioListFromServer);
  Check(radioDisk_, !settings_.RadioListFromServer);
  Check(saluteButtons_, settings_.SaluteButtons);
  Check(saluteCards_, settings_.SaluteCards);
  Check(gifSave_, settings_.GifSave);
  Check(highlight_, settings_.HighlightMoves);
  CaptionSpeedButton();

  auto select = [](QComboBox* box, int entry) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(entry >= 0 && entry < box->count() ? entry : -1);
  };
  select(deck_, settings_.CardDeck);
  select(back_, settings_.BackDeck);
  select(background_, settings_.Background - 1);
  select(backgroundColour_, settings_.BackgroundColour);
  select(mainMenuDesign_, settings_.MainMenuDesign);
  select(tableDesign_, settings_.TableDesign);
  select(windowDesign_, WindowDesignEntry(settings_));
  select(gifSource_, settings_.GifSource - 1);
  {
    const QSignalBlocker block(gifDelay_);
    gifDelay_->setValue(settings_.GifDelay);
  }
  {
    const QSignalBlocker block(modificationButtons_);
    Check(modificationButtons_->button(ModificationEntry(settings_)), true);
  }
  loading_ = false;
  LoadFontRole();
  UpdateEnablement();
  DrawFlag();
  ShowDeckPreview();
  ShowBackPreview();
}

void TFormOptions::LoadFontRole() {
  const int role = std::clamp(fontRole_->currentIndex(), 0, 3);
  const std::string* names[] = {&settings_.FontLarge, &settings_.FontSmall, &settings_.FontSpecial1,
                                &settings_.FontSpecial2};
  const int* scales[] = {&settings_.ScaleLarge, &settings_.ScaleSmall, &settings_.ScaleSpecial1,
                         &settings_.ScaleSpecial2};
  const bool wasLoading = loading_;
  loading_ = true;
  {
    const QSignalBlocker block(fontName_);
    const QString name = QString::fromStdString(*names[role]);
    const int found = fontName_->findText(name);
    fontName_->setCurrentIndex(found);
    fontName_->setEditText(name);
  }
  {
    const QSignalBlocker block(fontScale_);
    fontScale_->setValue(*scales[role]);
  }
  loading_ = wasLoading;
}

bool TFormOptions::PackInstalled(std::string_view pack) const {
  if (pack.empty()) return true;
  return env_.packInstalled ? env_.packInstalled(pack)
                            : PackFileInstalled(env_.programFolder, pack);
}

QString TFormOptions::MissingPackText(std::string_view pack) const {
  return WordText(kWordCantFindFile) + QLatin1Char(' ') + QtText(pack);
}

void TFormOptions::UpdateEnablement() {
  gifAnimation_->setEnabled(env_.menuShown);
  passport_->setEnabled(static_cast<bool>(env_.openPassport));

  for (int deck = 0; deck < deck_->count(); ++deck) {
    const std::string_view pack = PackForDeck(deck);
    Allow(deck_, deck, PackInstalled(pack), MissingPackText(pack));
  }
  for (int back = 0; back < back_->count(); ++back) {
    const std::string_view pack = PackForBack(back);
    Allow(back_, back, PackInstalled(pack), MissingPackText(pack));
  }
  const bool collection = IsBackCollection(settings_.BackDeck);
  changeDecks_->setEnabled(!collection);
  alwaysOne_->setEnabled(!collection);
  random_->setEnabled(collection);

  // Without the backgrounds pack only the program's own felt in green can be had.
  const bool backgrounds = PackInstalled(kPackBackgrounds);
  const QString noBackgrounds = MissingPackText(kPackBackgrounds);
  for (int k = 0; k < background_->count(); ++k) {
    Allow(background_, k, backgrounds || PackForBackground(k + 1, 0).empty(), noBackgrounds);
  }
  for (int k = 0; k < backgroundColour_->count(); ++k) {
    Allow(backgroundColour_, k, backgrounds || PackForBackground(2, k).empty(), noBackgrounds);
  }
  const bool allPurple = settings_.MainMenuDesign == 1 && settings_.TableDesign == 1;
  background_->setEnabled(!allPurple);
  backgroundColour_->setEnabled(!allPurple);

  // The purple designs, the headers of looks 1 and 3 and the salute are pictures of the
  // graphics pack.
  const bool graphics = PackInstalled(kPackGraphics);
  const QString noGraphics = MissingPackText(kPackGraphics);
  Allow(mainMenuDesign_, 1, graphics, noGraphics);
  Allow(tableDesign_, 1, graphics, noGraphics);
  for (int k = 1; k < windowDesign_->count(); ++k) Allow(windowDesign_, k, graphics, noGraphics);
  saluteGroup_->setEnabled(graphics);
  saluteGroup_->setToolTip(graphics ? QString() : noGraphics);
  RefreshPackButtons();

  gifSource_->setEnabled(settings_.GifSave);
  gifDelay_->setEnabled(settings_.GifSave);
  gifDelayLabel_->setEnabled(settings_.GifSave);
}

void TFormOptions::DrawFlag() {
  QPixmap area(kFlagWidth, kFlagHeight);
  area.fill(palette().color(QPalette::Button));
  const QImage flag = WindowPicture(QString::fromStdString(FlagPictureName(Language())));
  if (!flag.isNull()) {
    QPainter p(&area);
    p.drawImage(0, 0, flag);
  }
  flag_->setPixmap(area);
}

// What a preview says when it cannot show its pictures: the pack that is missing, or, with the
// pack there, the choice whose pictures it could not give.
QString TFormOptions::PreviewMissingText(std::string_view pack,
                                         std::span<const TWordRow* const> entries,
                                         int choice) const {
  if (!PackInstalled(pack)) return MissingPackText(pack);
  const bool known = choice >= 0 && choice < static_cast<int>(entries.size());
  return WordText(kWordCantFind) +
         (known ? WordText(*entries[static_cast<std::size_t>(choice)]) : QString::number(choice));
}

void TFormOptions::ShowDeckPreview() {
  deckPreview_->Show(settings_.CardDeck, PreviewMissingText(PackForDeck(settings_.CardDeck),
                                                            DeckEntries(), settings_.CardDeck));
}

void TFormOptions::ShowBackPreview() {
  backPreview_->Show(settings_.BackDeck, PreviewMissingText(PackForBack(settings_.BackDeck),
                                                            BackEntries(), settings_.BackDeck));
}

void TFormOptions::CaptionSpeedButton() {
  speed_->setText(WordText(kWordSpeed) + QLatin1Char('=') + QString::number(settings_.CardSpeed));
}

void TFormOptions::OpenSpeedWindow() {
  TFormSpeed speedWindow(
      settings_,
      [this] {
        CaptionSpeedButton();
        Notify(OptionsChange::kCardSpeed);
      },
      env_.packPicture, this);
  speedWindow.exec();
}

void TFormOptions::Notify(OptionsChange change) {
  if (env_.changed) env_.changed(change);
}

}  // namespace zendral
