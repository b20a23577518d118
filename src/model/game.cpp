#include "model/game.h"

#include "model/table.h"

namespace tarvix {

Game::Game(std::unique_ptr<Random> random)
    : random_(std::move(random)),
      table_(std::make_unique<Table>(screen_, *random_, clock_, Settings{})) {
  table_->on_event = [this](const GameEvent& event) { deliver(event); };
}

Game::~Game() = default;

void Game::deliver(const GameEvent& event) {
  for (const Listener& listener : listeners_) listener(event);
}

void Game::listen(Listener listener) { listeners_.push_back(std::move(listener)); }

void Game::start(Settings settings) {
  if (started_) return;
  started_ = true;
  table_->settings = std::move(settings);
  table_->Form_Load();
}

bool Game::take(CommandKind kind, int value, const std::string& text) {
  if (!started_) return false;
  if (recorder_) recorder_(Command{now(), kind, value, text});
  return kind == CommandKind::pause || !paused_;
}

void Game::click(Element e) {
  if (take(CommandKind::click, e)) table_->click(e);
}

void Game::type_amount(const std::string& text) {
  if (take(CommandKind::type_amount, 0, text)) table_->type_amount(text);
}

void Game::press_key(Key key) {
  if (take(CommandKind::press_key, static_cast<int>(key))) table_->press_key(key);
}

void Game::toggle_pause() {
  if (table_->ended() || !take(CommandKind::pause)) return;
  paused_ = !paused_;
  deliver(PauseChanged{paused_});
}

void Game::advance_to(Millis t) {
  if (paused_) return;
  while (started_ && !table_->ended()) {
    const auto due = table_->next_tick_due();
    if (!due || *due > t) break;
    clock_.set(*due);
    table_->run_due_timers();
  }
  clock_.set(t);
}

bool Game::step() {
  if (paused_) return false;
  const auto due = next_due();
  if (!due) return false;
  clock_.set(*due);
  table_->run_due_timers();
  return true;
}

std::optional<Millis> Game::next_due() const {
  if (!started_ || paused_ || table_->ended()) return std::nullopt;
  return table_->next_tick_due();
}

bool Game::human_turn_open() const { return started_ && table_->human_turn_open(); }
bool Game::ended() const { return table_->ended(); }
Ending Game::ending() const { return table_->ending; }
Finish Game::finish() const { return table_->finish; }
int Game::hand() const { return table_->hands_dealt; }
SitOut Game::sit_out() const { return table_->sit_out(); }
BetItStake Game::bet_it_stake() const { return table_->bet_it_stake(); }
int Game::players_left() const { return table_->players_left(); }
const std::string& Game::seat_name(int seat) const {
  static const std::string nobody;
  return seat >= 1 && seat <= seats ? table_->p(seat).caption : nobody;
}
std::vector<Chips> Game::limits_ladder() { return Table::limits_ladder(); }

std::vector<int> Game::cards_seen(int seat) const {
  std::vector<int> seen;
  if (seat < 1 || seat > seats) return seen;
  for (int c = 1; c <= cards_per_seat; ++c)
    if (screen_.visible(card_slot(seat, c))) seen.push_back(table_->face_shown(seat, c));
  return seen;
}

}  // namespace tarvix
