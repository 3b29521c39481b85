#include "bidding/auction.h"

#include "auction_fixture.h"

namespace kestrel::test {
namespace {

constexpr const char* kDeal = "S:KJ4.Q43.K432.Q32 T98.T98.T98.T987 A65.AK5.AQ5.AK65 Q732.J762.J76.J4";

struct JumpCase {
    const char* name;
    int dealer;
    const char* calls;
    int seat, round;
    bool jump;
};

class JumpBid : public AuctionTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(JumpBid, IsJumpOnlyWhenALevelIsSkipped) {
    const JumpCase& j = GetParam();
    Deal(kDeal, j.dealer);
    Calls(j.calls);
    EXPECT_EQ(IsJumpBid(j.seat, j.round), j.jump);
}

INSTANTIATE_TEST_SUITE_P(
    Auctions, JumpBid,
    ::testing::Values(
        // 1C - 1H - 2H: Hearts could not be bid at level 1 any more, so no jump.
        JumpCase{"RaiseAtCheapestLevel", North, "1C P 1H P 2H", North, 2, false},
        JumpCase{"JumpRaise", North, "1C P 1H P 3H", North, 2, true},
        JumpCase{"LowerSuitOneLevelUp", North, "1S P 2C", South, 1, false},
        JumpCase{"LowerSuitTwoLevelsUp", North, "1S P 3C", South, 1, true},
        JumpCase{"HigherSuitSameLevel", North, "1H P 1S", South, 1, false},
        JumpCase{"HigherSuitOneLevelUp", North, "1H P 2S", South, 1, true},
        JumpCase{"OverTheOvercall", East, "1H 1S 3S", West, 1, true},
        JumpCase{"OpeningIsNoJump", North, "3N", North, 1, false},
        JumpCase{"NoCallNoJump", North, "1H P", West, 1, false}),
    [](const auto& p) { return p.param.name; });

TEST_F(AuctionTest, JumpFlagsFollowTheCalls) {
    Deal(kDeal, North);
    Calls("1C");
    EXPECT_EQ(G.SeatInfo[North].EverJumped, 0);  // an opening bid is no jump
    Calls("P 1H P 3H");
    EXPECT_EQ(G.SeatInfo[North].JumpedLastBid, -1);
    EXPECT_EQ(G.SeatInfo[North].EverJumped, -1);
    Calls("P 4H");
    EXPECT_EQ(G.SeatInfo[South].JumpedLastBid, 0);
    EXPECT_EQ(G.SuitInfo[South][Hearts].TimesBid, 2);
    EXPECT_EQ(G.FirstBidderOfSuit[0][Hearts], South);
    EXPECT_EQ(G.FirstBidderOfSuit[0][Clubs], North);
}

TEST_F(AuctionTest, FreeBidderAndRightHandOpponent) {
    Deal(kDeal, North);
    Calls("1H 1S");
    EXPECT_TRUE(IsFreeBidder(South));  // East called
    EXPECT_TRUE(RhoCalledBefore(South, 1));
    Calls("P P");
    EXPECT_FALSE(RhoCalledBefore(North, 1));  // the dealer's right-hand opponent speaks last
    EXPECT_FALSE(RhoCalledBefore(North, 2));  // West passed in round 1
    // Partner passed: a free bidder too.
    Deal(kDeal, North);
    Calls("P P");
    EXPECT_TRUE(IsFreeBidder(South));
    Deal(kDeal, North);
    Calls("1H P");
    EXPECT_FALSE(IsFreeBidder(South));  // partner bid, the right-hand opponent passed
    Deal(kDeal, North);
    Calls("1H P P 1S");
    EXPECT_TRUE(RhoCalledBefore(North, 2));  // the dealer looks at West's call of round 1
}

TEST_F(AuctionTest, DoubleOfADoubledContractIsARedouble) {
    Deal(kDeal, East);
    Calls("1H X X");
    EXPECT_EQ(G.Calls[West][1], Redouble);
    EXPECT_EQ(G.DoubleState, 2);
    EXPECT_EQ(G.PassCount, 0);
    // A Redouble of an undoubled contract counts as a Double; a new bid clears it.
    Deal(kDeal, East);
    Calls("1H XX");
    EXPECT_EQ(G.Calls[South][1], Double);
    EXPECT_EQ(G.DoubleState, 1);
    Calls("1S");
    EXPECT_EQ(G.DoubleState, 0);
}

TEST_F(AuctionTest, FourPassesInRoundOneEndTheAuction) {
    Deal(kDeal, North);
    host.calls = {Pass, Pass, Pass, Pass};
    GetBid();
    EXPECT_EQ(G.PassCount, 4);
    EXPECT_EQ(G.BidRound, 2);
    EXPECT_EQ(G.Contract, 0);
}

TEST_F(AuctionTest, ThreePassesAfterABidEndTheAuction) {
    Deal(kDeal, North);
    host.calls = {MakeBid(1, Hearts), Pass, Pass, Pass};
    GetBid();
    EXPECT_EQ(G.PassCount, 3);
    EXPECT_EQ(G.BidRound, 2);
    EXPECT_EQ(G.Contract, MakeBid(1, Hearts));
    EXPECT_EQ(G.ContractBidder, North);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(AuctionTest, TheAuctionEndsAfterRoundSeven) {
    Deal(kDeal, North);
    // 28 rising bids fill seven rounds.
    int bid = MakeBid(1, Clubs);
    for (int n = 0; n < 28; ++n) {
        host.calls.push_back(bid);
        int strain = CallStrain(bid), level = CallLevel(bid);
        bid = strain == NoTrump ? MakeBid(level + 1, Clubs) : MakeBid(level, strain + 1);
    }
    host.calls.push_back(Pass);  // never asked for
    GetBid();
    EXPECT_EQ(G.BidRound, 8);
    EXPECT_EQ(G.PassCount, 4);
    EXPECT_EQ(G.Contract, MakeBid(6, Hearts));
    EXPECT_EQ(host.calls.size(), 1u);
}

struct IllegalCase {
    const char* name;
    const char* before;
    int code;
};

class IllegalCode : public AuctionTest, public ::testing::WithParamInterface<IllegalCase> {};

TEST_P(IllegalCode, EndsTheAuctionAtOnce) {
    Deal(kDeal, North);
    Calls(GetParam().before);
    int seat = G.CurrentSeat, contract = G.Contract, round = G.BidRound;
    G.Calls[seat][round] = GetParam().code;
    Bid2Screen(seat);
    EXPECT_EQ(G.Calls[seat][round], Pass);
    EXPECT_EQ(G.PassCount, 4);
    EXPECT_EQ(G.Contract, contract);
    EXPECT_EQ(G.CurrentSeat, seat);
    EXPECT_EQ(G.AuctionWhatText.find("\n\n", 0) == std::string::npos, std::string(GetParam().before).empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, IllegalCode,
                         ::testing::Values(IllegalCase{"Three", "", 3}, IllegalCase{"Ten", "1H", 10},
                                           IllegalCase{"LevelEight", "1H", 18},
                                           IllegalCase{"LevelNine", "", 59},
                                           // Also refused, since they would corrupt the contract:
                                           IllegalCase{"InsufficientBid", "1H", MakeBid(1, Diamonds)},
                                           IllegalCase{"StrainSix", "", 61},
                                           IllegalCase{"DoubleWithoutContract", "P", Double}),
                         [](const auto& p) { return p.param.name; });

TEST_F(AuctionTest, NoDecisionIsAPass) {
    Deal(kDeal, North);
    G.Calls[North][1] = -5;
    Bid2Screen(North);
    EXPECT_EQ(G.Calls[North][1], Pass);
    EXPECT_EQ(G.PassCount, 1);
    EXPECT_EQ(G.CurrentSeat, East);
}

TEST_F(AuctionTest, FourNoTrumpOverOneNoTrumpIsNotBlackwood) {
    Deal(kDeal, North);
    Calls("1N P 4N");
    EXPECT_EQ(G.AceAsker, 0);
    // After Stayman the jump to 4 No Trump asks for Aces.
    Deal(kDeal, North);
    Calls("1N P 2C P 2H P 4N");
    EXPECT_EQ(G.AceAsker, South);
    EXPECT_EQ(G.GerberAsker, 0);
}

TEST_F(AuctionTest, BlackwoodNeedsAJumpAndNoDouble) {
    Deal(kDeal, North);
    Calls("1H P 3H P 4N");
    EXPECT_EQ(G.AceAsker, North);
    // Over the right-hand opponent's Double it is not Blackwood.
    Deal(kDeal, North);
    Calls("1H P 3H X 4N");
    EXPECT_EQ(G.AceAsker, 0);
    // Without any jump it is not Blackwood.
    Deal(kDeal, North);
    Calls("1H P 2H P 3H P 4H P 4N");
    EXPECT_EQ(G.AceAsker, 0);
}

TEST_F(AuctionTest, GerberIsAJumpToFourClubs) {
    Deal(kDeal, North);
    Calls("1N P 4C");
    EXPECT_EQ(G.AceAsker, South);
    EXPECT_EQ(G.GerberAsker, South);
    // A raise of partner's Clubs to 4 is no Gerber.
    Deal(kDeal, North);
    Calls("1C P 2C P 4C");
    EXPECT_EQ(G.AceAsker, 0);
    EXPECT_EQ(G.GerberAsker, 0);
}

TEST_F(AuctionTest, BidsHighThenLowAndTheReverse) {
    Deal(kDeal, North);
    Calls("1H P 1S P 2D");
    EXPECT_TRUE(BidsHighThenLow(North));
    Deal(kDeal, North);
    Calls("1D P 1S P 2H");
    EXPECT_FALSE(BidsHighThenLow(North));  // Diamonds now only at level 3: a reverse
    // After a jump by partner the reverse shows only from level 4.
    Deal(kDeal, North);
    Calls("1D P 2S P 3C");
    EXPECT_TRUE(BidsHighThenLow(North));  // Diamonds at level 3 is no reverse here
    // With an overcaller in the auction it is never called a reverse.
    Deal(kDeal, North);
    Calls("1D 1S P P 2H");
    EXPECT_TRUE(BidsHighThenLow(North));
}

TEST_F(AuctionTest, RolesFollowTheCallsMade) {
    Deal(kDeal, East);
    Calls("1H X P 1S");
    EXPECT_EQ(G.Opener, East);
    EXPECT_EQ(G.Overcaller, South);  // a take-out Double enters the auction
    EXPECT_EQ(G.Responder, West);
    EXPECT_EQ(G.Advancer, North);
    // A Pass gives no role, and a role given for a Pass is taken back.
    AssignCallerRoles(North, Pass);
    Deal(kDeal, North);
    G.Opener = North;
    G.Calls[North][1] = Pass;
    TakeBackCallerRoles(North);
    EXPECT_EQ(G.Opener, 0);
}

}  // namespace
}  // namespace kestrel::test
