#include "windows/story.h"

#include <algorithm>
#include <cstdio>

#include "model/card.h"
#include "windows/guide.h"

namespace tarvix::windows {

namespace {

constexpr int human_seat = 1;
constexpr int third_street = 3;  // a street is named by the cards it shows
constexpr int last_street = 7;
constexpr long long per_second = 1000, per_minute = 60, per_hour = 3600;

const char* const street_names[] = {"Third", "Fourth", "Fifth", "Sixth", "Seventh"};

std::string amount(Chips chips) { return std::to_string(chips); }

// Both forms of a line grow together: what is written and what is said.
struct Said {
  std::string text, spoken;
  void add(const std::string& both) { add(both, both); }
  void add(const std::string& written, const std::string& words) {
    text += written;
    spoken += words;
  }
};

struct ForcedWords {
  const char* tag;  // on the plate
  const char* log;  // in the log, after "posts"
};

ForcedWords forced_words(ForcedBetKind kind) {
  switch (kind) {
    case ForcedBetKind::small_blind: return {"Small blind", "the small blind"};
    case ForcedBetKind::big_blind: return {"Big blind", "the big blind"};
    case ForcedBetKind::ante: return {"Ante", "an ante of"};
  }
  return {"", ""};
}

struct ActionWords {
  const char* tag;
  const char* log;
  TagKind kind;
};

ActionWords action_words(ActionKind kind) {
  switch (kind) {
    case ActionKind::call: return {"Call", "calls", TagKind::passive};
    case ActionKind::check: return {"Check", "checks", TagKind::passive};
    case ActionKind::stay_in: return {"Stays in", "stays in without calling", TagKind::passive};
    case ActionKind::raise: return {"Raise to", "raises", TagKind::aggressive};
    case ActionKind::bet: return {"Bet", "bets", TagKind::aggressive};
    case ActionKind::fold: return {"Fold", "folds", TagKind::fold};
    case ActionKind::sit_out_fee:
      return {"Sit-out fee", "pays the sitting-out dealer's fee of", TagKind::forced};
  }
  return {"", "", TagKind::none};
}

bool stakes_nothing(ActionKind kind) {
  return kind == ActionKind::check || kind == ActionKind::stay_in || kind == ActionKind::fold;
}

}  // namespace

// 1st, 2nd, 3rd, 4th .. 11th, 12th, 13th .. 21st.
std::string ordinal(int n) {
  const int tens = n % 100, units = n % 10;
  const char* suffix = "th";
  if (tens < 11 || tens > 13) {
    if (units == 1) suffix = "st";
    if (units == 2) suffix = "nd";
    if (units == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

// "1 h 05 min", "12 min 30 s".
std::string duration_text(Millis ms) {
  const long long seconds = ms / per_second;
  char text[32];
  if (seconds >= per_hour)
    std::snprintf(text, sizeof text, "%lld h %02lld min", seconds / per_hour,
                  seconds / per_minute % per_minute);
  else
    std::snprintf(text, sizeof text, "%lld min %02lld s", seconds / per_minute,
                  seconds % per_minute);
  return text;
}

std::string sit_out_words(SitOut state) {
  switch (state) {
    case SitOut::playing: return {};
    case SitOut::from_next_hand: return "Sitting out from the next hand";
    case SitOut::sitting_out: return "Sitting out";
    case SitOut::back_next_hand: return "Back in from the next hand";
  }
  return {};
}

std::string sheet_words(const std::vector<SheetLine>& lines) {
  std::string said;
  for (const SheetLine& line : lines) {
    if (!said.empty()) said += ". ";
    said += line.left;
    if (!line.right.empty()) said += ": " + line.right;
  }
  return said;
}

bool Story::named(int seat) const {
  return game_.seat_name(seat).find_first_not_of(' ') != std::string::npos;
}

std::string Story::name(int seat) const {
  if (named(seat)) return game_.seat_name(seat);
  return seat == human_seat ? "you" : "seat " + std::to_string(seat);
}

std::string Story::does(int seat, std::string verb) const {
  if (seat != human_seat || named(seat)) return name(seat) + " " + verb;
  // The human without a name is "You": "You call", not "You calls".
  const auto end = verb.find(' ');
  verb.erase((end == std::string::npos ? verb.size() : end) - 1, 1);
  return "You " + verb;
}

void Story::log(std::string text, bool heading, std::string spoken) {
  if (on_line) on_line({std::move(text), heading, std::move(spoken)});
}

void Story::clear_tags(bool keep_folds) {
  for (SeatTag& tag : tags_)
    if (!keep_folds || tag.kind != TagKind::fold) tag = {};
}

void Story::hear(const GameEvent& event) {
  if (const auto* e = std::get_if<HandStarted>(&event)) {
    told_hand_start(*e);
  } else if (const auto* e = std::get_if<ButtonMoved>(&event)) {
    log("The button goes to " + name(e->seat));
  } else if (const auto* e = std::get_if<SatOut>(&event)) {
    sitting_out_ = true;
    log(does(e->seat, "sits this hand out"));
  } else if (const auto* e = std::get_if<ForcedBet>(&event)) {
    told_forced_bet(*e);
  } else if (const auto* e = std::get_if<SeatAction>(&event)) {
    told_action(*e);
  } else if (const auto* e = std::get_if<StreetShown>(&event)) {
    // Third street is dealt after the antes: their tags stay until a card
    // is shown on the next street.
    if (e->street > third_street) clear_tags(true);
    if (e->street == third_street) told_deal();
    if (e->street >= third_street && e->street <= last_street) told_street(e->street);
  } else if (const auto* e = std::get_if<RaiseUnanswered>(&event)) {
    told_unanswered(*e);
  } else if (const auto* e = std::get_if<BetsGathered>(&event)) {
    pot_ = e->pot;
    log("The pot holds " + amount(e->pot));
  } else if (const auto* e = std::get_if<Showdown>(&event)) {
    told_showdown(*e);
  } else if (const auto* e = std::get_if<LimitsRaised>(&event)) {
    log(house_rule_note(HouseRule::limits,
                        "The limits rise to " + amount(e->limits) + " - " + amount(2 * e->limits)));
  } else if (const auto* e = std::get_if<NewcomerSeated>(&event)) {
    log(e->name + " takes seat " + std::to_string(e->seat) + " with " + amount(e->stack) +
        " chips");
  } else if (const auto* e = std::get_if<SeatRetired>(&event)) {
    log(e->name + " is out of the tournament and leaves seat " + std::to_string(e->seat));
  } else if (const auto* e = std::get_if<PlayersLeft>(&event)) {
    // The last rival leaves at the deal after the hand that broke him:
    // that hand is the human's alone.
    alone_ = e->count == 1;
    log(std::to_string(e->count) + (e->count == 1 ? " player" : " players") +
        " left in the tournament");
  } else if (const auto* e = std::get_if<TournamentOver>(&event)) {
    told_end(*e);
  } else if (const auto* e = std::get_if<PauseChanged>(&event)) {
    log(e->paused ? "The game is paused" : "The game goes on");
  }
}

void Story::told_hand_start(const HandStarted& start) {
  clear_tags(false);
  pot_.reset();
  sitting_out_ = alone_ = false;
  log("Hand " + std::to_string(start.hand), true);
}

void Story::told_deal() {
  if (sitting_out_)
    ++record_.hands_sat_out;
  else if (!alone_)
    ++record_.hands;
}

void Story::told_forced_bet(const ForcedBet& bet) {
  const ForcedWords words = forced_words(bet.kind);
  pot_ = bet.pot;
  SeatTag& tag = tags_[static_cast<std::size_t>(bet.seat - 1)];
  tag.text = std::string(bet.all_in ? "All in" : words.tag) + " " + amount(bet.amount);
  tag.kind = bet.all_in ? TagKind::all_in : TagKind::forced;
  log(does(bet.seat, "posts") + " " + words.log + " " + amount(bet.amount) +
      (bet.all_in ? ", all in" : ""));
}

void Story::told_action(const SeatAction& action) {
  const ActionWords words = action_words(action.kind);
  // The sitting-out fee leaves the table; it is not in the pot.
  if (action.kind != ActionKind::sit_out_fee) pot_ = action.pot;
  const bool all_in = action.all_in && action.kind != ActionKind::fold;
  SeatTag& tag = tags_[static_cast<std::size_t>(action.seat - 1)];
  const bool raise = action.kind == ActionKind::raise;
  // A raise is told as hands are written down: by how much, to what total.
  const Chips figure = raise ? action.street_stake : action.amount;
  tag.text = all_in ? "All in" : words.tag;
  // Appended piece by piece: GCC 12 warns falsely of an overlap on `" " + text`.
  if (!stakes_nothing(action.kind))
    tag.text.append(" ").append(amount(all_in ? action.amount : figure));
  tag.kind = all_in ? TagKind::all_in : words.kind;
  std::string line = does(action.seat, words.log);
  if (raise) line.append(" ").append(amount(action.amount - action.called)).append(" to");
  if (!stakes_nothing(action.kind)) line.append(" ").append(amount(figure));
  if (action.kind == ActionKind::sit_out_fee) line += ", which goes to no pot and leaves the game";
  line += all_in ? ", all in" : "";
  const bool sized = action.kind == ActionKind::bet || action.kind == ActionKind::raise;
  if (action.kind == ActionKind::fold && action.all_in)
    line = house_rule_note(HouseRule::all_in_fold, line + ", all in");
  else if (action.kind == ActionKind::sit_out_fee)
    line = house_rule_note(HouseRule::sitting_out, line);
  else if (sized && action.sizing == Sizing::stack)
    line = house_rule_note(HouseRule::computer_bets, line + ": sized from its stack");
  else if (sized && action.sizing == Sizing::typed)
    line =
        house_rule_note(HouseRule::bet_it, line + ": " + amount(action.called) + " to call and " +
                                               amount(action.amount - action.called) + " typed");
  log(line);
}

std::pair<std::string, std::string> Story::shown_cards(int seat) const {
  Said said;
  for (int card : game_.cards_seen(seat)) {
    if (card == no_card) continue;
    if (!said.text.empty()) said.add(" ", ", ");
    said.add(convert2card(card), card_words(card));
  }
  return {said.text, said.spoken};
}

void Story::told_street(int street) {
  // Each seat's card of the street as the human sees it; the human's own
  // face-down cards marked, since only the human sees them.
  const std::size_t dealt = static_cast<std::size_t>(street);
  const std::size_t first = street == third_street ? 0 : dealt - 1;
  Said others, mine;
  for (int seat = 1; seat <= seats; ++seat) {
    const std::vector<int> seen = game_.cards_seen(seat);
    if (seen.size() < dealt) continue;  // folded, or not dealt in
    Said cards;
    for (std::size_t c = first; c < dealt; ++c) {
      const int card = seen[c];
      const bool down = !dealt_face_up(static_cast<int>(c) + 1);
      // Of the others' down cards only the one that is the street's news.
      if (card == no_card && street == third_street) continue;
      if (!cards.text.empty()) cards.add(" ", ", ");
      if (card == no_card)
        cards.add("down", "a card down");
      else
        cards.add(convert2card(card), card_words(card));
      if (seat == human_seat && down) cards.add(" (down)", ", down");
    }
    if (cards.text.empty()) continue;
    if (seat == human_seat) {
      mine.add("; you: " + cards.text, "; you: " + cards.spoken);
    } else {
      others.add(others.text.empty() ? ": " : ", ");
      others.add(name(seat) + " " + cards.text, name(seat) + " " + cards.spoken);
    }
  }
  const std::string title = std::string(street_names[street - third_street]) + " street";
  log(title + others.text + mine.text, false, title + others.spoken + mine.spoken);
}

void Story::told_unanswered(const RaiseUnanswered& unanswered) {
  std::string who;
  for (int seat : unanswered.owing) who += (who.empty() ? "" : ", ") + name(seat);
  log(house_rule_note(
      HouseRule::closing_seat,
      "The street closes at its closing seat; the raise stands, unanswered by " + who));
}

void Story::told_showdown(const Showdown& showdown) {
  pot_ = showdown.pot;
  if (!showdown.contested && !showdown.hands.empty()) {
    const ShowdownHand& winner = showdown.hands.front();
    log(does(winner.seat, "wins") + " " + amount(winner.won) + " uncontested");
  } else {
    log(house_rule_note(HouseRule::hand_values, "Showdown for a pot of " + amount(showdown.pot)));
  }
  for (const ShowdownHand& hand : showdown.hands) {
    SeatTag& tag = tags_[static_cast<std::size_t>(hand.seat - 1)];
    tag.text = hand.hand;
    tag.kind = TagKind::hand;
    tag.won = hand.won;
    if (showdown.contested) {
      // The hand in full, as it lies face up now; said with the hand's
      // name in words rather than as the table writes it.
      const auto [cards, cards_said] = shown_cards(hand.seat);
      const std::string shows = does(hand.seat, "shows") + " ";
      Said line;
      line.add(shows + hand.hand, shows + hand_words(hand.value));
      if (hand.won > 0) line.add(", wins " + amount(hand.won));
      line.add(": " + cards, ": " + cards_said);
      if (hand.short_all_in) {
        const std::string why = ", all in for less and paid the whole share";
        line.text = house_rule_note(HouseRule::no_side_pots, line.text + why);
        line.spoken = house_rule_note(HouseRule::no_side_pots, line.spoken + why);
      }
      log(line.text, false, line.spoken);
    } else if (hand.short_all_in) {
      log(house_rule_note(HouseRule::no_side_pots, name(hand.seat) + " was all in for less"));
    }
    if (hand.seat != human_seat) continue;
    record_.biggest_share = std::max(record_.biggest_share, hand.won);
    if (showdown.contested && hand.value > record_.best_value) {
      record_.best_value = hand.value;
      record_.best_hand = hand.hand;
    }
  }
}

void Story::told_end(const TournamentOver& over) {
  record_.finish = over.finish;
  record_.players_left = over.players_left;
  record_.field = over.field;
  if (over.finish == Finish::won)
    log("You won the tournament", true);
  else
    log("You are out of the tournament in " + ordinal(over.players_left + 1) + " place", true);
}

std::vector<SheetLine> Story::summary(Millis played) const {
  using Kind = SheetLine::Kind;
  const Record& r = record_;
  const int place = r.finish == Finish::won ? 1 : r.players_left + 1;
  return {
      {Kind::title, r.finish == Finish::won ? "You won the tournament!" : "Your tournament is over",
       ""},
      {Kind::row, "Place", ordinal(place) + " of " + std::to_string(r.field)},
      {Kind::row, "Hands played", std::to_string(r.hands)},
      {Kind::row, "Hands sat out", std::to_string(r.hands_sat_out)},
      {Kind::row, "Biggest share won", r.biggest_share > 0 ? amount(r.biggest_share) : "none"},
      {Kind::row, "Best hand shown down", r.best_hand.empty() ? "none" : r.best_hand},
      {Kind::row, "Time played", duration_text(played)},
      {Kind::text, "The game closes by itself in a moment.", ""},
  };
}

}  // namespace tarvix::windows
