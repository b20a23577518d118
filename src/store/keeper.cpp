#include "store/keeper.h"

#include <algorithm>

#include "model/table.h"

namespace tarvix::store {

namespace {

// The players left and the human's stack as the table shows them now.
void take_standing(Progress& progress, const Table& table) {
  progress.players_left = table.players_left();
  progress.stack = table.p(human).prize;
}

}  // namespace

Keeper::Keeper(Store& store, Game& game, PlayedClock played, bool listen)
    : store_(store), game_(game), played_(std::move(played)) {
  if (listen) game_.listen([this](const GameEvent& event) { seen(event); });
  game_.record([this](const Command& command) {
    if (writing_) store_.command(id_, seq_, command);
    ++seq_;
  });
}

void Keeper::begin(std::uint64_t number, const Settings& settings) {
  number_ = number;
  id_ = store_.begin(Start{number, settings, game_.now(), {}});
  writing_ = true;
  game_.start(settings);
}

Keeper::Resumed Keeper::resume(const Saved& saved) {
  number_ = saved.start.number;
  id_ = saved.id;
  // Settings the game never offers and times no host gives are no save the
  // game made: such a tournament is not dealt again at all.
  const auto in_time = [](Millis t) { return t >= 0 && t <= latest_game_time; };
  if (!offered(saved.start.settings) || !in_time(saved.start.start_ms) || !in_time(saved.saved_ms))
    return given_up(saved, 1);
  expected_ = &saved.checkpoints;
  game_.advance_to(saved.start.start_ms);
  game_.start(saved.start.settings);
  Resumed resumed;
  for (const Command& command : saved.commands) {
    if (diverged_at_ != 0) break;
    if (!replay(game_, command)) {
      diverged_at_ = std::max(1, progress_.hand);
      break;
    }
  }
  // The time saved never takes the game's clock back.
  if (diverged_at_ == 0) game_.advance_to(std::max(saved.saved_ms, game_.now()));
  // A hand saved as started that the replay never reached differs too.
  if (diverged_at_ == 0 && !saved.checkpoints.empty() &&
      saved.checkpoints.back().hand > progress_.hand)
    diverged_at_ = progress_.hand + 1;
  expected_ = nullptr;
  if (diverged_at_ != 0) return given_up(saved, diverged_at_);
  // As the table stood when it was saved.
  take_standing(progress_, game_.table());
  // A figure out of all reason counts as none rather than overflow.
  played_before_ = std::clamp(saved.progress.played_ms, Millis{0}, latest_game_time) - played_();
  progress_.played_ms = played();
  writing_ = true;
  store_.resumed(id_);
  return resumed;
}

Keeper::Resumed Keeper::given_up(const Saved& saved, int hand) {
  store_.close(id_, Outcome::abandoned, std::nullopt, 0, saved.progress);
  closed_ = true;
  return {false, hand};
}

void Keeper::save_time() {
  if (!writing_ || closed_) return;
  // The offer to resume reads as the table stood when it was left, not as
  // the hand began.
  take_standing(progress_, game_.table());
  progress_.played_ms = played();
  store_.progress(id_, game_.now(), progress_);
}

void Keeper::keep() {
  save_time();
  writing_ = false;
}

void Keeper::log_hand(int hand, const std::string& text) {
  if (writing_ && hand > 0) store_.hand_log(id_, hand, text);
}

void Keeper::hand_started(int hand) {
  const Table& table = game_.table();
  Checkpoint mark{hand, game_.now(), {}};
  for (int s = 1; s <= seats; ++s) mark.stacks.push_back(table.p(s).prize);
  progress_.hand = hand;
  take_standing(progress_, table);
  if (game_.finish() == Finish::none) ++progress_.hands_played;
  if (expected_ != nullptr && diverged_at_ == 0) {
    const auto saved = std::find_if(expected_->begin(), expected_->end(),
                                    [hand](const Checkpoint& c) { return c.hand == hand; });
    if (saved != expected_->end() && !(*saved == mark)) diverged_at_ = hand;
  }
  if (!writing_) return;
  progress_.played_ms = played();
  store_.checkpoint(id_, mark, progress_);
}

void Keeper::seen(const GameEvent& event) {
  if (const auto* started = std::get_if<HandStarted>(&event)) {
    hand_started(started->hand);
  } else if (const auto* sat_out = std::get_if<SatOut>(&event)) {
    // Every hand sat out, not only those that cost the dealer's fee.
    if (sat_out->seat == human) ++progress_.sat_out_hands;
  } else if (const auto* showdown = std::get_if<Showdown>(&event)) {
    for (const ShowdownHand& hand : showdown->hands) {
      if (hand.seat != human) continue;
      progress_.biggest_win = std::max(progress_.biggest_win, hand.won);
      if (showdown->contested && hand.value > progress_.best_value) {
        progress_.best_value = hand.value;
        progress_.best_hand = hand.hand;
      }
    }
  } else if (const auto* over = std::get_if<TournamentOver>(&event)) {
    if (!writing_ || closed_) return;
    closed_ = true;
    progress_.played_ms = played();
    progress_.players_left = over->players_left;
    const bool won = over->finish == Finish::won;
    store_.close(id_, won ? Outcome::won : Outcome::knocked_out, won ? 1 : over->players_left + 1,
                 over->field, progress_);
  } else if (const auto* ended = std::get_if<GameEnded>(&event)) {
    if (!writing_ || closed_ || ended->ending != Ending::exit_button) return;
    closed_ = true;
    progress_.played_ms = played();
    store_.close(id_, Outcome::abandoned, std::nullopt, 0, progress_);
  }
}

}  // namespace tarvix::store
