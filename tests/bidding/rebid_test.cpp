#include "bidding/rebid.h"

#include <functional>
#include <vector>

#include "bidding/auction.h"
#include "bidding/evaluation.h"
#include "core/flow.h"
#include "test_util.h"

namespace kestrel::test {
namespace {

// Strong hands for North and South with a spade fit: North raises whatever spade bid South
// makes, so the user's calls 1S, 3S, Pass give him three turns.
constexpr const char* kDeal =
    "S:AKJ4.KQ43.A2.K32 T98.T98.T987.T98 Q652.AJ5.KQ5.AQJ 73.762.J643.7654";

// What the players know at one of the user's turns.
struct Snapshot {
    int round = 0, seat = 0;
    int calls[5][8] = {};
    std::string what;
    int timesBid[5][5] = {}, biddability[5][5] = {};
    int shownMin[5] = {}, shownMax[5] = {}, laterCalls[5] = {};
    int opener = 0, responder = 0, overcaller = 0, advancer = 0, contract = 0, passCount = 0;

    static Snapshot Take() {
        Snapshot s;
        s.round = G.BidRound;
        s.seat = G.CurrentSeat;
        for (int seat = 1; seat <= 4; ++seat) {
            for (int r = 0; r <= 7; ++r) s.calls[seat][r] = G.Calls[seat][r];
            for (int suit = 1; suit <= 4; ++suit) {
                s.timesBid[seat][suit] = G.SuitInfo[seat][suit].TimesBid;
                s.biddability[seat][suit] = G.SuitInfo[seat][suit].Biddability;
            }
            s.shownMin[seat] = G.SeatInfo[seat].ShownMinPoints;
            s.shownMax[seat] = G.SeatInfo[seat].ShownMaxPoints;
            s.laterCalls[seat] = G.SeatInfo[seat].LaterCallCount;
        }
        s.what = G.AuctionWhatText;
        s.opener = G.Opener, s.responder = G.Responder;
        s.overcaller = G.Overcaller, s.advancer = G.Advancer;
        s.contract = G.Contract, s.passCount = G.PassCount;
        return s;
    }
};

void ExpectSame(const Snapshot& a, const Snapshot& b) {
    EXPECT_EQ(a.round, b.round);
    EXPECT_EQ(a.seat, b.seat);
    for (int seat = 1; seat <= 4; ++seat) {
        for (int r = 0; r <= 7; ++r) EXPECT_EQ(a.calls[seat][r], b.calls[seat][r]) << seat << " " << r;
        for (int suit = 1; suit <= 4; ++suit) {
            EXPECT_EQ(a.timesBid[seat][suit], b.timesBid[seat][suit]);
            EXPECT_EQ(a.biddability[seat][suit], b.biddability[seat][suit]);
        }
        EXPECT_EQ(a.shownMin[seat], b.shownMin[seat]);
        EXPECT_EQ(a.shownMax[seat], b.shownMax[seat]);
        EXPECT_EQ(a.laterCalls[seat], b.laterCalls[seat]);
    }
    EXPECT_EQ(a.what, b.what);
    EXPECT_EQ(a.opener, b.opener);
    EXPECT_EQ(a.responder, b.responder);
    EXPECT_EQ(a.overcaller, b.overcaller);
    EXPECT_EQ(a.advancer, b.advancer);
    EXPECT_EQ(a.contract, b.contract);
    EXPECT_EQ(a.passCount, b.passCount);
}

// The user's part: at each of his turns a snapshot, then the action the test chose.
class RebidHost : public HeadlessHost {
public:
    struct BidsRecorder : BidsView {
        int cleared = 0;
        std::vector<int> updates;  // calls written, in order
        void ClearCalls() override { ++cleared; }
        void UpdateTable(int, int, int call) override { updates.push_back(call); }
    } bids;
    struct TableRecorder : TableView {
        int clearedSeats = 0;
        void MakeBidVisible(int, int call) override { clearedSeats += call == -1; }
    } table;
    BidsView& Bids() override { return bids; }
    TableView& Table() override { return table; }

    std::vector<Snapshot> turns;
    // Returns true when it acted itself; otherwise the headless user accepts the proposal.
    std::function<bool()> onTurn;

