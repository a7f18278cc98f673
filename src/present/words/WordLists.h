#pragma once
// The rows of each data file by name; AllWordRows joins them. Internal to the word tables.

#include <span>

#include "present/words/Words.h"

namespace zendral::words {

std::span<const TNamedWordRow> MenuWordRows();
std::span<const TNamedWordRow> OptionsWordRows();
std::span<const TNamedWordRow> OnlineWordRows();
std::span<const TNamedWordRow> CalendarWordRows();
std::span<const TNamedWordRow> MediaWordRows();
std::span<const TNamedWordRow> MenuServicesWordRows();
std::span<const TNamedWordRow> SoundDeviceWordRows();
std::span<const TNamedWordRow> PackDownloadWordRows();
std::span<const TNamedWordRow> SolverWordRows();
std::span<const TNamedWordRow> ClubServerWordRows();
std::span<const TNamedWordRow> PlayerHintWordRows();
std::span<const TNamedWordRow> IntroWordRows();
std::span<const TNamedWordRow> DailyWordRows();
std::span<const TNamedWordRow> DailyReplayWordRows();
std::span<const TNamedWordRow> AccountLogInWordRows();
std::span<const TNamedWordRow> MenuBalloonWordRows();
std::span<const TNamedWordRow> OnlineEdgeWordRows();

}  // namespace zendral::words
