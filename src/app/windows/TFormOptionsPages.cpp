// The nine pages of the Options window: their controls, named as the program knows them, and
// their layout. The captions come later, from ApplyLanguage.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/windows/LanguageChooser.h"
#include "app/windows/OptionsLists.h"
#include "app/windows/TFormOptions.h"

namespace zendral {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QWidget* TFormOptions::BuildGeneralPage() {
  auto* page = new QWidget(this);
  language_ = new LanguageChooser(page);
  flag_ = Named(new QLabel(page), "ImageFlag");
  flag_->setFixedSize(kFlagWidth, kFlagHeight);
  windowSize_ = Named(new QComboBox(page), "ComboBoxWSize");
  net_ = Named(new QCheckBox(page), "CheckBoxNet");
  cursor_ = Named(new QCheckBox(page), "CheckBoxCur");
  buttons_ = Named(new QCheckBox(page), "CheckBoxBut");
  fly_ = Named(new QCheckBox(page), "CheckBox4");
  speed_ = Named(new QPushButton(page), "Button3");
  passport_ = Named(new QPushButton(page), "Button4");

  auto* grid = new QGridLayout(page);
  grid->addWidget(language_, 0, 0);
  grid->addWidget(flag_, 0, 1, 3, 1, Qt::AlignTop | Qt::AlignRight);
  grid->addWidget(windowSize_, 1, 0);
  grid->addWidget(net_, 3, 0, 1, 2);
  grid->addWidget(cursor_, 4, 0, 1, 2);
  grid->addWidget(buttons_, 5, 0, 1, 2);
  grid->addWidget(fly_, 6, 0, 1, 2);
  auto* row = new QHBoxLayout;
  row->addWidget(speed_);
  row->addWidget(passport_);
  row->addStretch(1);
  grid->addLayout(row, 7, 0, 1, 2);
  grid->setRowStretch(8, 1);
  grid->setColumnStretch(0, 1);
  return page;
}

QWidget* TFormOptions::BuildMultimediaPage() {
  auto* page = new QWidget(this);
  sound_ = Named(new QCheckBox(page), "CheckBox1");
  music_ = Named(new QCheckBox(page), "CheckBox2");
  gifAnimation_ = Named(new QCheckBox(page), "CheckBox3");
  radioGroup_ = Named(new QGroupBox(page), "RGRadio");
  radioServer_ = Named(new QRadioButton(radioGroup_), "RGRadioItem1");
  radioDisk_ = Named(new QRadioButton(radioGroup_), "RGRadioItem2");
  auto* radios = new QVBoxLayout(radioGroup_);
  radios->addWidget(radioServer_);
  radios->addWidget(radioDisk_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(sound_);
  layout->addWidget(music_);
  noSoundDevice_ = Named(new QLabel(page), "LabelNoSoundDevice");
  noSoundDevice_->setWordWrap(true);
  noSoundDevice_->setVisible(!env_.soundDeviceFound);
  layout->addWidget(noSoundDevice_);
  layout->addWidget(gifAnimation_);
  layout->addSpacing(12);
  layout->addWidget(radioGroup_);
  layout->addStretch(1);
  return page;
}

QWidget* TFormOptions::BuildCardsPage() {
  auto* page = new QWidget(this);
  deck_ = Named(new QComboBox(page), "ComboBox1");
  deck_->setMaxVisibleItems(16);
  deckPreview_ = new CardPreview(false, page);
  deckPreview_->SetFaceLoader(env_.deckFace);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(deck_);
  layout->addSpacing(10);
  layout->addWidget(deckPreview_, 0, Qt::AlignLeft);
  layout->addStretch(1);
  return page;
}

QWidget* TFormOptions::BuildDecksPage() {
  auto* page = new QWidget(this);
  back_ = Named(new QComboBox(page), "ComboBox2");
  backPreview_ = new CardPreview(true, page);
  backPreview_->SetBackLoader(env_.backPicture);
  modification_ = Named(new QGroupBox(page), "RadioGroup2");
  changeDecks_ = Named(new QRadioButton(modification_), "RadioGroup2Item1");
  alwaysOne_ = Named(new QRadioButton(modification_), "RadioGroup2Item2");
  random_ = Named(new QRadioButton(modification_), "RadioGroup2Item3");
  modificationButtons_ = new QButtonGroup(this);
  modificationButtons_->addButton(changeDecks_, kChangeDecks);
  modificationButtons_->addButton(alwaysOne_, kAlwaysOne);
  modificationButtons_->addButton(random_, kRandomBack);
  auto* radios = new QVBoxLayout(modification_);
  radios->addWidget(changeDecks_);
  radios->addWidget(alwaysOne_);
  radios->addWidget(random_);
  auto* grid = new QGridLayout(page);
  grid->addWidget(back_, 0, 0);
  grid->addWidget(modification_, 1, 0, Qt::AlignTop);
  grid->addWidget(backPreview_, 0, 1, 2, 1, Qt::AlignTop);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(2, 1);
  return page;
}

QWidget* TFormOptions::BuildFontsPage() {
  auto* page = new QWidget(this);
  fontRole_ = Named(new QComboBox(page), "ComboBoxFont");
  fontName_ = Named(new QComboBox(page), "FontComboBox1");
  fontName_->setEditable(true);
  fontName_->setInsertPolicy(QComboBox::NoInsert);
  scaleLabel_ = new QLabel(page);
  fontScale_ = Named(new QSpinBox(page), "SpinEdit1");
  fontScale_->setRange(1, 999);
  fontDefault_ = Named(new QPushButton(page), "Button2");
  fontWarning_ = new QLabel(page);
  fontWarning_->setWordWrap(true);
  fontWarning_->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

  // The program's own default names come first: the system may know them only by an alias.
  QStringList names = {QStringLiteral("Comic Sans MS"), QStringLiteral("FixedSys"),
                       QStringLiteral("Courier New")};
  for (const QString& family : QFontDatabase::families()) {
    if (!names.contains(family) && IsStorableFontName(family)) names << family;
  }
  fontName_->addItems(names);

  auto* grid = new QGridLayout(page);
  grid->addWidget(fontRole_, 0, 0, 1, 2);
  grid->addWidget(fontName_, 1, 0, 1, 2);
  grid->addWidget(scaleLabel_, 2, 0);
  grid->addWidget(fontScale_, 2, 1);
  grid->addWidget(fontDefault_, 3, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(fontWarning_, 4, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(5, 1);
  return page;
}

QWidget* TFormOptions::BuildBackgroundPage() {
  auto* page = new QWidget(this);
  backgroundGroup_ = new QGroupBox(page);
  background_ = Named(new QComboBox(backgroundGroup_), "ComboBoxBG1");
  backgroundColour_ = Named(new QComboBox(backgroundGroup_), "ComboBoxBG2");
  auto* inner = new QVBoxLayout(backgroundGroup_);
  inner->addWidget(background_);
  inner->addWidget(backgroundColour_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(backgroundGroup_);
  layout->addStretch(1);
  return page;
}

QWidget* TFormOptions::BuildDesignPage() {
  auto* page = new QWidget(this);
  mainMenuDesignLabel_ = new QLabel(page);
  tableDesignLabel_ = new QLabel(page);
  windowDesignLabel_ = new QLabel(page);
  mainMenuDesign_ = Named(new QComboBox(page), "ComboBoxD1");
  tableDesign_ = Named(new QComboBox(page), "ComboBoxD2");
  windowDesign_ = Named(new QComboBox(page), "ComboBoxD3");
  saluteGroup_ = new QGroupBox(page);
  saluteButtons_ = Named(new QCheckBox(saluteGroup_), "CheckBoxD1");
  saluteCards_ = Named(new QCheckBox(saluteGroup_), "CheckBoxD2");
  auto* salute = new QHBoxLayout(saluteGroup_);
  salute->addWidget(saluteButtons_);
  salute->addWidget(saluteCards_);
  salute->addStretch(1);
  auto* grid = new QGridLayout(page);
  grid->addWidget(mainMenuDesignLabel_, 0, 0);
  grid->addWidget(mainMenuDesign_, 0, 1);
  grid->addWidget(tableDesignLabel_, 1, 0);
  grid->addWidget(tableDesign_, 1, 1);
  grid->addWidget(windowDesignLabel_, 2, 0);
  grid->addWidget(windowDesign_, 2, 1);
  grid->addWidget(saluteGroup_, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* TFormOptions::BuildSaveGamesPage() {
  auto* page = new QWidget(this);
  gifSave_ = Named(new QCheckBox(page), "CheckBoxSG1");
  gifSource_ = Named(new QComboBox(page), "ComboBoxSG1");
  gifDelayLabel_ = new QLabel(page);
  gifDelay_ = Named(new QSpinBox(page), "SpinEditSG1");
  gifDelay_->setRange(0, 99999);
  gifDelay_->setSingleStep(100);
  auto* grid = new QGridLayout(page);
  grid->addWidget(gifSave_, 0, 0, 1, 2);
  grid->addWidget(gifSource_, 1, 0, 1, 2);
  grid->addWidget(gifDelayLabel_, 2, 0);
  grid->addWidget(gifDelay_, 2, 1);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* TFormOptions::BuildGamePage() {
  auto* page = new QWidget(this);
  minorGroup_ = Named(new QGroupBox(page), "GroupBoxMinor");
  highlight_ = Named(new QCheckBox(minorGroup_), "CheckBox5");
  levelLabel_ = new QLabel(minorGroup_);
  level_ = Named(new QComboBox(minorGroup_), "ComboBoxLevel");
  auto* inner = new QVBoxLayout(minorGroup_);
  inner->addWidget(highlight_);
  auto* levelRow = new QHBoxLayout;
  levelRow->addWidget(levelLabel_);
  levelRow->addWidget(level_, 1);
  inner->addLayout(levelRow);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(minorGroup_);
  layout->addStretch(1);
  return page;
}

}  // namespace zendral
