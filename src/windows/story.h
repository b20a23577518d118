// What happens at the table, in words, from the game's events: each seat's
// tag (what it did last on this street, and at the showdown its hand and
// what it won), the pot with the street's stakes, the lines of the hand log
// and the player's record for the summary at the end. The tags, the log
// and the screen reader's texts all take their words from here.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"

namespace tarvix::windows {

// How a tag is drawn: what kind of thing the seat did.
enum class TagKind { none, forced, passive, aggressive, all_in, fold, hand };

struct SeatTag {
  std::string text;  // "Call 20", "Fold"; at the showdown the hand: "Two Kind Q"
  TagKind kind = TagKind::none;
  Chips won = 0;  // what the seat received at the showdown
};

// A line of a sheet shown over the table: the guide, the summary.
struct SheetLine {
  enum class Kind { title, heading, text, row };
  Kind kind;
  std::string left;   // the text, or a row's first column
  std::string right;  // a row's second column
};

struct LogLine {
  std::string text;
  bool heading = false;  // a hand's number
  std::string spoken;    // how a screen reader says it, where not as written
  const std::string& said() const { return spoken.empty() ? text : spoken; }
};

// How the human's tournament went, for the summary at its end.
struct Record {
  int hands = 0;          // dealt in with an opponent to play against
  int hands_sat_out = 0;  // sat out, apart from those played
  // The most received from one pot: a share, which holds the human's own
  // chips that nobody called.
  Chips biggest_share = 0;
  std::string best_hand;  // the best hand the human showed down, if any
  int best_value = 0;
  Finish finish = Finish::none;
  int players_left = 0;  // when the tournament ended for the human
  int field = 0;         // the players it started with
};

class Story {
 public:
  explicit Story(const Game& game) : game_(game) {}

  // Every event of the game, in order.
  void hear(const GameEvent& event);

  const SeatTag& tag(int seat) const { return tags_[static_cast<std::size_t>(seat - 1)]; }
  // The pot with the street's stakes, once the hand has one.
  std::optional<Chips> pot() const { return pot_; }
  const Record& record() const { return record_; }

  // The summary of the human's tournament, once it is over.
  std::vector<SheetLine> summary(Millis played) const;

  // A line for the hand log, as it happens.
  std::function<void(const LogLine&)> on_line;

 private:
  // The player's name; a name of blanks only is no name.
  std::string name(int seat) const;
  bool named(int seat) const;
  // The seat doing something, the verb as for a third person: "poker man calls".
  std::string does(int seat, std::string verb) const;
  void log(std::string text, bool heading = false, std::string spoken = {});
  void clear_tags(bool keep_folds);
  void told_hand_start(const HandStarted& start);
  void told_deal();
  void told_forced_bet(const ForcedBet& bet);
  void told_action(const SeatAction& action);
  void told_street(int street);
  void told_unanswered(const RaiseUnanswered& unanswered);
  void told_showdown(const Showdown& showdown);
  // A seat's cards face up as the table shows them, written and in words.
  std::pair<std::string, std::string> shown_cards(int seat) const;
  void told_end(const TournamentOver& over);

  const Game& game_;
  std::array<SeatTag, seats> tags_{};
  std::optional<Chips> pot_;
  Record record_;
  // What this hand is for the human, until its cards are dealt.
  bool sitting_out_ = false;
  bool alone_ = false;
};

// A sheet's lines as one text to be said.
std::string sheet_words(const std::vector<SheetLine>& lines);

// The Sit Out button's state in words; empty while the human plays.
std::string sit_out_words(SitOut state);
// 1st, 2nd, 3rd, 4th .. 11th, 12th, 13th .. 21st.
std::string ordinal(int n);
// "1 h 05 min", "12 min 30 s".
std::string duration_text(Millis ms);

}  // namespace tarvix::windows
