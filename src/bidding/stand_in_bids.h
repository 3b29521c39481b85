// Simple legal calls that stand in for the bidding rules not yet built.
#pragma once

namespace kestrel {

// The seat's longest suit (the higher-ranking of equal lengths).
int LongestSuit(int seat);
// The cheapest legal bid of the strain at or below the level ceiling, or Pass.
int CheapestBid(int strain, int ceiling);

}  // namespace kestrel
