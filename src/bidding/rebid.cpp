#include "bidding/rebid.h"

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/host.h"
#include "core/state.h"

namespace kestrel {

namespace {

// The replay in progress: the user's seat and his calls, by round, taken before the clearing.
struct Replay {
    bool running = false;
    int user = 0;
    int calls[8] = {};
};

Replay& CurrentReplay() {
    static Replay replay;
    return replay;
}

// Back to the state of the deal: every inference the calls made is undone.
void ClearAuctionInferences() {
    for (int seat = 1; seat <= 4; ++seat) {
        for (int suit = 1; suit <= 4; ++suit) {
            SuitInfoRec& info = G.SuitInfo[seat][suit];
            info.TimesBid = 0;
            info.NaturalTimesBid = 0;
            info.ShownLength = 0;
            info.FitLength = 0;
            // The suit's biddability as the deal valued it.
            info.Biddability = info.DealBiddability;
        }
        SeatInfoRec& seatInfo = G.SeatInfo[seat];
        seatInfo.FirstFit = 0;
        seatInfo.SecondFit = 0;
        seatInfo.ShownMinPoints = 0;
        seatInfo.ShownMaxPoints = 0;
        seatInfo.JumpedLastBid = 0;
        seatInfo.EverJumped = 0;
        // The later-round decisions are made again: counted afresh, so they come out the same.
        seatInfo.LaterCallCount = 0;
        seatInfo.NoTrumpOk = 0;
        seatInfo.PreemptTricks = 0;
    }
}

}  // namespace

bool UserTakesBackCall() {
    // Only on the user's own turn, and only once he has a call to take back.
    if (!G.AwaitingUser || !G.Dealing || G.HumanSeat == 0 || G.CurrentSeat != G.HumanSeat ||
        G.BidRound < 2)
        return false;
    // The turn is abandoned and the explanations go with it.
    G.AwaitingUser = 0;
    G.AuctionWhatText.clear();
    G.HumanWhatText.clear();
    G.WhyText.clear();
    G.PlayInterrupt = -1;
    return true;
}

void ReplayAuction() {
    Host& host = GetHost();
    Replay& replay = CurrentReplay();
    // The round of the abandoned turn, and the user's seat.
    const int r0 = G.BidRound;
    const int user = G.HumanSeat;
    if (user == 0) return;
    G.PlayInterrupt = 0;
    // The user's current entry is no call; his calls are kept for the replay.
    G.Calls[user][r0] = -1;
    for (int round = 0; round <= 7; ++round) replay.calls[round] = G.Calls[user][round];
    replay.user = user;
    // The auction and everything the calls told the players start again from the deal.
    ResetAuctionRecord();
    ClearAuctionInferences();
    G.WhyText.clear();
    // The calls disappear from the bids-made window and from the table.
    if (G.BidsShown) host.Bids().ClearCalls();
    for (int seat = 1; seat <= 4; ++seat) host.Table().MakeBidVisible(seat, -1);
    // Every seat is asked again by its role, from the dealer on; the computer decides as
    // before, and the user's calls are entered for him as he made them.
    G.CurrentSeat = G.Dealer;
    replay.running = true;
    struct EndReplay {
        ~EndReplay() { CurrentReplay().running = false; }
    } endReplay;
    // The same calls again, up to the user's turn in the round before the abandoned one.
    while (G.BidRound <= r0 && !(G.CurrentSeat == user && G.BidRound == r0 - 1) &&
           (G.PassCount < 3 || G.BidRound < 2) && G.PassCount < 4) {
        G.WhyText.clear();
        DecideCallForSeatToAct();
    }
    // The bidding loop asks the user again, from his previous turn.
    G.WhyText.clear();
}

bool ReplayedUserCall(int player, int& call) {
    const Replay& replay = CurrentReplay();
    if (!replay.running || player != replay.user || G.BidRound < 1 || G.BidRound > 7) return false;
    int recorded = replay.calls[G.BidRound];
    if (recorded < 0) return false;
    call = recorded;
    return true;
}

}  // namespace kestrel
