// The main window's decisions that reach several parts: the captions of a new language, the
// kon driver of a new session and its gate, and what an Options change does to the window.
// The parts themselves (sessions, pop-up menu, table input, Options) have files of their own.

#include "app/calendar/CalendarView.h"
#include "app/main/AppText.h"
#include "app/main/ExpertCoach.h"
#include "app/main/LanSession.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/ProgramPacks.h"
#include "app/main/TForm1.h"
#include "app/main/TableCoach.h"
#include "app/main/TablePopup.h"
#include "app/main/TableWidget.h"
#include "app/main/TourSession.h"
#include "app/main/WindowServices.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/radio/MediaPanel.h"
#include "app/windows/TFormOptions.h"
#include "present/draw/TableArt.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::Text;

void TForm1::ApplyLanguage() {
  setWindowTitle(Text(kWordTitle));
  popup_->Caption();
  menu_->ApplyLanguage();
  table_->ApplyLanguage();
  coach_->Caption();
  // The calendar pages carry texts of the language too.
  if (calendar_ && menuShown_ && art_) {
    calendar_->Show(art_->scale().scaleX, art_->scale().scaleY, Language());
  }
}

// ---- Sessions.

KonDriver& TForm1::UseDriver(PeerLink* peer, OnlineBooking* tournament) {
  DriverLinks links{*table_,       random_,        peer, store_.get(), menuServices_.get(),
                    online_.get(), coach_->Coach()};
  if (tournament != nullptr) {
    links.online = tournament;
    links.seat1 = nullptr;
  }
  driver_ = std::make_unique<KonDriver>(state_, links);
  return *driver_;
}

bool TForm1::CallHoldingPeer(const std::function<bool()>& call) {
  if (lan_->InSession()) return lan_->CallHolding(call);
  if (state_.TourGame) return tour_->CallHolding(call);
  return call();
}

void TForm1::WhileBusy(const std::function<void()>& work) {
  window_->WhileBusy(work);
}

void TForm1::ShowPopup(QPoint globalPos) {
  popup_->Show(globalPos);
}

// What an Options control changed takes effect at once, behind the open window.
void TForm1::OnOptionsChange(OptionsChange change) {
  switch (change) {
    case OptionsChange::kLanguage:
      ApplyLanguage();
      break;
    case OptionsChange::kWindowSize:
      // Options opens only over the menu: it is laid out anew for the size, ornaments too.
      ShowMainMenuScreen();
      break;
    case OptionsChange::kMultiplayer:
      menu_->ApplyLanguage();  // the header and the list of the other club file
      break;
    case OptionsChange::kMusic:
      sound_->PlayMusic(settings_.MusicOn && (menuShown_ || introShown_));
      break;
    case OptionsChange::kBackground:
    case OptionsChange::kMainMenuDesign:
    case OptionsChange::kTableDesign:
    case OptionsChange::kCardDeck:
    case OptionsChange::kBackDeck:
      packs_->Load();  // the pictures of the new choice
      [[fallthrough]];
    case OptionsChange::kFonts:
      // The table's pictures and fonts are made again for the new choice, and the menu shown
      // again in them (another design has its own background and buttons).
      art_.reset();
      RebuildArt();
      if (menuShown_) ShowMainMenuScreen();
      break;
    case OptionsChange::kOther:
      ApplySettingsToState();
      break;
    case OptionsChange::kRadioSource:
      media_->PrepareRadio(settings_.RadioListFromServer);
      break;
    case OptionsChange::kNewButtons:
      menu_->ApplyButtonLook();
      table_->ApplyButtonStyle(settings_.NewButtons);
      break;
    default:
      // Read where they are used: the sound switch, the flight's speed, the cursors, ...
      break;
  }
}

}  // namespace zendral
