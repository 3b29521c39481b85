#include "bidding/decisions.h"

namespace kestrel {

// No penalty doubles until the competitive rules are built.
int PenaltyDoubleCall(int player, int call) {
    (void)player;
    return call;
}

}  // namespace kestrel
