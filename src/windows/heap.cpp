#include "windows/heap.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tarvix::windows::heap {

void give_back() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace tarvix::windows::heap
