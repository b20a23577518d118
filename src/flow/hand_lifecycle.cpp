// The life of a hand after the first: the pause timer's tick, the next deal
// with its tournament step, the button's move and the table clean-up.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

void Table::class_set_to_zero() {
  for (int s = 1; s <= seats; ++s) {
    player& q = p(s);
    q.handrank = 0;
    q.handnumber = 0;
    q.handvalue.clear();
    q.handvaluetops.clear();
    q.handvaluepair.clear();
    q.handvaluetwok.clear();
    q.handvaluethreek.clear();
    q.handvaluestraight.clear();
    q.handvalueflush.clear();
    q.handvaluefullhouse.clear();
    q.handvaluefourk.clear();
    q.handvaluesflush.clear();
    q.handvaluerflush.clear();
  }
}

}  // namespace tarvix
