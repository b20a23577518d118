#include "art.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the resource initialiser in the current scope, so it
// has to be used outside the namespace.
static void register_art_resources() { Q_INIT_RESOURCE(art); }

namespace tarvix::art {

void init_resources() {
  static const bool registered = (register_art_resources(), true);
  (void)registered;
}

}  // namespace tarvix::art
