// The player's record in words: how each tournament ended, the figures over
// all of them, the finishing places for the chart's description and the line
// the end summary adds on how a finish compares.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "store/record.h"

namespace tarvix::windows {

// A tournament's number grouped by threes: "4 183 775".
std::string number_text(std::uint64_t number);

// "Won", "12th of 1000", "Abandoned", "Kept for later".
std::string ended_text(const store::TournamentRow& row);

// The figures over all tournaments, each a name and its value.
std::vector<std::pair<std::string, std::string>> figure_texts(const store::Totals& totals);

// The finishing places, oldest first, for a screen reader: "Finishing
// places, oldest first: 12th, won, 340th. 1 abandoned." Rows newest first.
std::string places_in_words(const std::vector<store::TournamentRow>& rows);

// How the newest tournament's finish compares with every finish on record:
// "Your best place yet", "4th best of 12"; empty when it is no finish
// (abandoned, or not closed yet). Rows newest first, as the store gives them.
std::string comparison_line(const std::vector<store::TournamentRow>& rows);

// One cell per column of the list of tournaments.
std::vector<std::string> row_cells(const store::TournamentRow& row);
std::vector<std::string> column_titles();

}  // namespace tarvix::windows
