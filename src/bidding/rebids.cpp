#include "bidding/decisions.h"

namespace kestrel {

// Stand-ins until the rebid rules are built: no decision, which is a Pass.
void DecideLaterCall(int x) { (void)x; }
void DecideResponderLaterCall(int responder) { (void)responder; }

}  // namespace kestrel
