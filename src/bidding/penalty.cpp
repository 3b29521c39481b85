#include "bidding/decisions.h"

namespace kestrel {

// Stand-ins until the rescue and no-fit rules are built: no decision.
void DoubledContractCall(int x) { (void)x; }
void NoFitCall(int x) { (void)x; }

// No penalty doubles until the competitive rules are built.
int PenaltyDoubleCall(int player, int call) {
    (void)player;
    return call;
}

}  // namespace kestrel
