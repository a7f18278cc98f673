#pragma once
// zendral-cli online daily and daily-table: the deal of the day from the command line.

#include <string>
#include <vector>

#include "online/OnlineClub.h"
#include "online/RequestFrame.h"

namespace zendral::cli {

// online daily NICK PW [--expert]: logs in, starts the day's deal, plays seat 2 with the classic
// player (or the expert with expert), files the kon and prints score, par and place.
int OnlineDaily(online::RequestFrame& frame, online::OnlineClub& club,
                const std::vector<std::string>& words, bool expert);
// online daily-table [--date YYYY-MM-DD]: the day's table, one TAB-separated line per row.
int OnlineDailyTable(online::RequestFrame& frame, const std::string& recordsAddress,
                     const std::vector<std::string>& words, const std::string& date);

}  // namespace zendral::cli
