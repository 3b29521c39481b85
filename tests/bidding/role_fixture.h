// The auction fixture, with each call made through the decision procedure of the caller's role,
// as the bidding loop does, so that the procedures' own memories follow the auction.
#pragma once

#include <string>
#include <vector>

#include "auction_fixture.h"
#include "bidding/decisions.h"

namespace kestrel::test {

class RoleTest : public AuctionTest {
protected:
    // One turn of the bidding loop for the seat to act.
    static void Turn() {
        int s = G.CurrentSeat;
        G.WhyText.clear();
        if (G.Opener == 0 || s == G.Opener)
            DecideOpenerCall();
        else if (PartnerOf(s) == G.Opener)
            DecideResponderCall();
        else if (PartnerOf(s) == G.Overcaller)
            DecideAdvancerCall();
        else
            DecideOvercallerCall();
    }

    // The calls ("1H X P") made one after another, each replacing the engine's decision.
    void Drive(const std::string& text) {
        std::vector<int> calls;
        ParseResult r = ParseCalls(text, calls);
        ASSERT_TRUE(r.ok) << r.error;
        for (int c : calls) {
            host.calls.push_back(c);
            Turn();
        }
    }

    // The engine's own call for the seat to act; its Why text is left in why.
    int Decide() {
        int seat = G.CurrentSeat, round = G.BidRound;
        Turn();
        why = G.WhyText;
        return G.Calls[seat][round];
    }

    std::string why;
};

}  // namespace kestrel::test
