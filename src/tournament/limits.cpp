// The limits clock: every 299th tick of the turn timer the limits climb one
// step of a fixed ladder.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

struct Step {
  Chips before, after;
  bool announced;
};

constexpr Step ladder[] = {
    {10, 25, true},       {25, 50, true},       {50, 100, true},      {100, 500, true},
    {500, 1000, true},    {1000, 2000, true},   {2000, 5000, true},   {5000, 10000, true},
    {10000, 20000, true}, {20000, 25000, true}, {25000, 50000, true}, {50000, 100000, false},
};

}  // namespace

std::vector<Chips> Table::limits_ladder() {
  std::vector<Chips> values{first_limits};
  for (const Step& step : ladder) values.push_back(step.after);
  return values;
}

void Table::show_limits() {
  // Written at every tick; the words change only with the limits.
  if (limits == limits_shown_) return;
  limits_shown_ = limits;
  display.set_caption(limitslabel, "Limits Go Up in Every 10 mins");
  display.set_caption(limitsdisplay,
                      "Limits   " + number_text(limits) + "  -  " + number_text(2 * limits));
}

void Table::limits_clock() {
  --limittimersetting;
  // The display is written before the rise: a new value shows from the
  // following tick on.
  show_limits();
  if (limittimersetting >= 2) return;
  limittimersetting = limits_clock_start;
  for (const Step& step : ladder) {
    if (limits != step.before) continue;
    limits = step.after;
    ++level;
    tell(LimitsRaised{level, limits});
    if (step.announced) {
      display.set_visible(Label24, true);
      display.set_caption(Label24, "Limits Are Going Up");
    }
    break;
  }
}

}  // namespace tarvix
