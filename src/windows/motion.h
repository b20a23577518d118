// Movement the player can follow, drawn by the table window only: chips
// sliding from the pot to the winner, and cards turning face up. The game
// has already moved on when these play; they never touch its state.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix::windows {

class Motion {
 public:
  using Millis = std::int64_t;

  static constexpr Millis chips_total = 600;  // the whole pot's slide
  static constexpr Millis chip_flight = 300;  // one chip's slide
  static constexpr Millis flip_time = 250;

  struct Point {
    double x = 0, y = 0;  // twips
  };

  // A chip on its way, where it is drawn now.
  struct Chip {
    int index;
    Point at;
  };

  // A card slot turning over: how wide it is drawn (1 = flat on the table,
  // 0 = on its edge) and which picture shows.
  struct Flip {
    double width;
    int cell;
  };

  void set_enabled(bool on) { enabled_ = on; }
  bool enabled() const { return enabled_; }

  // A visible chip moved. Chips moved within one burst (the pot paid to a
  // winner) leave one after another.
  void chip_moved(int index, Point from, Point to, Millis now);
  // A visible card slot's picture changed.
  void picture_changed(int slot, int from_cell, int to_cell, Millis now);

  std::vector<Chip> chips(Millis now) const;
  std::optional<Flip> flip(int slot, Millis now) const;
  // A card slot currently turning; the slot's own picture is not drawn.
  bool flipping(int slot, Millis now) const { return flip(slot, now).has_value(); }

  bool active(Millis now) const;
  void forget_finished(Millis now);
  void clear() {
    flights_.clear();
    flips_.clear();
  }

  static bool is_back(int cell) { return cell == 0 || cell >= 53; }
  static bool is_face(int cell) { return cell >= 1 && cell <= 52; }

 private:
  struct Flight {
    int index;
    Point from, to;
    Millis start;
    Millis duration;
  };
  struct Turn {
    int slot;
    int from_cell, to_cell;
    Millis start;
  };

  bool enabled_ = true;
  std::vector<Flight> flights_;
  std::vector<Turn> flips_;
  Millis burst_start_ = -1;
  int burst_count_ = 0;
};

}  // namespace tarvix::windows
