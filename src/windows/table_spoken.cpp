// The painted texts as a screen reader finds them: a stand-in label over
// each, holding its words.
#include <vector>

#include "windows/caption.h"
#include "windows/game_host.h"
#include "windows/spoken_label.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

// The painted texts a screen reader can read. Some say what they are
// themselves ("Limits 10 and 20"); the rest are read after what they are
// ("Pot: 120").
struct TextHelp {
  Element element;
  QString what;
  QString description;
  bool says_what = false;
};
std::vector<TextHelp> spoken_texts() {
  std::vector<TextHelp> texts;
  for (int s = 1; s <= seats; ++s) {
    const QString seat = s == 1 ? QStringLiteral("Your") : QStringLiteral("Seat %1").arg(s);
    texts.push_back({name_label(s), seat + QStringLiteral(" name"),
                     QStringLiteral("The name of the player in this seat.")});
    texts.push_back({stack_label(s), seat + QStringLiteral(" stack"),
                     QStringLiteral("The chips the player has left, or All in.")});
    texts.push_back({bet_label(s), seat + QStringLiteral(" bet"),
                     QStringLiteral("What the player has staked on this street.")});
  }
  texts.push_back({potlabel, QStringLiteral("Pot"), QStringLiteral("The chips in the pot.")});
  texts.push_back({sidepotlabel, QStringLiteral("Side pot"), QStringLiteral("The side pot.")});
  texts.push_back({limitslabel, QStringLiteral("Limits schedule"),
                   QStringLiteral("How often the limits go up."), true});
  texts.push_back(
      {limitsdisplay, QStringLiteral("Limits"), QStringLiteral("The current limits."), true});
  texts.push_back({Label2, QStringLiteral("Players left"),
                   QStringLiteral("The players remaining in the tournament."), true});
  texts.push_back({winnerlabel, QStringLiteral("Winner"),
                   QStringLiteral("The winner that the deal has already decided for this hand. "
                                  "F10 shows it, F9 hides it.")});
  texts.push_back({Label24, QStringLiteral("Message"), QStringLiteral("The table's message.")});
  return texts;
}

// A painted text as a screen reader should say it: in words, without the
// blanks that line figures up on the table.
QString spoken_words(Element e, const QString& caption, const Game& game) {
  QString words = caption.simplified();
  if (e == limitsdisplay) return words.replace(QStringLiteral(" - "), QStringLiteral(" and "));
  if (e == Label2) return QStringLiteral("%1 players remaining").arg(game.players_left());
  return words;
}

}  // namespace

void TableWindow::make_spoken_labels() {
  for (const TextHelp& help : spoken_texts()) {
    auto* label = new SpokenLabel(help.what, help.description, this, help.says_what);
    label->setObjectName(QString::fromStdString(element_name(help.element)) +
                         QStringLiteral("_spoken"));
    spoken_[help.element] = label;
  }
  for (int s = 1; s <= seats; ++s) {
    const QString seat = s == 1 ? QStringLiteral("Your") : QStringLiteral("Seat %1").arg(s);
    auto& tag = spoken_tags_[static_cast<std::size_t>(s - 1)];
    tag = new SpokenLabel(seat + QStringLiteral(" action"),
                          QStringLiteral("What the player did last on this street, or at the "
                                         "showdown the player's hand."),
                          this);
    tag->setObjectName(QStringLiteral("tag%1_spoken").arg(s));
    auto& won = spoken_won_[static_cast<std::size_t>(s - 1)];
    won = new SpokenLabel(seat + QStringLiteral(" winnings"),
                          QStringLiteral("What the player received from the pot."), this);
    won->setObjectName(QStringLiteral("won%1_spoken").arg(s));
  }
  // Its text names it already: "Pot 120".
  spoken_pot_total_ = new SpokenLabel(
      QStringLiteral("Pot total"), QStringLiteral("The pot with this street's bets."), this, true);
  spoken_pot_total_->setObjectName(QStringLiteral("pot_total_spoken"));
  spoken_sit_out_ = new SpokenLabel(QStringLiteral("Sit out"),
                                    QStringLiteral("Whether you sit out, in words."), this);
  spoken_sit_out_->setObjectName(QStringLiteral("sit_out_spoken"));
}

void TableWindow::speak_spots() {
  for (const auto& [e, label] : spoken_) sync_spoken(e);
  auto speak = [](SpokenLabel* label, const Spot& spot) {
    label->set_text(spot.whole);
    label->setGeometry(spot.box.toAlignedRect());
    label->setVisible(spot.shown());
  };
  for (std::size_t i = 0; i < spots_.seats.size(); ++i) {
    speak(spoken_tags_[i], spots_.seats[i].tag);
    speak(spoken_won_[i], spots_.seats[i].won);
  }
  speak(spoken_pot_total_, spots_.pot_total);
  speak(spoken_sit_out_, spots_.sit_out);
}

void TableWindow::sync_spoken(Element e) {
  SpokenLabel* label = spoken(e);
  const ElementState& s = screen_.at(e);
  const Spot* spot = spot_of(e);
  label->setGeometry((spot && spot->shown() ? spot->box : view_rect(e)).toAlignedRect());
  // A text the table does not show holds nothing a screen reader could find.
  const bool shown = s.visible && !trimmed(s.caption).isEmpty();
  label->set_text(shown ? spoken_words(e, QString::fromStdString(s.caption), host_.game())
                        : QString());
  label->setVisible(shown);
}

const Spot* TableWindow::spot_of(Element e) const {
  for (int s = 1; s <= seats; ++s) {
    const SeatSpots& seat = spots_.seats[static_cast<std::size_t>(s - 1)];
    if (e == name_label(s)) return &seat.name;
    if (e == stack_label(s)) return &seat.stack;
    if (e == bet_label(s)) return &spots_.bets[static_cast<std::size_t>(s - 1)];
  }
  switch (e) {
    case potlabel: return &spots_.pot;
    case sidepotlabel: return &spots_.side_pot;
    case limitslabel: return &spots_.limits_label;
    case limitsdisplay: return &spots_.limits;
    case Label2: return &spots_.players;
    case winnerlabel: return &spots_.winner;
    case Label24: return &spots_.message;
    default: return nullptr;
  }
}

}  // namespace tarvix::windows
