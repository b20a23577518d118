#include "model/journal.h"

#include "model/game.h"

namespace tarvix {

namespace {
constexpr int key_count = static_cast<int>(Key::other) + 1;
constexpr std::size_t longest_amount = 64;  // far longer than any box's text
}  // namespace

bool replay(Game& game, const Command& command) {
  if (command.at < game.now() || command.at > latest_game_time) return false;
  switch (command.kind) {
    case CommandKind::click:
      if (command.value < 0 || command.value >= element_count) return false;
      game.advance_to(command.at);
      game.click(Element(command.value));
      return true;
    case CommandKind::type_amount:
      if (command.text.size() > longest_amount) return false;
      game.advance_to(command.at);
      game.type_amount(command.text);
      return true;
    case CommandKind::press_key:
      if (command.value < 0 || command.value >= key_count) return false;
      game.advance_to(command.at);
      game.press_key(Key(command.value));
      return true;
    case CommandKind::pause:
      game.advance_to(command.at);
      game.toggle_pause();
      return true;
  }
  return false;
}

}  // namespace tarvix
