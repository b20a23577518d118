// The game's first hand evaluator, which reads the seats' card texts and
// compares rank tokens and suit letters as texts. The table now evaluates
// card numbers through rank and suit masks; this one stays as the reference
// that the fast one must agree with, text for text and value for value.
#pragma once

#include "model/table.h"

namespace tarvix::harness {

// The whole evaluation of the seven seats from their card texts, as the deal
// ran it: the detectors' descriptions, one hand value per seat, then the
// table's ranking. The caller clears the seats' evaluation fields first.
void evaluate_by_text(Table& table);

}  // namespace tarvix::harness
