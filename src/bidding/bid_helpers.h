// Small questions about bids that the competitive, fit and slam rules share.
#pragma once

#include <string>

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

inline bool IsSuitStrain(int strain) { return strain >= Clubs && strain <= Spades; }
inline bool IsMinor(int strain) { return strain == Clubs || strain == Diamonds; }
inline bool IsMajor(int strain) { return strain == Hearts || strain == Spades; }

// The strain at the cheapest level it can be bid now.
inline int BidAtMinimum(int strain) { return MakeBid(MinimumLevel(strain), strain); }

// A game contract: No Trump at level 3 or more, a major at 4 or more, a minor at 5 or more.
inline bool IsGameBid(int call) {
    if (call <= 10) return false;
    int s = CallStrain(call), l = CallLevel(call);
    return (s == NoTrump && l >= 3) || (IsMajor(s) && l >= 4) || l >= 5;
}

// How many different suits the seat has bid.
inline int SuitsBidCount(int seat) {
    int n = 0;
    for (int s = Clubs; s <= Spades; ++s)
        if (G.SuitInfo[seat][s].TimesBid > 0) ++n;
    return n;
}

// The bid outranks the contract, so it may be made now.
inline bool BidIsLegalNow(int call) { return call > 10 && CallLevel(call) <= 7 && BidRank(call) > BidRank(G.Contract); }

// A count of quick-trick halves as tricks: 4 -> " 2", 5 -> " 2.5", 1 -> " 0.5".
inline std::string HalvesAsTricks(int halves) {
    if (halves % 2 == 0) return Str(halves / 2);
    if (halves < 0) return "-" + std::to_string(-halves / 2) + ".5";
    return " " + std::to_string(halves / 2) + ".5";
}

}  // namespace kestrel
