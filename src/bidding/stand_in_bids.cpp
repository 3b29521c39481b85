#include "bidding/stand_in_bids.h"

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/state.h"

namespace kestrel {

int LongestSuit(int seat) {
    int best = Clubs;
    for (int s = Diamonds; s <= Spades; ++s)
        if (G.SuitInfo[seat][s].Length >= G.SuitInfo[seat][best].Length) best = s;
    return best;
}

int CheapestBid(int strain, int ceiling) {
    int level = G.Contract == 0 ? 1 : MinimumLevel(strain);
    if (level < 1) level = 1;
    return level <= ceiling ? MakeBid(level, strain) : Pass;
}

}  // namespace kestrel
