// The program's heap. Windows and their pictures come and go at start-up;
// the C library keeps the pages they freed for later unless told.
#pragma once

namespace tarvix::windows::heap {

// Gives the free pages of the heap back to the system.
void give_back();

}  // namespace tarvix::windows::heap
