// Sets up a deal and an auction for the bidding tests: the calls are recorded through
// Bid2Screen exactly as at the table, the roles following the calls actually made.
#pragma once

#include <deque>
#include <string>

#include "bidding/auction.h"
#include "bidding/evaluation.h"
#include "core/flow.h"
#include "test_util.h"

namespace kestrel::test {

// A host that replaces each decision with the next scripted call.
class ScriptedCallHost : public HeadlessHost {
public:
    std::deque<int> calls;
    bool SubstituteCall(int, int& call) override {
        if (calls.empty()) return false;
        call = calls.front();
        calls.pop_front();
        return true;
    }
};

// A deal with a given South hand ("K.QJ.Q32.AK87654", suits S.H.D.C); the other cards go
// round West, North, East.
inline void DealSouth(const std::string& south) {
    int suit = Spades;
    for (char ch : south) {
        if (ch == '.') {
            --suit;
            continue;
        }
        static const std::string ranks = "23456789TJQKA";
        auto r = ranks.find(ch);
        ASSERT_NE(r, std::string::npos) << ch;
        G.CardOwner[MakeCard(suit, static_cast<int>(r) + 1)] = South;
    }
    int seat = West;
    for (int card = 1; card <= 52; ++card) {
        if (G.CardOwner[card] == South) continue;
        G.CardOwner[card] = seat;
        seat = seat == West ? North : seat == North ? East : West;
    }
}

class AuctionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllState();
        SetHost(host);
        G.HumanSeat = 0;
    }

    // A fresh hand: the deal (PBN, or South's hand only) evaluated, the dealer to call.
    void Deal(const std::string& deal, int dealer) {
        ResetHandState();
        if (deal.find(':') != std::string::npos)
            SetOwners(deal);
        else
            DealSouth(deal);
        RebuildHandsInCardOrder();
        G.Dealer = dealer;
        G.CurrentSeat = dealer;
        G.Dealing = -1;
        EvaluateHands();
    }

    // Records the calls ("1H P 2H X XX") one after another from the seat to act.
    void Calls(const std::string& text) {
        std::vector<int> calls;
        ParseResult r = ParseCalls(text, calls);
        ASSERT_TRUE(r.ok) << r.error;
        for (int c : calls) {
            host.calls.push_back(c);
            int seat = G.CurrentSeat;
            G.Calls[seat][G.BidRound] = -1;
            Bid2Screen(seat);
        }
    }

    // The What text the last computer call added.
    std::string LastWhat() {
        const std::string& all = G.AuctionWhatText;
        if (all.size() < 2) return "";
        size_t end = all.size() - 2;  // the two line breaks after it
        size_t start = all.rfind("\n\n", end - 1);
        start = start == std::string::npos ? 0 : start + 2;
        return all.substr(start, end - start);
    }

    ScriptedCallHost host;
};

}  // namespace kestrel::test
