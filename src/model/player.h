// The seat record: everything the game knows about one of the seven seats.
// Plain data with public members and no behaviour; the table's procedures
// read and write it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvix {

using Chips = std::int64_t;

struct player {
  int handrank = 0;
  std::string caption;
  Chips prize = 0;
  int cardone = 0, cardtwo = 0, cardthree = 0, cardfour = 0, cardfive = 0, cardsix = 0,
      cardseven = 0;
  bool sittingout = false;
  bool Active = true;
  std::string cardtext1, cardtext2, cardtext3, cardtext4, cardtext5, cardtext6, cardtext7;
  int dealer = 0;
  bool allin = false;
  Chips bet = 0;
  Chips totalbet = 0;
  Chips handbet = 0;  // staked into the pot in this hand, antes and blinds included
  bool fold = false;
  std::string handvalue;
  int handnumber = 0;
  std::string handvaluepair, handvaluetwok, handvaluethreek, handvaluestraight, handvalueflush,
      handvaluefullhouse, handvaluefourk, handvaluesflush, handvaluerflush, handvaluetops;

  // Card c (1 = cardone .. 7 = cardseven) and its text, for the loops that
  // walk the seven cards in deal order.
  int& card(int c);
  int card(int c) const;
  std::string& cardtext(int c);
  const std::string& cardtext(int c) const;
};

}  // namespace tarvix