    void KeepAlive() override {
        if (G.AwaitingUser && G.Dealing && G.CurrentSeat == G.HumanSeat) {
            turns.push_back(Snapshot::Take());
            if (onTurn && onTurn()) return;
        }
        HeadlessHost::KeepAlive();
    }
};

class Rebid : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllState();
        ResetHandState();
        SetHost(host);
        SetOwners(kDeal);
        RebuildHandsInCardOrder();
        G.Dealer = South;
        G.CurrentSeat = South;
        G.Dealing = -1;
        G.BidsShown = -1;
        EvaluateHands();
    }
    RebidHost host;
};

TEST_F(Rebid, ReplaysTheAuctionAndAsksForTheUsersPreviousCall) {
    // First an auction without taking anything back, for the calls it makes.
    host.onTurn = nullptr;
    host.scriptedCalls = {MakeBid(1, Spades), MakeBid(3, Spades), Pass};
    GetBid();
    std::vector<Snapshot> plain = host.turns;
    ASSERT_GE(plain.size(), 3u) << "the auction must give the user three turns";
    int plainCalls[5][8];
    for (int seat = 1; seat <= 4; ++seat)
        for (int r = 0; r <= 7; ++r) plainCalls[seat][r] = G.Calls[seat][r];

    // Again, taking back the round-2 call when asked in round 3. Meanwhile a rule has lowered
    // one of West's suits; the replay values it as the deal did.
    SetUp();
    host.turns.clear();
    host.scriptedCalls = {MakeBid(1, Spades), MakeBid(3, Spades), MakeBid(3, Spades), Pass};
    bool takenBack = false;
    host.onTurn = [&] {
        if (G.BidRound == 3 && !takenBack) {
            G.SuitInfo[West][Hearts].Biddability = 3;
            takenBack = UserTakesBackCall();
            EXPECT_TRUE(takenBack);
            return true;
        }
        return false;
    };
    GetBid();
    ASSERT_TRUE(takenBack);
    // Asked in rounds 1, 2, 3, then again in round 2 with everything as it was then.
    ASSERT_GE(host.turns.size(), 4u);
    EXPECT_EQ(host.turns[2].round, 3);
    ExpectSame(host.turns[3], plain[1]);
    EXPECT_EQ(G.SuitInfo[West][Hearts].Biddability, G.SuitInfo[West][Hearts].DealBiddability);
    // The calls went from both displays; the same auction was recorded again.
    EXPECT_EQ(host.bids.cleared, 1);
    EXPECT_EQ(host.table.clearedSeats, 4);
    for (int seat = 1; seat <= 4; ++seat)
        for (int r = 0; r <= 7; ++r) EXPECT_EQ(G.Calls[seat][r], plainCalls[seat][r]) << seat << r;
    EXPECT_EQ(G.HumanSeat, South);
    EXPECT_EQ(G.PlayInterrupt, 0);
}

TEST_F(Rebid, TheUserMayMakeADifferentCallTheSecondTime) {
    bool takenBack = false;
    int asked = 0;
    host.onTurn = [&] {
        ++asked;
        if (G.BidRound == 2 && !takenBack) {
            takenBack = UserTakesBackCall();
            return true;
        }
        // Asked again for his round-1 call: this time he passes, and then passes on.
        if (takenBack) {
            UserMakesCall(Pass);
            return true;
        }
        return false;
    };
    GetBid();
    ASSERT_TRUE(takenBack);
    EXPECT_EQ(G.Calls[South][1], Pass);
    // The abandoned round-2 turn left nothing behind it: round 2 holds only the new call.
    EXPECT_NE(G.Calls[South][2], -1);
    EXPECT_EQ(G.Calls[South][2], Pass);
}

TEST_F(Rebid, NothingToTakeBackInTheFirstRound) {
    int refused = 0;
    host.onTurn = [&] {
        if (G.BidRound == 1) {
            refused += !UserTakesBackCall();
            EXPECT_EQ(G.AwaitingUser, -1);
            EXPECT_EQ(G.PlayInterrupt, 0);
        }
        return false;
    };
    GetBid();
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(host.bids.cleared, 0);
}

TEST_F(Rebid, NotWhenItIsNotTheUsersTurn) {
    G.BidRound = 3;
    G.AwaitingUser = 0;
    EXPECT_FALSE(UserTakesBackCall());
    G.AwaitingUser = -1;
    G.CurrentSeat = West;
    EXPECT_FALSE(UserTakesBackCall());
    EXPECT_EQ(G.PlayInterrupt, 0);
}

}  // namespace
}  // namespace kestrel::test
