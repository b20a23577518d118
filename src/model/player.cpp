#include "model/player.h"

#include <cassert>

namespace tarvix {

int& player::card(int c) {
  assert(c >= 1 && c <= 7);
  int* const fields[] = {&cardone,  &cardtwo, &cardthree, &cardfour,
                         &cardfive, &cardsix, &cardseven};
  return *fields[c - 1];
}

int player::card(int c) const { return const_cast<player*>(this)->card(c); }

std::string& player::cardtext(int c) {
  assert(c >= 1 && c <= 7);
  std::string* const fields[] = {&cardtext1, &cardtext2, &cardtext3, &cardtext4,
                                 &cardtext5, &cardtext6, &cardtext7};
  return *fields[c - 1];
}

const std::string& player::cardtext(int c) const { return const_cast<player*>(this)->cardtext(c); }

}  // namespace tarvix
