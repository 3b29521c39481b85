#include "bidding/decisions.h"
#include "bidding/auction.h"
#include "bidding/stand_in_bids.h"
#include "core/cards.h"
#include "core/state.h"

namespace kestrel {

// Stand-in until the overcall rules are built: a five-card suit with 12 points at the two level.
void DecideOvercallerCall() {
    int seat = G.CurrentSeat;
    int& call = G.Calls[seat][G.BidRound];
    int suit = LongestSuit(seat);
    if (G.Overcaller == 0 && G.SeatInfo[seat].Points >= 12 && G.SuitInfo[seat][suit].Length >= 5)
        call = CheapestBid(suit, 2);
    if (call > 10 && seat != G.HumanSeat) G.Overcaller = seat;
    Bid2Screen(seat);
}

// Stand-in until the advancer's rules are built.
void DecideAdvancerCall() {
    G.Advancer = G.CurrentSeat;
    Bid2Screen(G.CurrentSeat);
}

}  // namespace kestrel
