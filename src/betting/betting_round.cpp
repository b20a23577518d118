// The betting round: forced bets, the turn passing round the table, the
// computer seat's turn, the stake bookkeeping and the end of a street.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

void Table::Command4_Click() { timer_on(TimerId::roundtimer); }

}  // namespace tarvix
