#include "bidding/auction.h"
#include "bidding/decisions.h"
#include "bidding/stand_in_bids.h"
#include "core/cards.h"
#include "core/state.h"

namespace kestrel {

// Stand-in until the opening rules are built: open the longest suit with 13 points.
void DecideOpenerCall() {
    int seat = G.CurrentSeat;
    int& call = G.Calls[seat][G.BidRound];
    if (G.Opener == 0 && G.SeatInfo[seat].Points >= 13)
        call = CheapestBid(LongestSuit(seat), 1);
    if (call > 10 && seat != G.HumanSeat) G.Opener = seat;
    Bid2Screen(seat);
}

// Stand-in until the response rules are built: raise partner's suit with support.
void DecideResponderCall() {
    int seat = G.CurrentSeat;
    G.Responder = PartnerOf(G.Opener);
    int& call = G.Calls[seat][G.BidRound];
    int strain = CallStrain(LastCall(G.Opener));
    if (strain >= 1 && strain <= 4 && G.SuitInfo[seat][strain].Length >= 4) {
        int points = G.SeatInfo[seat].Points;
        int game = strain >= Hearts ? 4 : 5;
        if (points >= 13)
            call = CheapestBid(strain, game);
        else if (points >= 6)
            call = CheapestBid(strain, 2);
    }
    Bid2Screen(seat);
}

}  // namespace kestrel
